// The sides-and-angles window: the law-of-cosines and law-of-sines steps over a fake
// form in radians and degrees, and the real window with its unit options.
#include <QTest>

#include "solvers/triangle/sidesangles.h"
#include "support/cases.h"
#include "support/gui.h"

using namespace velunda;
using namespace velunda::testing;

class SidesAnglesTest : public QObject {
    Q_OBJECT

private slots:
    void computation_data() {
        addCaseColumns();
        QTest::newRow("degrees: two sides and the right angle between")
            << Computation(TriangleSidesAndAngles) << "Text2=3;Text4=4;Text5=90"
            << "Opt2"
            << "Text2=3;Text4=4;Text6=5"
            << "";
        QTest::newRow("radians: two sides and the right angle between")
            << Computation(TriangleSidesAndAngles) << "Text2=3;Text4=4;Text5=1.5707963267948966"
            << "Opt1"
            << "Text2=3;Text4=4;Text6=5"
            << "";
        QTest::newRow("no option selected counts as degrees")
            << Computation(TriangleSidesAndAngles) << "Text2=3;Text4=4;Text5=90"
            << ""
            << "Text2=3;Text4=4;Text6=5"
            << "";
        QTest::newRow("degrees: 30 and 60 with the first side")
            << Computation(TriangleSidesAndAngles) << "Text1=30;Text2=1;Text3=60"
            << "Opt2"
            << "Text2=1;Text4=1.73205080756888;Text6=2"
            << "";
        QTest::newRow("a typed third angle is replaced by the angle sum")
            << Computation(TriangleSidesAndAngles) << "Text1=30;Text2=1;Text3=60;Text5=45"
            << "Opt2"
            << "Text2=1;Text4=1.73205080756888;Text6=2"
            << "";
        QTest::newRow("degrees: angles 1 and 3 with the second side")
            << Computation(TriangleSidesAndAngles) << "Text1=30;Text4=1.73205080756888;Text5=90"
            << "Opt2"
            << "Text2=1;Text4=1.73205080756888;Text6=2"
            << "";
        QTest::newRow("degrees: angles 2 and 3 with the third side")
            << Computation(TriangleSidesAndAngles) << "Text3=60;Text5=90;Text6=2"
            << "Opt2"
            << "Text2=1;Text4=1.73205080756888;Text6=2"
            << "";
        QTest::newRow("angles over 180 degrees give a negative side")
            << Computation(TriangleSidesAndAngles) << "Text1=100;Text2=1;Text3=100"
            << "Opt2"
            << "Text2=1;Text4=1;Text6=-.347296355333861"
            << "";
        QTest::newRow("three sides and the third angle: the third side is recomputed")
            << Computation(TriangleSidesAndAngles) << "Text2=3;Text4=4;Text5=90;Text6=7"
            << "Opt2"
            << "Text2=3;Text4=4;Text6=5"
            << "";
        QTest::newRow("cosine rule for the first side")
            << Computation(TriangleSidesAndAngles) << "Text1=90;Text4=3;Text6=4"
            << "Opt2"
            << "Text2=5;Text4=3;Text6=4"
            << "";
        QTest::newRow("cosine rule for the second side")
            << Computation(TriangleSidesAndAngles) << "Text2=3;Text3=90;Text6=4"
            << "Opt2"
            << "Text2=3;Text4=5;Text6=4"
            << "";
        QTest::newRow("radians: two angles, no side") << Computation(TriangleSidesAndAngles) << "Text1=0.5;Text3=1"
                                                      << "Opt1"
                                                      << "Text2=0;Text4=0;Text6=0"
                                                      << "请登陆https://velunda.example.org下载更新版本|-|";
        QTest::newRow("only the first side: rewritten as read") << Computation(TriangleSidesAndAngles) << "Text2=5"
                                                                << "Opt1"
                                                                << "Text2=5;Text4=0;Text6=0"
                                                                << "";
        QTest::newRow("sides with units are rewritten as numbers")
            << Computation(TriangleSidesAndAngles) << "Text2=5cm;Text4=abc"
            << "Opt1"
            << "Text2=5;Text4=0;Text6=0"
            << "";
        QTest::newRow("two right angles: sine of 0 as divisor")
            << Computation(TriangleSidesAndAngles) << "Text2=1;Text3=90;Text5=90"
            << "Opt2"
            << "" << kFaultShown;
        QTest::newRow("radians: third angle of exactly 0 is no divisor")
            << Computation(TriangleSidesAndAngles) << "Text1=1.5707963267948966;Text2=1;Text3=1.5707963267948966"
            << "Opt1"
            << "Text2=1;Text4=1;Text6=0"
            << "";
        QTest::newRow("squares overflow") << Computation(TriangleSidesAndAngles) << "Text2=1e200;Text4=1e200;Text5=1"
                                          << "Opt1"
                                          << "" << kFaultShown;
        QTest::newRow("rounding leaves a negative under the root")
            << Computation(TriangleSidesAndAngles) << "Text2=1.1;Text4=1.1000000000000012;Text5=1e-9"
            << "Opt1"
            << "" << kFaultShown;
    }
    void computation() { checkCase(); }
};

QTEST_MAIN(SidesAnglesTest)
#include "tst_sidesangles.moc"
