// The computations of the solid windows (cube, cuboid, cylinder) over a fake form,
// without widgets. One table (support/cases.h): each row names its window's figure and
// what it shows, the computation a trigger of that window runs, the field texts and
// selected options before, and what the computation writes and shows; a computation no
// window runs, or a name that is not one of its window's fields and option buttons,
// fails the row.
#include <QTest>

#include "solvers/solid/cube.h"
#include "solvers/solid/cuboid.h"
#include "solvers/solid/cylinder.h"
#include "support/cases.h"

using namespace velunda;
using namespace velunda::testing;

class SolidComputationsTest : public QObject {
    Q_OBJECT

private slots:
    void cases_data() {
        addCaseColumns();

        QTest::newRow("cube: edge 2") << Computation(CubeFromEdge) << "Text1=2;Text2=b;Text3=c;Text4=d"
                                      << ""
                                      << "Text2=24;Text3=24;Text4=8"
                                      << "";
        QTest::newRow("cube: edge with blanks around")
            << Computation(CubeFromEdge) << "Text1= 2 ;Text2=b;Text3=c;Text4=d"
            << ""
            << "Text2=24;Text3=24;Text4=8"
            << "";
        QTest::newRow("cube: edge sum 24") << Computation(CubeFromEdgeSum) << "Text1=a;Text2=24;Text3=c;Text4=d"
                                           << ""
                                           << "Text1=2;Text3=24;Text4=8"
                                           << "";
        QTest::newRow("cube: surface 24") << Computation(CubeFromSurface) << "Text1=a;Text2=b;Text3=24;Text4=d"
                                          << ""
                                          << "Text2=24;Text1=2;Text4=8"
                                          << "";
        QTest::newRow("cube: volume 64: edge 3.9999999999999996 shows as 4")
            << Computation(CubeFromVolume) << "Text1=a;Text2=b;Text3=c;Text4=64"
            << ""
            << "Text2=48;Text3=96;Text1=4"
            << "";
        QTest::newRow("cube: volume 1000") << Computation(CubeFromVolume) << "Text1=a;Text2=b;Text3=c;Text4=1000"
                                           << ""
                                           << "Text2=120;Text3=600;Text1=10"
                                           << "";
        QTest::newRow("cube: volume 2: a cube root")
            << Computation(CubeFromVolume) << "Text1=a;Text2=b;Text3=c;Text4=2"
            << ""
            << "Text2=15.1190525987385;Text3=9.5244063118092;Text1=1.25992104989487"
            << "";
        QTest::newRow("cube: volume with a group separator")
            << Computation(CubeFromVolume) << "Text1=a;Text2=b;Text3=c;Text4=1,000"
            << ""
            << "Text2=120;Text3=600;Text1=10"
            << "";
        QTest::newRow("cube: volume 0") << Computation(CubeFromVolume) << "Text1=a;Text2=b;Text3=c;Text4=0"
                                        << ""
                                        << "Text2=0;Text3=0;Text1=0"
                                        << "";
        QTest::newRow("cube: edge .5: no leading zero")
            << Computation(CubeFromEdge) << "Text1=0.5;Text2=b;Text3=c;Text4=d"
            << ""
            << "Text2=6;Text3=1.5;Text4=.125"
            << "";
        QTest::newRow("cube: edge -2: no sign check") << Computation(CubeFromEdge) << "Text1=-2;Text2=b;Text3=c;Text4=d"
                                                      << ""
                                                      << "Text2=-24;Text3=24;Text4=-8"
                                                      << "";
        QTest::newRow("cube: edge sum 1") << Computation(CubeFromEdgeSum) << "Text1=a;Text2=1;Text3=c;Text4=d"
                                          << ""
                                          << "Text1=.0833333333333333;Text3=.0416666666666667;Text4=.000578703703703704"
                                          << "";
        QTest::newRow("cube: surface 1") << Computation(CubeFromSurface) << "Text1=a;Text2=b;Text3=1;Text4=d"
                                         << ""
                                         << "Text2=4.89897948556636;Text1=.408248290463863;Text4=.0680413817439772"
                                         << "";
        QTest::newRow("cube: full-width edge") << Computation(CubeFromEdge) << "Text1=２;Text2=b;Text3=c;Text4=d"
                                               << ""
                                               << "Text2=24;Text3=24;Text4=8"
                                               << "";
        // Text that is not one number, and values without a result: the fault message
        // and no write.
        QTest::newRow("cube: empty edge") << Computation(CubeFromEdge) << "Text2=b;Text3=c;Text4=d"
                                          << ""
                                          << "" << kFaultShown;
        QTest::newRow("cube: edge with a unit") << Computation(CubeFromEdge) << "Text1=2cm;Text2=b;Text3=c;Text4=d"
                                                << ""
                                                << "" << kFaultShown;
        QTest::newRow("cube: edge sum of letters")
            << Computation(CubeFromEdgeSum) << "Text1=a;Text2=abc;Text3=c;Text4=d"
            << ""
            << "" << kFaultShown;
        QTest::newRow("cube: negative surface") << Computation(CubeFromSurface) << "Text1=a;Text2=b;Text3=-24;Text4=d"
                                                << ""
                                                << "" << kFaultShown;
        QTest::newRow("cube: negative volume") << Computation(CubeFromVolume) << "Text1=a;Text2=b;Text3=c;Text4=-8"
                                               << ""
                                               << "" << kFaultShown;
        QTest::newRow("cube: volume beyond range") << Computation(CubeFromEdge) << "Text1=1e200;Text2=b;Text3=c;Text4=d"
                                                   << ""
                                                   << "" << kFaultShown;
        QTest::newRow("cube: typed beyond range")
            << Computation(CubeFromVolume) << "Text1=a;Text2=b;Text3=c;Text4=1e400"
            << ""
            << "" << kFaultShown;

        QTest::newRow("cuboid: 1: a, b, c") << Computation(CuboidCompute) << "Text1=2;Text2=3;Text3=4"
                                            << ""
                                            << "Text1=2;Text2=3;Text3=4;Text4=12;Text5=52;Text6=24"
                                            << "";
        QTest::newRow("cuboid: 1: a cross-section that does not match is recomputed")
            << Computation(CuboidCompute) << "Text1=2;Text2=3;Text3=4;Text4=99"
            << ""
            << "Text1=2;Text2=3;Text3=4;Text4=12;Text5=52;Text6=24"
            << "";
        QTest::newRow("cuboid: 1: fractions") << Computation(CuboidCompute) << "Text1=1.5;Text2=2.5;Text3=.1"
                                              << ""
                                              << "Text1=1.5;Text2=2.5;Text3=.1;Text4=.25;Text5=8.3;Text6=.375"
                                              << "";
        QTest::newRow("cuboid: 2: a, b, A") << Computation(CuboidCompute) << "Text1=2;Text2=3;Text4=12"
                                            << ""
                                            << "Text1=2;Text2=3;Text3=4;Text4=12;Text5=52;Text6=24"
                                            << "";
        QTest::newRow("cuboid: 3: a, b, S") << Computation(CuboidCompute) << "Text1=2;Text2=3;Text5=52"
                                            << ""
                                            << "Text1=2;Text2=3;Text3=4;Text4=12;Text5=52;Text6=24"
                                            << "";
        QTest::newRow("cuboid: 4: a, b, V") << Computation(CuboidCompute) << "Text1=2;Text2=3;Text6=24"
                                            << ""
                                            << "Text1=2;Text2=3;Text3=4;Text4=12;Text5=52;Text6=24"
                                            << "";
        QTest::newRow("cuboid: 5: a, A, S, larger root to the width")
            << Computation(CuboidCompute) << "Text1=2;Text4=12;Text5=52"
            << ""
            << "Text1=2;Text2=4;Text3=3;Text4=12;Text5=52;Text6=24"
            << "";
        QTest::newRow("cuboid: writes every field in order")
            << Computation(CuboidCompute) << "Text1=2;Text4=12;Text5=52"
            << ""
            << "Text1=2;Text2=4;Text3=3;Text4=12;Text5=52;Text6=24"
            << "";
        QTest::newRow("cuboid: 6: a, S, V") << Computation(CuboidCompute) << "Text1=2;Text5=52;Text6=24"
                                            << ""
                                            << "Text1=2;Text2=4;Text3=3;Text4=12;Text5=52;Text6=24"
                                            << "";
        QTest::newRow("cuboid: 7: A, S, V") << Computation(CuboidCompute) << "Text4=12;Text5=52;Text6=24"
                                            << ""
                                            << "Text1=2;Text2=4;Text3=3;Text4=12;Text5=52;Text6=24"
                                            << "";
        QTest::newRow("cuboid: 8: b, c, S") << Computation(CuboidCompute) << "Text2=3;Text3=4;Text5=52"
                                            << ""
                                            << "Text1=2;Text2=3;Text3=4;Text4=12;Text5=52;Text6=24"
                                            << "";
        QTest::newRow("cuboid: 9: b, A, V") << Computation(CuboidCompute) << "Text2=3;Text4=12;Text6=24"
                                            << ""
                                            << "Text1=2;Text2=3;Text3=4;Text4=12;Text5=52;Text6=24"
                                            << "";
        QTest::newRow("cuboid: 5: length 1.5, cross-section 7, surface 30")
            << Computation(CuboidCompute) << "Text1=1.5;Text4=7;Text5=30"
            << ""
            << "Text1=1.5;Text2=3;Text3=2.33333333333333;Text4=7;Text5=30;Text6=10.5"
            << "";
        QTest::newRow("cuboid: 5: no real width, the volume is still written")
            << Computation(CuboidCompute) << "Text1=1;Text4=10;Text5=30"
            << ""
            << "Text1=1;Text2=0;Text3=0;Text4=10;Text5=30;Text6=10"
            << "无解|-|";
        QTest::newRow("cuboid: 5: no real width, the typed height stays")
            << Computation(CuboidCompute) << "Text1=1;Text3=7;Text4=10;Text5=30"
            << ""
            << "Text1=1;Text2=0;Text3=7;Text4=10;Text5=30;Text6=10"
            << "无解|-|";
        QTest::newRow("cuboid: a, c, V is not handled") << Computation(CuboidCompute) << "Text1=2;Text3=4;Text6=24"
                                                        << ""
                                                        << "Text1=2;Text2=0;Text3=4;Text4=0;Text5=0;Text6=24"
                                                        << "请下载新版本或查看帮助|i|";
        QTest::newRow("cuboid: two quantities only") << Computation(CuboidCompute) << "Text1=2;Text2=3"
                                                     << ""
                                                     << "Text1=2;Text2=3;Text3=0;Text4=0;Text5=0;Text6=0"
                                                     << "请下载新版本或查看帮助|i|";
        QTest::newRow("cuboid: all empty") << Computation(CuboidCompute) << ""
                                           << ""
                                           << "Text1=0;Text2=0;Text3=0;Text4=0;Text5=0;Text6=0"
                                           << "请下载新版本或查看帮助|i|";
        QTest::newRow("cuboid: 3: length minus the width") << Computation(CuboidCompute) << "Text1=2;Text2=-2;Text5=10"
                                                           << ""
                                                           << "" << kFaultShown;
        QTest::newRow("cuboid: 8: width minus the height") << Computation(CuboidCompute) << "Text2=3;Text3=-3;Text5=10"
                                                           << ""
                                                           << "" << kFaultShown;
        QTest::newRow("cuboid: products beyond range")
            << Computation(CuboidCompute) << "Text1=1e200;Text2=1e200;Text3=1"
            << ""
            << "" << kFaultShown;
        QTest::newRow("cuboid: typed beyond range") << Computation(CuboidCompute) << "Text1=1e400;Text2=3;Text3=4"
                                                    << ""
                                                    << "" << kFaultShown;

        QTest::newRow("cylinder: radius 1, height 1")
            << Computation(CylinderCompute) << "Text1=1;Text6=1"
            << ""
            << "Text1=1;Text2=6.28;Text3=6.28;Text4=12.56;Text5=3.14;Text6=1;Text7=3.14"
            << "";
        QTest::newRow("cylinder: r and h")
            << Computation(CylinderCompute) << "Text1=2;Text6=5"
            << ""
            << "Text1=2;Text2=12.56;Text3=62.8;Text4=87.92;Text5=62.8;Text6=5;Text7=12.56"
            << "";
        QTest::newRow("cylinder: C and h")
            << Computation(CylinderCompute) << "Text2=12.56;Text6=5"
            << ""
            << "Text1=2;Text2=12.56;Text3=62.8;Text4=87.92;Text5=62.8;Text6=5;Text7=12.56"
            << "";
        QTest::newRow("cylinder: B and h")
            << Computation(CylinderCompute) << "Text6=5;Text7=12.56"
            << ""
            << "Text1=2;Text2=12.56;Text3=62.8;Text4=87.92;Text5=62.8;Text6=5;Text7=12.56"
            << "";
        QTest::newRow("cylinder: r and L")
            << Computation(CylinderCompute) << "Text1=2;Text3=62.8"
            << ""
            << "Text1=2;Text2=12.56;Text3=62.8;Text4=87.92;Text5=62.8;Text6=5;Text7=12.56"
            << "";
        QTest::newRow("cylinder: r and S")
            << Computation(CylinderCompute) << "Text1=2;Text4=87.92"
            << ""
            << "Text1=2;Text2=12.56;Text3=62.8;Text4=87.92;Text5=62.8;Text6=5;Text7=12.56"
            << "";
        QTest::newRow("cylinder: r and V")
            << Computation(CylinderCompute) << "Text1=2;Text5=62.8"
            << ""
            << "Text1=2;Text2=12.56;Text3=62.8;Text4=87.92;Text5=62.8;Text6=5;Text7=12.56"
            << "";
        QTest::newRow("cylinder: h and L")
            << Computation(CylinderCompute) << "Text3=62.8;Text6=5"
            << ""
            << "Text1=2;Text2=12.56;Text3=62.8;Text4=87.92;Text5=62.8;Text6=5;Text7=12.56"
            << "";
        QTest::newRow("cylinder: h and V")
            << Computation(CylinderCompute) << "Text5=62.8;Text6=5"
            << ""
            << "Text1=2;Text2=12.56;Text3=62.8;Text4=87.92;Text5=62.8;Text6=5;Text7=12.56"
            << "";
        QTest::newRow("cylinder: L and S")
            << Computation(CylinderCompute) << "Text3=62.8;Text4=87.92"
            << ""
            << "Text1=2;Text2=12.56;Text3=62.8;Text4=87.92;Text5=62.8;Text6=5;Text7=12.56"
            << "";
        QTest::newRow("cylinder: L and V")
            << Computation(CylinderCompute) << "Text3=62.8;Text5=62.8"
            << ""
            << "Text1=2;Text2=12.56;Text3=62.8;Text4=87.92;Text5=62.8;Text6=5;Text7=12.56"
            << "";
        QTest::newRow("cylinder: radius wins over circumference and base area")
            << Computation(CylinderCompute) << "Text1=2;Text2=5;Text6=5;Text7=7"
            << ""
            << "Text1=2;Text2=12.56;Text3=62.8;Text4=87.92;Text5=62.8;Text6=5;Text7=12.56"
            << "";
        QTest::newRow("cylinder: circumference wins over base area")
            << Computation(CylinderCompute) << "Text2=12.56;Text6=5;Text7=100"
            << ""
            << "Text1=2;Text2=12.56;Text3=62.8;Text4=87.92;Text5=62.8;Text6=5;Text7=12.56"
            << "";
        QTest::newRow("cylinder: negative radius comes out positive")
            << Computation(CylinderCompute) << "Text1=-2;Text6=5"
            << ""
            << "Text1=2;Text2=12.56;Text3=62.8;Text4=87.92;Text5=62.8;Text6=5;Text7=12.56"
            << "";
        QTest::newRow("cylinder: r and S keep the typed surface area")
            << Computation(CylinderCompute) << "Text1=1;Text4=10"
            << ""
            << "Text1=1;Text2=6.28;Text3=3.72;Text4=10;Text5=1.86;Text6=.592356687898089;Text7=3.14"
            << "";
        QTest::newRow("cylinder: only a radius") << Computation(CylinderCompute) << "Text1=3"
                                                 << ""
                                                 << "Text1=3;Text2=18.84;Text3=0;Text4=0;Text5=0;Text6=0;Text7=28.26"
                                                 << "";
        QTest::newRow("cylinder: all empty") << Computation(CylinderCompute) << ""
                                             << ""
                                             << "Text1=0;Text2=0;Text3=0;Text4=0;Text5=0;Text6=0;Text7=0"
                                             << "";
        QTest::newRow("cylinder: unreadable text counts as not given")
            << Computation(CylinderCompute) << "Text1=abc;Text6=5cm"
            << ""
            << "Text1=0;Text2=0;Text3=0;Text4=0;Text5=0;Text6=5;Text7=0"
            << "";
        QTest::newRow("cylinder: S and V: newer version wanted")
            << Computation(CylinderCompute) << "Text4=87.92;Text5=62.8"
            << ""
            << "Text1=0;Text2=0;Text3=0;Text4=87.92;Text5=62.8;Text6=0;Text7=0"
            << "请下载更新版本|-|";
        // Height and surface area: the radius solves a quadratic in double precision.
        QTest::newRow("cylinder: h 5, S 87.92: radius 2")
            << Computation(CylinderCompute) << "Text4=87.92;Text6=5"
            << ""
            << "Text1=2;Text2=12.56;Text3=62.8;Text4=87.92;Text5=62.8;Text6=5;Text7=12.56"
            << "";
        QTest::newRow("cylinder: h 1, S 12.56: radius 1")
            << Computation(CylinderCompute) << "Text4=12.56;Text6=1"
            << ""
            << "Text1=1;Text2=6.28;Text3=6.28;Text4=12.56;Text5=3.14;Text6=1;Text7=3.14"
            << "";
        QTest::newRow("cylinder: h 2, S .3: small radius")
            << Computation(CylinderCompute) << "Text4=.3;Text6=2"
            << ""
            << "Text1=.0236067118952194;Text2=.148250150701978;Text3=.296500301403956;Text4=.3;"
               "Text5=.00349969859604445;Text6=2;Text7=.00174984929802222"
            << "";
        QTest::newRow("cylinder: h -5, S -37.68: two positive radii joined by 或")
            << Computation(CylinderCompute) << "Text4=-37.68;Text6=-5"
            << ""
            << "Text1=0;Text2=0;Text3=0;Text4=0;Text5=0;Text6=-5;Text7=0;Text1= 3或 2;Text2= 18.84或 12.56;"
               "Text3=-94.2或-62.8;Text5=-141.3或-62.8;Text7= 28.26或 12.56"
            << "";
        QTest::newRow("cylinder: h 163.06, S .001: a tiny radius, not lost to cancellation")
            << Computation(CylinderCompute) << "Text4=.001;Text6=163.05732484076433"
            << ""
            << "Text1=9.76562494151294E-07;Text2=6.13281246327013E-06;Text3=.000999999994010926;"
               "Text4=.001;Text5=4.88281244151295E-10;Text6=163.057324840764;Text7=2.99453731764661E-12"
            << "";
        // After "无解" nothing is written: the typed texts stay, other fields included.
        QTest::newRow("cylinder: h 10, S -10: both roots negative")
            << Computation(CylinderCompute) << "Text1=x;Text4=-10;Text6=10"
            << ""
            << ""
            << "无解|-|";
        QTest::newRow("cylinder: h 1, S -10: negative discriminant, one message")
            << Computation(CylinderCompute) << "Text2=old;Text4=-10;Text6=1"
            << ""
            << ""
            << "无解|-|";
        // Inputs without a result: the fault message, every field as it was.
        QTest::newRow("cylinder: negative base area alone") << Computation(CylinderCompute) << "Text7=-12.56"
                                                            << ""
                                                            << "" << kFaultShown;
        QTest::newRow("cylinder: negative base area with a height")
            << Computation(CylinderCompute) << "Text6=5;Text7=-12.56"
            << ""
            << "" << kFaultShown;
        QTest::newRow("cylinder: volume and height of opposite signs")
            << Computation(CylinderCompute) << "Text5=62.8;Text6=-5"
            << ""
            << "" << kFaultShown;
        QTest::newRow("cylinder: surface area below lateral area")
            << Computation(CylinderCompute) << "Text3=62.8;Text4=50"
            << ""
            << "" << kFaultShown;
        QTest::newRow("cylinder: surface area equal to lateral area")
            << Computation(CylinderCompute) << "Text3=62.8;Text4=62.8"
            << ""
            << "" << kFaultShown;
        QTest::newRow("cylinder: products beyond range") << Computation(CylinderCompute) << "Text1=1e200;Text6=1e200"
                                                         << ""
                                                         << "" << kFaultShown;
        QTest::newRow("cylinder: typed beyond range") << Computation(CylinderCompute) << "Text6=1e400"
                                                      << ""
                                                      << "" << kFaultShown;
        QTest::newRow("cylinder: height beyond range with a surface area")
            << Computation(CylinderCompute) << "Text4=10;Text6=1e400"
            << ""
            << "" << kFaultShown;

        // Every click writes all seven fields in order; two radii then overwrite five.

        QTest::newRow("cylinder: one radius")
            << Computation(CylinderCompute) << "Text1=2;Text6=5"
            << ""
            << "Text1=2;Text2=12.56;Text3=62.8;Text4=87.92;Text5=62.8;Text6=5;Text7=12.56"
            << "";
        QTest::newRow("cylinder: two radii")
            << Computation(CylinderCompute) << "Text4=-37.68;Text6=-5"
            << ""
            << "Text1=0;Text2=0;Text3=0;Text4=0;Text5=0;Text6=-5;Text7=0;Text1= 3或 2;Text2= 18.84或 12.56;"
               "Text3=-94.2或-62.8;Text5=-141.3或-62.8;Text7= 28.26或 12.56"
            << "";
        QTest::newRow("cylinder: no solution") << Computation(CylinderCompute) << "Text4=-10;Text6=10"
                                               << ""
                                               << ""
                                               << "无解|-|";
    }
    void cases() { checkCase(); }
};

QTEST_GUILESS_MAIN(SolidComputationsTest)
#include "tst_solidcomputations.moc"
