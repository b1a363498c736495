// The three parallelogram windows: their case lists over a fake form, and the real
// windows' captions and tab order.
#include <QTest>

#include "solvers/plane/parallelogram.h"
#include "support/cases.h"
#include "support/gui.h"

using namespace velunda;
using namespace velunda::testing;

class ParallelogramTest : public QObject {
    Q_OBJECT

private slots:
    // Base, height and area (frm3) and sides and perimeter (frm2): two give the third,
    // and all three are written back with a sign position.
    void twoOfThree_data() {
        addCaseColumns();
        QTest::newRow("area: base 4, height 3") << Computation(SolveParallelogramArea) << "Text1=4;Text2=3"
                                                << ""
                                                << "Text1= 4;Text2= 3;Text3= 12"
                                                << "";
        QTest::newRow("area: base 4, area 12") << Computation(SolveParallelogramArea) << "Text1=4;Text3=12"
                                               << ""
                                               << "Text1= 4;Text2= 3;Text3= 12"
                                               << "";
        QTest::newRow("area: height 3, area 12") << Computation(SolveParallelogramArea) << "Text2=3;Text3=12"
                                                 << ""
                                                 << "Text1= 4;Text2= 3;Text3= 12"
                                                 << "";
        QTest::newRow("area: all three, the area is replaced")
            << Computation(SolveParallelogramArea) << "Text1=4;Text2=3;Text3=100"
            << ""
            << "Text1= 4;Text2= 3;Text3= 12"
            << "";
        QTest::newRow("area: negative base") << Computation(SolveParallelogramArea) << "Text1=-4;Text2=3"
                                             << ""
                                             << "Text1=-4;Text2= 3;Text3=-12"
                                             << "";
        QTest::newRow("area: base .5") << Computation(SolveParallelogramArea) << "Text1=0.5;Text2=3"
                                       << ""
                                       << "Text1= .5;Text2= 3;Text3= 1.5"
                                       << "";
        QTest::newRow("area: only the base, rewritten") << Computation(SolveParallelogramArea) << "Text1=4"
                                                        << ""
                                                        << "Text1= 4;Text2= 0;Text3= 0"
                                                        << "";
        QTest::newRow("area: empty window") << Computation(SolveParallelogramArea) << ""
                                            << ""
                                            << "Text1= 0;Text2= 0;Text3= 0"
                                            << "";
        QTest::newRow("area: overflow") << Computation(SolveParallelogramArea) << "Text1=1e200;Text2=1e200"
                                        << ""
                                        << "" << kFaultShown;
        QTest::newRow("perimeter: sides 3 and 5") << Computation(SolveParallelogramPerimeter) << "Text1=3;Text2=5"
                                                  << ""
                                                  << "Text1= 3;Text2= 5;Text3= 16"
                                                  << "";
        QTest::newRow("perimeter: side 3, perimeter 16")
            << Computation(SolveParallelogramPerimeter) << "Text1=3;Text3=16"
            << ""
            << "Text1= 3;Text2= 5;Text3= 16"
            << "";
        QTest::newRow("perimeter: adjacent side 5, perimeter 16")
            << Computation(SolveParallelogramPerimeter) << "Text2=5;Text3=16"
            << ""
            << "Text1= 3;Text2= 5;Text3= 16"
            << "";
        QTest::newRow("perimeter: too short, negative side")
            << Computation(SolveParallelogramPerimeter) << "Text1=3;Text3=4"
            << ""
            << "Text1= 3;Text2=-1;Text3= 4"
            << "";
        QTest::newRow("perimeter: all three, the perimeter is replaced")
            << Computation(SolveParallelogramPerimeter) << "Text1=3;Text2=5;Text3=100"
            << ""
            << "Text1= 3;Text2= 5;Text3= 16"
            << "";
        QTest::newRow("perimeter: sides .25 and .5")
            << Computation(SolveParallelogramPerimeter) << "Text1=0.25;Text2=0.5"
            << ""
            << "Text1= .25;Text2= .5;Text3= 1.5"
            << "";
        QTest::newRow("perimeter: empty window") << Computation(SolveParallelogramPerimeter) << ""
                                                 << ""
                                                 << "Text1= 0;Text2= 0;Text3= 0"
                                                 << "";
        QTest::newRow("perimeter: overflow") << Computation(SolveParallelogramPerimeter) << "Text1=1e308;Text2=1e308"
                                             << ""
                                             << "" << kFaultShown;
    }
    void twoOfThree() { checkCase(); }

    // Two sides, included angle and area (frm4), with S = a·b·sin θ.
    void sidesAndAngle_data() {
        addCaseColumns();
        QTest::newRow("1: degrees, 2, 3, 30") << Computation(SolveParallelogramAngle) << "Text1=2;Text2=3;Text3=30"
                                              << "opt2"
                                              << "Text3=30;Text1=2;Text2=3;Text4=3"
                                              << "";
        QTest::newRow("1: neither option means degrees")
            << Computation(SolveParallelogramAngle) << "Text1=2;Text2=3;Text3=30"
            << ""
            << "Text3=30;Text1=2;Text2=3;Text4=3"
            << "";
        QTest::newRow("1: radians, 2, 3, 1") << Computation(SolveParallelogramAngle) << "Text1=2;Text2=3;Text3=1"
                                             << "opt1"
                                             << "Text3=1;Text1=2;Text2=3;Text4=5.04882590884738"
                                             << "";
        QTest::newRow("1: all four given, the area is replaced")
            << Computation(SolveParallelogramAngle) << "Text1=2;Text2=3;Text3=30;Text4=100"
            << "opt2"
            << "Text3=30;Text1=2;Text2=3;Text4=3"
            << "";
        QTest::newRow("2: degrees, both angles, sides kept as typed")
            << Computation(SolveParallelogramAngle) << "Text1=02;Text2=3;Text4=3"
            << "opt2"
            << "Text3= 30或 150"
            << "";
        QTest::newRow("2: radians, both angles") << Computation(SolveParallelogramAngle) << "Text1=2;Text2=3;Text4=3"
                                                 << "opt1"
                                                 << "Text3= .523598775598299或 2.61799387799149"
                                                 << "";
        QTest::newRow("2: right angle in degrees") << Computation(SolveParallelogramAngle) << "Text1=2;Text2=3;Text4=6"
                                                   << "opt2"
                                                   << "Text3= 90或 90"
                                                   << "";
        QTest::newRow("2: right angle in radians") << Computation(SolveParallelogramAngle) << "Text1=2;Text2=3;Text4=6"
                                                   << "opt1"
                                                   << "Text3= 1.5707963267949或 1.5707963267949"
                                                   << "";
        QTest::newRow("2: right angle typed in decimals, degrees")
            << Computation(SolveParallelogramAngle) << "Text1=0.1;Text2=0.7;Text4=0.07"
            << "opt2"
            << "Text3= 90或 90"
            << "";
        QTest::newRow("2: right angle typed in decimals, radians")
            << Computation(SolveParallelogramAngle) << "Text1=0.1;Text2=0.7;Text4=0.07"
            << "opt1"
            << "Text3= 1.5707963267949或 1.5707963267949"
            << "";
        QTest::newRow("2: negative right angle typed in decimals")
            << Computation(SolveParallelogramAngle) << "Text1=0.1;Text2=0.7;Text4=-0.07"
            << "opt2"
            << "Text3=-90或 270"
            << "";
        QTest::newRow("2: negative area, negative angle")
            << Computation(SolveParallelogramAngle) << "Text1=2;Text2=3;Text4=-3"
            << "opt2"
            << "Text3=-30或 210"
            << "";
        QTest::newRow("3: degrees, a 2, 30, area 3")
            << Computation(SolveParallelogramAngle) << "Text1=2;Text3=30;Text4=3"
            << "opt2"
            << "Text3=30;Text1=2;Text2=3;Text4=3"
            << "";
        QTest::newRow("4: degrees, b 3, 30, area 3")
            << Computation(SolveParallelogramAngle) << "Text2=3;Text3=30;Text4=3"
            << "opt2"
            << "Text3=30;Text1=2;Text2=3;Text4=3"
            << "";
        // The sine of 180 degrees is a tiny number, not 0: the side comes out huge.
        QTest::newRow("3: 180 degrees") << Computation(SolveParallelogramAngle) << "Text1=2;Text3=180;Text4=3"
                                        << "opt2"
                                        << "Text3=180;Text1=2;Text2=1.22484295148965E+16;Text4=3"
                                        << "";
        QTest::newRow("only two given: normalised") << Computation(SolveParallelogramAngle) << "Text1=2;Text2=3"
                                                    << "opt2"
                                                    << "Text3=0;Text1=2;Text2=3;Text4=0"
                                                    << "";
        QTest::newRow("empty window") << Computation(SolveParallelogramAngle) << ""
                                      << "opt1"
                                      << "Text3=0;Text1=0;Text2=0;Text4=0"
                                      << "";
        QTest::newRow("2: area above a·b") << Computation(SolveParallelogramAngle) << "Text1=2;Text2=3;Text4=7"
                                           << "opt2"
                                           << "" << kFaultShown;
        QTest::newRow("2: area above a·b beyond rounding")
            << Computation(SolveParallelogramAngle) << "Text1=0.1;Text2=0.7;Text4=0.0700000000001"
            << "opt2"
            << "" << kFaultShown;
        QTest::newRow("2: area below -a·b") << Computation(SolveParallelogramAngle) << "Text1=2;Text2=3;Text4=-7"
                                            << "opt1"
                                            << "" << kFaultShown;
        QTest::newRow("1: overflow") << Computation(SolveParallelogramAngle) << "Text1=1e200;Text2=1e200;Text3=30"
                                     << "opt2"
                                     << "" << kFaultShown;
    }
    void sidesAndAngle() { checkCase(); }

    void sidesAngleTabOrder() {
        MenuFixture app;
        auto* w = app.open("lbl17", "frm4");
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(QApplication::focusWidget(), w->option("opt1"));
        QStringList order;
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        // The option group is one stop, at its selected button.
        QCOMPARE(order.join(','), QString("Text1,Text2,Command1,Text3,Text4,Command2,Command3,opt1"));
        QVERIFY(w->option("opt1")->isChecked());
    }

    void heightCaptionNamesItsField() {
        MenuFixture app;
        auto* w = app.open("lbl18", "frm3");
        QCOMPARE(w->label("Label1(2)")->buddy(), w->field("Text2"));
    }
};

QTEST_MAIN(ParallelogramTest)
#include "tst_parallelogram.moc"
