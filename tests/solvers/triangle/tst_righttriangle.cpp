// The right-triangle window: its case list over a fake form, and the real window with
// its second-leg field that opens on the first key released in the first leg.
#include <QTest>

#include "solvers/triangle/righttriangle.h"
#include "support/gui.h"
#include "triangletests.h"

using namespace velunda;
using namespace velunda::testing;

namespace {
const QStringList kFields{"Text1", "Text2", "Text3", "Text4"};
}

class RightTriangleTest : public QObject {
    Q_OBJECT

private slots:
    void computation_data() {
        AddComputationColumns();
        QTest::newRow("legs 3 and 4") << "Text1=3;Text2=4"
                                      << "Text1=3;Text2=4;Text3=5;Text4=6"
                                      << "";
        QTest::newRow("legs 1 and 1") << "Text1=1;Text2=1"
                                      << "Text1=1;Text2=1;Text3=1.4142135623731;Text4=.5"
                                      << "";
        QTest::newRow("first leg 3, hypotenuse 5") << "Text1=3;Text3=5"
                                                   << "Text1=3;Text2=4;Text3=5;Text4=6"
                                                   << "";
        QTest::newRow("first leg 5, hypotenuse 13") << "Text1=5;Text3=13"
                                                    << "Text1=5;Text2=12;Text3=13;Text4=30"
                                                    << "";
        QTest::newRow("first leg 3, area 6") << "Text1=3;Text4=6"
                                             << "Text1=3;Text2=4;Text3=5;Text4=6"
                                             << "";
        QTest::newRow("hypotenuse 5, area 6: larger leg first") << "Text3=5;Text4=6"
                                                                << "Text1=4;Text2=3;Text3=5;Text4=6"
                                                                << "";
        QTest::newRow("hypotenuse 10, area 20") << "Text3=10;Text4=20"
                                                << "Text1=8.94427190999916;Text2=4.47213595499958;Text3=10;Text4=20"
                                                << "";
        QTest::newRow("a wrong hypotenuse is replaced") << "Text1=3;Text2=4;Text3=10"
                                                        << "Text1=3;Text2=4;Text3=5;Text4=6"
                                                        << "";
        QTest::newRow("a wrong area is replaced by the legs' area") << "Text1=3;Text2=4;Text3=5;Text4=100"
                                                                    << "Text1=3;Text2=4;Text3=5;Text4=6"
                                                                    << "";
        const QString update = "请下载新版本|-|";
        QTest::newRow("only the hypotenuse") << "Text3=5"
                                             << "Text1=0;Text2=0;Text3=5;Text4=0" << update;
        QTest::newRow("second leg and hypotenuse are not supported") << "Text2=4;Text3=5"
                                                                     << "Text1=0;Text2=4;Text3=5;Text4=0" << update;
        QTest::newRow("second leg and area are not supported") << "Text2=4;Text4=6"
                                                               << "Text1=0;Text2=4;Text3=0;Text4=6" << update;
        QTest::newRow("all empty") << ""
                                   << "Text1=0;Text2=0;Text3=0;Text4=0" << update;
        QTest::newRow("text that is no number reads as 0") << "Text1=abc;Text3=5"
                                                           << "Text1=0;Text2=0;Text3=5;Text4=0" << update;
        QTest::newRow("hypotenuse shorter than the leg") << "Text1=5;Text3=3"
                                                         << "" << kFaultForm;
        QTest::newRow("area beyond a quarter of the hypotenuse's square") << "Text3=5;Text4=7"
                                                                          << "" << kFaultForm;
        QTest::newRow("legs overflow") << "Text1=1e200;Text2=1e200"
                                       << "" << kFaultForm;
    }
    void computation() { CheckComputation(SolveRightTriangle); }

    void secondLegOpensOnFirstKeyReleased() {
        MenuFixture app;
        auto* w = app.open("lbl5", "frm14");
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("解直角三角形"));
        QLineEdit* second = w->field("Text2");
        QVERIFY(!second->isEnabled());
        QTest::keyClicks(second, "4");  // a disabled field takes no input
        QCOMPARE(second->text(), QString());
        QTest::keyPress(w->field("Text1"), Qt::Key_3);
        QVERIFY(!second->isEnabled());  // the press alone does not open it
        QTest::keyRelease(w->field("Text1"), Qt::Key_3);
        QVERIFY(second->isEnabled());
        click(w->button("Command3"));  // clearing does not close it again
        QVERIFY(second->isEnabled());
    }

    void windowFromMenu() {
        MenuFixture app;
        auto* w = app.open("lbl5", "frm14");
        typeInto(w->field("Text1"), "3");
        typeInto(w->field("Text2"), "4");
        click(w->button("Command2"));
        QCOMPARE(Texts(w, kFields), (QStringList{"3", "4", "5", "6"}));
    }

    void unsupportedPairAsksForUpdate() {
        MenuFixture app;
        auto* w = app.open("lbl5", "frm14");
        typeInto(w->field("Text3"), "5");
        MessageCatcher catcher;
        click(w->button("Command2"));
        QCOMPARE(catcher.shown(), QString("请下载新版本|-|Velunda"));
        QCOMPARE(Texts(w, kFields), (QStringList{"0", "0", "5", "0"}));
    }

    void negativeRootShowsFaultAndKeepsFields() {
        MenuFixture app;
        auto* w = app.open("lbl5", "frm14");
        typeInto(w->field("Text1"), "5");
        typeInto(w->field("Text3"), "3");
        MessageCatcher catcher;
        click(w->button("Command2"));
        QCOMPARE(catcher.shown(), kFaultShown);
        QCOMPARE(Texts(w, kFields), (QStringList{"5", "", "3", ""}));
    }

    void clearAndExit() {
        MenuFixture app;
        auto* w = app.open("lbl5", "frm14");
        QCOMPARE(w->button("Command3")->text(), QString("清  零"));
        QCOMPARE(w->button("Command1")->text(), QString("退  出"));
        typeInto(w->field("Text1"), "3");
        typeInto(w->field("Text4"), "6");
        click(w->button("Command2"));
        click(w->button("Command3"));
        QCOMPARE(Texts(w, kFields), QStringList(4, QString()));
        CheckExit(app, w, "Command1");
        // Opened again, the second leg is closed again.
        w = app.open("lbl5", "frm14");
        QVERIFY(!w->field("Text2")->isEnabled());
    }
};

QTEST_MAIN(RightTriangleTest)
#include "tst_righttriangle.moc"
