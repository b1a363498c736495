// The right-triangle window: its case list over a fake form, and the real window with
// its second-leg field that opens on the first key released in the first leg.
#include <QTest>

#include "solvers/triangle/righttriangle.h"
#include "support/cases.h"
#include "support/gui.h"

using namespace velunda;
using namespace velunda::testing;

class RightTriangleTest : public QObject {
    Q_OBJECT

private slots:
    void computation_data() {
        addCaseColumns();
        QTest::newRow("legs 3 and 4") << Computation(SolveRightTriangle) << "Text1=3;Text2=4"
                                      << ""
                                      << "Text1=3;Text2=4;Text3=5;Text4=6"
                                      << "";
        QTest::newRow("legs 1 and 1") << Computation(SolveRightTriangle) << "Text1=1;Text2=1"
                                      << ""
                                      << "Text1=1;Text2=1;Text3=1.4142135623731;Text4=.5"
                                      << "";
        QTest::newRow("first leg 3, hypotenuse 5") << Computation(SolveRightTriangle) << "Text1=3;Text3=5"
                                                   << ""
                                                   << "Text1=3;Text2=4;Text3=5;Text4=6"
                                                   << "";
        QTest::newRow("first leg 5, hypotenuse 13") << Computation(SolveRightTriangle) << "Text1=5;Text3=13"
                                                    << ""
                                                    << "Text1=5;Text2=12;Text3=13;Text4=30"
                                                    << "";
        QTest::newRow("first leg 3, area 6") << Computation(SolveRightTriangle) << "Text1=3;Text4=6"
                                             << ""
                                             << "Text1=3;Text2=4;Text3=5;Text4=6"
                                             << "";
        QTest::newRow("hypotenuse 5, area 6: larger leg first") << Computation(SolveRightTriangle) << "Text3=5;Text4=6"
                                                                << ""
                                                                << "Text1=4;Text2=3;Text3=5;Text4=6"
                                                                << "";
        QTest::newRow("hypotenuse 10, area 20") << Computation(SolveRightTriangle) << "Text3=10;Text4=20"
                                                << ""
                                                << "Text1=8.94427190999916;Text2=4.47213595499958;Text3=10;Text4=20"
                                                << "";
        QTest::newRow("a wrong hypotenuse is replaced") << Computation(SolveRightTriangle) << "Text1=3;Text2=4;Text3=10"
                                                        << ""
                                                        << "Text1=3;Text2=4;Text3=5;Text4=6"
                                                        << "";
        QTest::newRow("a wrong area is replaced by the legs' area")
            << Computation(SolveRightTriangle) << "Text1=3;Text2=4;Text3=5;Text4=100"
            << ""
            << "Text1=3;Text2=4;Text3=5;Text4=6"
            << "";
        QTest::newRow("only the hypotenuse") << Computation(SolveRightTriangle) << "Text3=5"
                                             << ""
                                             << "Text1=0;Text2=0;Text3=5;Text4=0"
                                             << "请下载新版本|-|";
        QTest::newRow("second leg and hypotenuse are not supported")
            << Computation(SolveRightTriangle) << "Text2=4;Text3=5"
            << ""
            << "Text1=0;Text2=4;Text3=5;Text4=0"
            << "请下载新版本|-|";
        QTest::newRow("second leg and area are not supported") << Computation(SolveRightTriangle) << "Text2=4;Text4=6"
                                                               << ""
                                                               << "Text1=0;Text2=4;Text3=0;Text4=6"
                                                               << "请下载新版本|-|";
        QTest::newRow("all empty") << Computation(SolveRightTriangle) << ""
                                   << ""
                                   << "Text1=0;Text2=0;Text3=0;Text4=0"
                                   << "请下载新版本|-|";
        QTest::newRow("text that is no number reads as 0") << Computation(SolveRightTriangle) << "Text1=abc;Text3=5"
                                                           << ""
                                                           << "Text1=0;Text2=0;Text3=5;Text4=0"
                                                           << "请下载新版本|-|";
        QTest::newRow("hypotenuse shorter than the leg") << Computation(SolveRightTriangle) << "Text1=5;Text3=3"
                                                         << ""
                                                         << "" << kFaultShown;
        QTest::newRow("area beyond a quarter of the hypotenuse's square")
            << Computation(SolveRightTriangle) << "Text3=5;Text4=7"
            << ""
            << "" << kFaultShown;
        QTest::newRow("legs overflow") << Computation(SolveRightTriangle) << "Text1=1e200;Text2=1e200"
                                       << ""
                                       << "" << kFaultShown;
    }
    void computation() { checkCase(); }

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

    // Opened again, the second leg is closed again.
    void reopenedWithTheSecondLegClosed() {
        MenuFixture app;
        auto* w = app.open("lbl5", "frm14");
        runSteps(w, "Text1=3;Text4=6;click Command2;click Command3");
        CheckExit(app, w, "Command1");
        w = app.open("lbl5", "frm14");
        QVERIFY(!w->field("Text2")->isEnabled());
    }
};

QTEST_MAIN(RightTriangleTest)
#include "tst_righttriangle.moc"
