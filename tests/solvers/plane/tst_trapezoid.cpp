// The trapezoid window: its first-zero rule over a fake form, and the real window
// driven from the menu.
#include <QTest>

#include "planecases.h"
#include "planewindows.h"
#include "solvers/plane/trapezoid.h"

using namespace velunda;
using namespace velunda::testing;

class TrapezoidTest : public QObject {
    Q_OBJECT

private slots:
    void firstZero_data() {
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("writes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("area from bases 2, 4 and height 3") << "Text1=2;Text2=4;Text3=3"
                                                           << "Text4=9"
                                                           << "";
        QTest::newRow("height from bases and area 9") << "Text1=2;Text2=4;Text4=9"
                                                      << "Text3=3"
                                                      << "";
        QTest::newRow("lower base") << "Text1=2;Text3=3;Text4=9"
                                    << "Text2=4"
                                    << "";
        QTest::newRow("upper base") << "Text2=4;Text3=3;Text4=9"
                                    << "Text1=2"
                                    << "";
        QTest::newRow("all four filled, consistent: nothing") << "Text1=2;Text2=4;Text3=3;Text4=9"
                                                              << ""
                                                              << "";
        QTest::newRow("all four filled, not consistent: nothing") << "Text1=1;Text2=1;Text3=1;Text4=9"
                                                                  << ""
                                                                  << "";
        QTest::newRow("only the bases: area 0") << "Text1=2;Text2=4"
                                                << "Text4=0"
                                                << "";
        QTest::newRow("only height and area: lower base with upper 0") << "Text3=3;Text4=9"
                                                                       << "Text2=6"
                                                                       << "";
        QTest::newRow("no sign check") << "Text1=10;Text3=2;Text4=4"
                                       << "Text2=-6"
                                       << "";
        QTest::newRow("fraction without leading zero") << "Text1=1;Text2=2;Text3=0.25"
                                                       << "Text4=.375"
                                                       << "";
        QTest::newRow("empty window: area 0") << ""
                                              << "Text4=0"
                                              << "";
        QTest::newRow("only the area: bases add up to 0") << "Text4=9"
                                                          << "" << kFaultShown;
        QTest::newRow("bases of opposite sign") << "Text1=2;Text2=-2;Text4=9"
                                                << "" << kFaultShown;
        QTest::newRow("area overflows") << "Text1=1e300;Text2=1e300;Text3=1e10"
                                        << "" << kFaultShown;
    }
    void firstZero() { checkCase(SolveTrapezoid); }

    void windowFromMenu() {
        MenuFixture app;
        auto* w = app.open("lbl16", "frm9");
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("解梯形"));
        QCOMPARE(w->size(), QSize(312, 161));
        QCOMPARE(w->label("Label1(3)")->text(),
                 QString("按提示在以上文本框内填入梯形的3个元素，然后点击“计算”，就可得另一元素。"));
        QCOMPARE(w->button("Command3")->text(), QString("计算"));
        fill(w, "Text3=3;Text4=9");
        click(w->button("Command3"));
        QCOMPARE(texts(w, 4), (QStringList{"", "6", "3", "9"}));
        // Enter computes nothing in this window.
        fill(w, "Text2=;Text1=2");
        pressEnter(w->field("Text1"));
        QCOMPARE(texts(w, 4), (QStringList{"2", "", "3", "9"}));

        fill(w, "Text1=;Text3=");
        {
            MessageCatcher catcher;
            click(w->button("Command3"));
            QCOMPARE(catcher.shown(), QString("无法计算，请检查输入的数据|i|Velunda"));
        }
        QCOMPARE(texts(w, 4), (QStringList{"", "", "", "9"}));
        QVERIFY(clearsAndExits(app, w, "Command1", {"Text1", "Text2", "Text3", "Text4"}, "Command2"));
    }
};

QTEST_MAIN(TrapezoidTest)
#include "tst_trapezoid.moc"
