// The square window: its four computations over a fake form, and the real window
// driven from the menu.
#include <QTest>

#include "planewindows.h"
#include "solvers/plane/square.h"
#include "support/fakeform.h"
#include "support/gui.h"
#include "support/typedcases.h"

using namespace velunda;
using namespace velunda::testing;

class SquareTest : public QObject {
    Q_OBJECT

private slots:
    void computations_data() {
        addTypedColumns();
        QTest::newRow("side 5") << Computation(SquareFromSide) << "Text1"
                                << "5"
                                << "Text2= 20;Text3=25;Text4=7.07106781186548";
        QTest::newRow("perimeter 20") << Computation(SquareFromPerimeter) << "Text2"
                                      << "20"
                                      << "Text1=5;Text3=25;Text4=7.07106781186548";
        QTest::newRow("area 2") << Computation(SquareFromArea) << "Text3"
                                << "2"
                                << "Text2=5.65685424949238;Text1=1.4142135623731;Text4=2";
        QTest::newRow("diagonal 10: side is 10 / root 2") << Computation(SquareFromDiagonal) << "Text4"
                                                          << "10"
                                                          << "Text2= 28.2842712474619;Text3=50;Text1=7.07106781186547";
        QTest::newRow("side .5") << Computation(SquareFromSide) << "Text1"
                                 << "0.5"
                                 << "Text2= 2;Text3=.25;Text4=.707106781186548";
        QTest::newRow("side -1") << Computation(SquareFromSide) << "Text1"
                                 << "-1"
                                 << "Text2=-4;Text3=1;Text4=-1.4142135623731";
        QTest::newRow("side with unit") << Computation(SquareFromSide) << "Text1"
                                        << "5cm"
                                        << "Text2= 20;Text3=25;Text4=7.07106781186548";
        QTest::newRow("empty side") << Computation(SquareFromSide) << "Text1"
                                    << ""
                                    << "Text2= 0;Text3=0;Text4=0";
        QTest::newRow("empty area: perimeter without blank") << Computation(SquareFromArea) << "Text3"
                                                             << ""
                                                             << "Text2=0;Text1=0;Text4=0";
        QTest::newRow("empty diagonal") << Computation(SquareFromDiagonal) << "Text4"
                                        << ""
                                        << "Text2= 0;Text3=0;Text1=0";
        QTest::newRow("full-width side") << Computation(SquareFromSide) << "Text1"
                                         << "５"
                                         << "Text2= 20;Text3=25;Text4=7.07106781186548";
        QTest::newRow("negative area") << Computation(SquareFromArea) << "Text3"
                                       << "-4"
                                       << "";
        QTest::newRow("area overflows") << Computation(SquareFromSide) << "Text1"
                                        << "1e200"
                                        << "";
        QTest::newRow("typed beyond range") << Computation(SquareFromPerimeter) << "Text2"
                                            << "1e400"
                                            << "";
    }
    void computations() { checkTypedCase(); }

    void windowFromMenu_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("after");  // Text1..Text4
        QTest::newRow("side 5") << "Text1"
                                << "5" << QStringList{"5", " 20", "25", "7.07106781186548"};
        QTest::newRow("perimeter 20") << "Text2"
                                      << "20" << QStringList{"5", "20", "25", "7.07106781186548"};
        QTest::newRow("area 2") << "Text3"
                                << "2" << QStringList{"1.4142135623731", "5.65685424949238", "2", "2"};
        QTest::newRow("diagonal 10") << "Text4"
                                     << "10" << QStringList{"7.07106781186547", " 28.2842712474619", "50", "10"};
        QTest::newRow("side .5") << "Text1"
                                 << "0.5" << QStringList{"0.5", " 2", ".25", ".707106781186548"};
        QTest::newRow("side -1") << "Text1"
                                 << "-1" << QStringList{"-1", "-4", "1", "-1.4142135623731"};
        QTest::newRow("5cm") << "Text1"
                             << "5cm" << QStringList{"5cm", " 20", "25", "7.07106781186548"};
    }
    void windowFromMenu() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QStringList, after);
        MenuFixture app;
        auto* w = app.open("lbl15", "frm12");
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("解正方形"));
        typeInto(w->field(field.toStdString()), typed);
        pressEnter(w->field(field.toStdString()));
        QCOMPARE(texts(w, 4), after);
    }

    void otherKeysComputeNothing() {
        MenuFixture app;
        auto* w = app.open("lbl15", "frm12");
        typeInto(w->field("Text1"), "5");
        QTest::keyClick(w->field("Text1"), Qt::Key_Tab);
        QTest::keyClick(w->field("Text1"), Qt::Key_Escape);
        QCOMPARE(w->field("Text2")->text(), QString());
    }

    void negativeAreaShowsFaultAndKeepsFields() {
        MenuFixture app;
        auto* w = app.open("lbl15", "frm12");
        typeInto(w->field("Text1"), "5");
        pressEnter(w->field("Text1"));
        typeInto(w->field("Text3"), "-4");
        MessageCatcher catcher;
        pressEnter(w->field("Text3"));
        QCOMPARE(catcher.shown(), QString("无法计算，请检查输入的数据|i|Velunda"));
        QCOMPARE(texts(w, 4), (QStringList{"5", " 20", "-4", "7.07106781186548"}));
        // The window stays usable.
        typeInto(w->field("Text1"), "1");
        pressEnter(w->field("Text1"));
        QCOMPARE(w->field("Text2")->text(), QString(" 4"));
    }

    void clearAndExit() {
        MenuFixture app;
        auto* w = app.open("lbl15", "frm12");
        typeInto(w->field("Text1"), "5");
        pressEnter(w->field("Text1"));
        click(w->button("Command1"));
        QCOMPARE(texts(w, 4), (QStringList{"", "", "", ""}));
        click(w->button("Command1"));  // on an empty window: nothing changes
        QCOMPARE(texts(w, 4), (QStringList{"", "", "", ""}));
        QPointer<QWidget> window = w;
        click(w->button("Command2"));
        QVERIFY(!window || !window->isVisible());
        QVERIFY(app.menu && app.menu->isVisible());
    }

    void captionsAsDesigned() {
        MenuFixture app;
        auto* w = app.open("lbl15", "frm12");
        QCOMPARE(w->button("Command1")->text(), QString("清 零"));
        QCOMPARE(w->button("Command2")->text(), QString("结 束"));
        QCOMPARE(w->label("Label1(1)")->text(), QString("填入一个数后按回车，即可得到另外三个元素的值"));
        QCOMPARE(w->label("Label2(3)")->text(), QString("正方形对角线     的长"));
        QCOMPARE(w->size(), QSize(312, 157));
        QCOMPARE(w->field("Text4")->geometry(), QRect(240, 56, 65, 25));
    }
};

QTEST_MAIN(SquareTest)
#include "tst_square.moc"
