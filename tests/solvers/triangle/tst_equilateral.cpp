// The equilateral-triangle window: the first given quantity decides, over a fake form,
// and the real window opened from its menu entry.
#include <QTest>

#include "solvers/triangle/equilateral.h"
#include "support/cases.h"
#include "support/gui.h"

using namespace velunda;
using namespace velunda::testing;

class EquilateralTest : public QObject {
    Q_OBJECT

private slots:
    void computation_data() {
        addCaseColumns();
        QTest::newRow("side 1") << Computation(SolveEquilateralTriangle) << "Text1=1"
                                << ""
                                << "Text1=1;Text2=3;Text3=.866025403784439;Text4=.433012701892219"
                                << "";
        QTest::newRow("side 2") << Computation(SolveEquilateralTriangle) << "Text1=2"
                                << ""
                                << "Text1=2;Text2=6;Text3=1.73205080756888;Text4=1.73205080756888"
                                << "";
        QTest::newRow("perimeter 6") << Computation(SolveEquilateralTriangle) << "Text2=6"
                                     << ""
                                     << "Text1=2;Text2=6;Text3=1.73205080756888;Text4=1.73205080756888"
                                     << "";
        QTest::newRow("perimeter 5") << Computation(SolveEquilateralTriangle) << "Text2=5"
                                     << ""
                                     << "Text1=1.66666666666667;Text2=5;Text3=1.44337567297406;Text4=1.20281306081172"
                                     << "";
        QTest::newRow("height 3") << Computation(SolveEquilateralTriangle) << "Text3=3"
                                  << ""
                                  << "Text1=3.46410161513775;Text2=10.3923048454133;Text3=3;Text4=5.19615242270663"
                                  << "";
        QTest::newRow("area root 3") << Computation(SolveEquilateralTriangle) << "Text4=1.7320508075688772"
                                     << ""
                                     << "Text1=2;Text2=6;Text3=1.73205080756888;Text4=1.73205080756888"
                                     << "";
        QTest::newRow("area 10") << Computation(SolveEquilateralTriangle) << "Text4=10"
                                 << ""
                                 << "Text1=4.80562282826951;Text2=14.4168684848085;Text3=4.16179145028782;Text4=10"
                                 << "";
        QTest::newRow("side 2 with a typed perimeter 100: the side decides")
            << Computation(SolveEquilateralTriangle) << "Text1=2;Text2=100"
            << ""
            << "Text1=2;Text2=6;Text3=1.73205080756888;Text4=1.73205080756888"
            << "";
        QTest::newRow("height typed with the perimeter: the perimeter decides")
            << Computation(SolveEquilateralTriangle) << "Text2=6;Text3=99"
            << ""
            << "Text1=2;Text2=6;Text3=1.73205080756888;Text4=1.73205080756888"
            << "";
        QTest::newRow("all empty: all zero") << Computation(SolveEquilateralTriangle) << ""
                                             << ""
                                             << "Text1=0;Text2=0;Text3=0;Text4=0"
                                             << "";
        QTest::newRow("side -2: no sign test") << Computation(SolveEquilateralTriangle) << "Text1=-2"
                                               << ""
                                               << "Text1=-2;Text2=-6;Text3=-1.73205080756888;Text4=1.73205080756888"
                                               << "";
        QTest::newRow("negative area alone: root of a negative") << Computation(SolveEquilateralTriangle) << "Text4=-1"
                                                                 << ""
                                                                 << "" << kFaultShown;
        QTest::newRow("side overflows") << Computation(SolveEquilateralTriangle) << "Text1=1e200"
                                        << ""
                                        << "" << kFaultShown;
    }
    void computation() { checkCase(); }
};

QTEST_MAIN(EquilateralTest)
#include "tst_equilateral.moc"
