// The computations of the plane-figure windows (square, rectangle, trapezoid,
// parallelogram, circle, chord) over a fake form, without widgets. One table
// (support/cases.h): each row names its window's figure and what it shows, the
// computation a trigger of that window runs, the field texts and selected options
// before, and what the computation writes and shows; a computation no window runs, or a
// name that is not one of its window's fields and option buttons, fails the row.
#include <QTest>

#include "solvers/plane/chord.h"
#include "solvers/plane/circle.h"
#include "solvers/plane/parallelogram.h"
#include "solvers/plane/rectangle.h"
#include "solvers/plane/square.h"
#include "solvers/plane/trapezoid.h"
#include "support/cases.h"

using namespace velunda;
using namespace velunda::testing;

class PlaneComputationsTest : public QObject {
    Q_OBJECT

private slots:
    void cases_data() {
        addCaseColumns();

        QTest::newRow("square: side 5") << Computation(SquareFromSide) << "Text1=5;Text2=b;Text3=c;Text4=d"
                                        << ""
                                        << "Text2= 20;Text3=25;Text4=7.07106781186548"
                                        << "";
        QTest::newRow("square: perimeter 20") << Computation(SquareFromPerimeter) << "Text1=a;Text2=20;Text3=c;Text4=d"
                                              << ""
                                              << "Text1=5;Text3=25;Text4=7.07106781186548"
                                              << "";
        QTest::newRow("square: area 2") << Computation(SquareFromArea) << "Text1=a;Text2=b;Text3=2;Text4=d"
                                        << ""
                                        << "Text2=5.65685424949238;Text1=1.4142135623731;Text4=2"
                                        << "";
        QTest::newRow("square: diagonal 10: side is 10 / root 2")
            << Computation(SquareFromDiagonal) << "Text1=a;Text2=b;Text3=c;Text4=10"
            << ""
            << "Text2= 28.2842712474619;Text3=50;Text1=7.07106781186547"
            << "";
        QTest::newRow("square: side .5") << Computation(SquareFromSide) << "Text1=0.5;Text2=b;Text3=c;Text4=d"
                                         << ""
                                         << "Text2= 2;Text3=.25;Text4=.707106781186548"
                                         << "";
        QTest::newRow("square: side -1") << Computation(SquareFromSide) << "Text1=-1;Text2=b;Text3=c;Text4=d"
                                         << ""
                                         << "Text2=-4;Text3=1;Text4=-1.4142135623731"
                                         << "";
        QTest::newRow("square: side with unit") << Computation(SquareFromSide) << "Text1=5cm;Text2=b;Text3=c;Text4=d"
                                                << ""
                                                << "Text2= 20;Text3=25;Text4=7.07106781186548"
                                                << "";
        QTest::newRow("square: empty side") << Computation(SquareFromSide) << "Text2=b;Text3=c;Text4=d"
                                            << ""
                                            << "Text2= 0;Text3=0;Text4=0"
                                            << "";
        QTest::newRow("square: empty area: perimeter without blank")
            << Computation(SquareFromArea) << "Text1=a;Text2=b;Text4=d"
            << ""
            << "Text2=0;Text1=0;Text4=0"
            << "";
        QTest::newRow("square: empty diagonal") << Computation(SquareFromDiagonal) << "Text1=a;Text2=b;Text3=c"
                                                << ""
                                                << "Text2= 0;Text3=0;Text1=0"
                                                << "";
        QTest::newRow("square: full-width side") << Computation(SquareFromSide) << "Text1=５;Text2=b;Text3=c;Text4=d"
                                                 << ""
                                                 << "Text2= 20;Text3=25;Text4=7.07106781186548"
                                                 << "";
        QTest::newRow("square: negative area") << Computation(SquareFromArea) << "Text1=a;Text2=b;Text3=-4;Text4=d"
                                               << ""
                                               << "" << kFaultShown;
        QTest::newRow("square: area overflows") << Computation(SquareFromSide) << "Text1=1e200;Text2=b;Text3=c;Text4=d"
                                                << ""
                                                << "" << kFaultShown;
        QTest::newRow("square: typed beyond range")
            << Computation(SquareFromPerimeter) << "Text1=a;Text2=1e400;Text3=c;Text4=d"
            << ""
            << "" << kFaultShown;

        QTest::newRow("rectangle: 1: sides 3 and 4") << Computation(SolveRectangle) << "Text1=3;Text2=4"
                                                     << ""
                                                     << "Text3=14;Text4=12;Text5=5"
                                                     << "";
        QTest::newRow("rectangle: 2: side 3, perimeter 14") << Computation(SolveRectangle) << "Text1=3;Text3=14"
                                                            << ""
                                                            << "Text2=4;Text4=12;Text5=5"
                                                            << "";
        QTest::newRow("rectangle: 3: side 3, area 12") << Computation(SolveRectangle) << "Text1=3;Text4=12"
                                                       << ""
                                                       << "Text2=4;Text3=14;Text5=5"
                                                       << "";
        QTest::newRow("rectangle: 4: side 3, diagonal 5") << Computation(SolveRectangle) << "Text1=3;Text5=5"
                                                          << ""
                                                          << "Text2=4;Text4=12;Text3=14"
                                                          << "";
        QTest::newRow("rectangle: 5: perimeter 14, area 12") << Computation(SolveRectangle) << "Text3=14;Text4=12"
                                                             << ""
                                                             << "Text2=3;Text1=4;Text5=5"
                                                             << "";
        QTest::newRow("rectangle: 6: perimeter 14, diagonal 5") << Computation(SolveRectangle) << "Text3=14;Text5=5"
                                                                << ""
                                                                << "Text2=3;Text1=4;Text4=12"
                                                                << "";
        QTest::newRow("rectangle: 7: diagonal 5, area 12") << Computation(SolveRectangle) << "Text4=12;Text5=5"
                                                           << ""
                                                           << "Text2=3;Text1=4;Text3=14"
                                                           << "";
        QTest::newRow("rectangle: 1: sides 2 and 3") << Computation(SolveRectangle) << "Text1=2;Text2=3"
                                                     << ""
                                                     << "Text3=10;Text4=6;Text5=3.60555127546399"
                                                     << "";
        QTest::newRow("rectangle: 5: perimeter 10, area 5, longer side first")
            << Computation(SolveRectangle) << "Text3=10;Text4=5"
            << ""
            << "Text2=1.38196601125011;Text1=3.61803398874989;Text5=3.87298334620742"
            << "";
        QTest::newRow("rectangle: 5: perimeter 1.2, area .09: a square")
            << Computation(SolveRectangle) << "Text3=1.2;Text4=0.09"
            << ""
            << "Text2=.3;Text1=.3;Text5=.424264068711929"
            << "";
        QTest::newRow("rectangle: 5: perimeter .84, area .0441: a square, P² - 16S below 0 by rounding")
            << Computation(SolveRectangle) << "Text3=0.84;Text4=0.0441"
            << ""
            << "Text2=.21;Text1=.21;Text5=.29698484809835"
            << "";
        QTest::newRow("rectangle: 1: a negative side counts as given")
            << Computation(SolveRectangle) << "Text1=-3;Text2=4"
            << ""
            << "Text3=2;Text4=-12;Text5=5"
            << "";
        QTest::newRow("rectangle: 1 again after an edited perimeter")
            << Computation(SolveRectangle) << "Text1=3;Text2=4;Text3=20;Text4=12;Text5=5"
            << ""
            << "Text3=14;Text4=12;Text5=5"
            << "";
        QTest::newRow("rectangle: 2 before 5: side left over with perimeter and area")
            << Computation(SolveRectangle) << "Text1=3;Text3=14;Text4=12"
            << ""
            << "Text2=4;Text4=12;Text5=5"
            << "";
        QTest::newRow("rectangle: full-width digits") << Computation(SolveRectangle) << "Text1=３;Text2=４"
                                                      << ""
                                                      << "Text3=14;Text4=12;Text5=5"
                                                      << "";
        QTest::newRow("rectangle: 6: short perimeter gives a negative side, no sign check")
            << Computation(SolveRectangle) << "Text3=4;Text5=5"
            << ""
            << "Text2=-2.39116499156263;Text1=4.39116499156263;Text4=-10.5"
            << "";
        QTest::newRow("rectangle: only one side: nothing") << Computation(SolveRectangle) << "Text1=3"
                                                           << ""
                                                           << ""
                                                           << "";
        QTest::newRow("rectangle: other side with perimeter: nothing")
            << Computation(SolveRectangle) << "Text2=4;Text3=14"
            << ""
            << ""
            << "";
        QTest::newRow("rectangle: empty window: nothing") << Computation(SolveRectangle) << ""
                                                          << ""
                                                          << ""
                                                          << "";
        QTest::newRow("rectangle: 4: diagonal shorter than the side")
            << Computation(SolveRectangle) << "Text1=5;Text4=old;Text5=3"
            << ""
            << "" << kFaultShown;
        QTest::newRow("rectangle: 5: area too large for the perimeter")
            << Computation(SolveRectangle) << "Text3=4;Text4=5"
            << ""
            << "" << kFaultShown;
        QTest::newRow("rectangle: 5: area above the square's beyond rounding")
            << Computation(SolveRectangle) << "Text3=4;Text4=1.00000000001"
            << ""
            << "" << kFaultShown;
        QTest::newRow("rectangle: 6: perimeter too long for the diagonal")
            << Computation(SolveRectangle) << "Text3=20;Text5=5"
            << ""
            << "" << kFaultShown;
        QTest::newRow("rectangle: 1: area overflows") << Computation(SolveRectangle) << "Text1=1e200;Text2=1e200"
                                                      << ""
                                                      << "" << kFaultShown;
        QTest::newRow("rectangle: 1: side typed beyond range") << Computation(SolveRectangle) << "Text1=1e400;Text2=1"
                                                               << ""
                                                               << "" << kFaultShown;

        QTest::newRow("trapezoid: area from bases 2, 4 and height 3")
            << Computation(SolveTrapezoid) << "Text1=2;Text2=4;Text3=3"
            << ""
            << "Text4=9"
            << "";
        QTest::newRow("trapezoid: height from bases and area 9")
            << Computation(SolveTrapezoid) << "Text1=2;Text2=4;Text4=9"
            << ""
            << "Text3=3"
            << "";
        QTest::newRow("trapezoid: lower base") << Computation(SolveTrapezoid) << "Text1=2;Text3=3;Text4=9"
                                               << ""
                                               << "Text2=4"
                                               << "";
        QTest::newRow("trapezoid: upper base") << Computation(SolveTrapezoid) << "Text2=4;Text3=3;Text4=9"
                                               << ""
                                               << "Text1=2"
                                               << "";
        QTest::newRow("trapezoid: all four filled, consistent: nothing")
            << Computation(SolveTrapezoid) << "Text1=2;Text2=4;Text3=3;Text4=9"
            << ""
            << ""
            << "";
        QTest::newRow("trapezoid: all four filled, not consistent: nothing")
            << Computation(SolveTrapezoid) << "Text1=1;Text2=1;Text3=1;Text4=9"
            << ""
            << ""
            << "";
        QTest::newRow("trapezoid: only the bases: area 0") << Computation(SolveTrapezoid) << "Text1=2;Text2=4"
                                                           << ""
                                                           << "Text4=0"
                                                           << "";
        QTest::newRow("trapezoid: only height and area: lower base with upper 0")
            << Computation(SolveTrapezoid) << "Text3=3;Text4=9"
            << ""
            << "Text2=6"
            << "";
        QTest::newRow("trapezoid: no sign check") << Computation(SolveTrapezoid) << "Text1=10;Text3=2;Text4=4"
                                                  << ""
                                                  << "Text2=-6"
                                                  << "";
        QTest::newRow("trapezoid: fraction without leading zero")
            << Computation(SolveTrapezoid) << "Text1=1;Text2=2;Text3=0.25"
            << ""
            << "Text4=.375"
            << "";
        QTest::newRow("trapezoid: empty window: area 0") << Computation(SolveTrapezoid) << ""
                                                         << ""
                                                         << "Text4=0"
                                                         << "";
        QTest::newRow("trapezoid: only the area: bases add up to 0") << Computation(SolveTrapezoid) << "Text4=9"
                                                                     << ""
                                                                     << "" << kFaultShown;
        QTest::newRow("trapezoid: bases of opposite sign") << Computation(SolveTrapezoid) << "Text1=2;Text2=-2;Text4=9"
                                                           << ""
                                                           << "" << kFaultShown;
        QTest::newRow("trapezoid: area overflows")
            << Computation(SolveTrapezoid) << "Text1=1e300;Text2=1e300;Text3=1e10"
            << ""
            << "" << kFaultShown;

        // Base, height and area (frm3) and sides and perimeter (frm2): two give the third,
        // and all three are written back with a sign position.

        QTest::newRow("parallelogram: area: base 4, height 3")
            << Computation(SolveParallelogramArea) << "Text1=4;Text2=3"
            << ""
            << "Text1= 4;Text2= 3;Text3= 12"
            << "";
        QTest::newRow("parallelogram: area: base 4, area 12")
            << Computation(SolveParallelogramArea) << "Text1=4;Text3=12"
            << ""
            << "Text1= 4;Text2= 3;Text3= 12"
            << "";
        QTest::newRow("parallelogram: area: height 3, area 12")
            << Computation(SolveParallelogramArea) << "Text2=3;Text3=12"
            << ""
            << "Text1= 4;Text2= 3;Text3= 12"
            << "";
        QTest::newRow("parallelogram: area: all three, the area is replaced")
            << Computation(SolveParallelogramArea) << "Text1=4;Text2=3;Text3=100"
            << ""
            << "Text1= 4;Text2= 3;Text3= 12"
            << "";
        QTest::newRow("parallelogram: area: negative base") << Computation(SolveParallelogramArea) << "Text1=-4;Text2=3"
                                                            << ""
                                                            << "Text1=-4;Text2= 3;Text3=-12"
                                                            << "";
        QTest::newRow("parallelogram: area: base .5") << Computation(SolveParallelogramArea) << "Text1=0.5;Text2=3"
                                                      << ""
                                                      << "Text1= .5;Text2= 3;Text3= 1.5"
                                                      << "";
        QTest::newRow("parallelogram: area: only the base, rewritten")
            << Computation(SolveParallelogramArea) << "Text1=4"
            << ""
            << "Text1= 4;Text2= 0;Text3= 0"
            << "";
        QTest::newRow("parallelogram: area: empty window") << Computation(SolveParallelogramArea) << ""
                                                           << ""
                                                           << "Text1= 0;Text2= 0;Text3= 0"
                                                           << "";
        QTest::newRow("parallelogram: area: overflow")
            << Computation(SolveParallelogramArea) << "Text1=1e200;Text2=1e200"
            << ""
            << "" << kFaultShown;
        QTest::newRow("parallelogram: perimeter: sides 3 and 5")
            << Computation(SolveParallelogramPerimeter) << "Text1=3;Text2=5"
            << ""
            << "Text1= 3;Text2= 5;Text3= 16"
            << "";
        QTest::newRow("parallelogram: perimeter: side 3, perimeter 16")
            << Computation(SolveParallelogramPerimeter) << "Text1=3;Text3=16"
            << ""
            << "Text1= 3;Text2= 5;Text3= 16"
            << "";
        QTest::newRow("parallelogram: perimeter: adjacent side 5, perimeter 16")
            << Computation(SolveParallelogramPerimeter) << "Text2=5;Text3=16"
            << ""
            << "Text1= 3;Text2= 5;Text3= 16"
            << "";
        QTest::newRow("parallelogram: perimeter: too short, negative side")
            << Computation(SolveParallelogramPerimeter) << "Text1=3;Text3=4"
            << ""
            << "Text1= 3;Text2=-1;Text3= 4"
            << "";
        QTest::newRow("parallelogram: perimeter: all three, the perimeter is replaced")
            << Computation(SolveParallelogramPerimeter) << "Text1=3;Text2=5;Text3=100"
            << ""
            << "Text1= 3;Text2= 5;Text3= 16"
            << "";
        QTest::newRow("parallelogram: perimeter: sides .25 and .5")
            << Computation(SolveParallelogramPerimeter) << "Text1=0.25;Text2=0.5"
            << ""
            << "Text1= .25;Text2= .5;Text3= 1.5"
            << "";
        QTest::newRow("parallelogram: perimeter: empty window") << Computation(SolveParallelogramPerimeter) << ""
                                                                << ""
                                                                << "Text1= 0;Text2= 0;Text3= 0"
                                                                << "";
        QTest::newRow("parallelogram: perimeter: overflow")
            << Computation(SolveParallelogramPerimeter) << "Text1=1e308;Text2=1e308"
            << ""
            << "" << kFaultShown;

        // Two sides, included angle and area (frm4), with S = a·b·sin θ.

        QTest::newRow("parallelogram: 1: degrees, 2, 3, 30")
            << Computation(SolveParallelogramAngle) << "Text1=2;Text2=3;Text3=30"
            << "opt2"
            << "Text3=30;Text1=2;Text2=3;Text4=3"
            << "";
        QTest::newRow("parallelogram: 1: neither option means degrees")
            << Computation(SolveParallelogramAngle) << "Text1=2;Text2=3;Text3=30"
            << ""
            << "Text3=30;Text1=2;Text2=3;Text4=3"
            << "";
        QTest::newRow("parallelogram: 1: radians, 2, 3, 1")
            << Computation(SolveParallelogramAngle) << "Text1=2;Text2=3;Text3=1"
            << "opt1"
            << "Text3=1;Text1=2;Text2=3;Text4=5.04882590884738"
            << "";
        QTest::newRow("parallelogram: 1: all four given, the area is replaced")
            << Computation(SolveParallelogramAngle) << "Text1=2;Text2=3;Text3=30;Text4=100"
            << "opt2"
            << "Text3=30;Text1=2;Text2=3;Text4=3"
            << "";
        QTest::newRow("parallelogram: 2: degrees, both angles, sides kept as typed")
            << Computation(SolveParallelogramAngle) << "Text1=02;Text2=3;Text4=3"
            << "opt2"
            << "Text3= 30或 150"
            << "";
        QTest::newRow("parallelogram: 2: radians, both angles")
            << Computation(SolveParallelogramAngle) << "Text1=2;Text2=3;Text4=3"
            << "opt1"
            << "Text3= .523598775598299或 2.61799387799149"
            << "";
        QTest::newRow("parallelogram: 2: right angle in degrees")
            << Computation(SolveParallelogramAngle) << "Text1=2;Text2=3;Text4=6"
            << "opt2"
            << "Text3= 90或 90"
            << "";
        QTest::newRow("parallelogram: 2: right angle in radians")
            << Computation(SolveParallelogramAngle) << "Text1=2;Text2=3;Text4=6"
            << "opt1"
            << "Text3= 1.5707963267949或 1.5707963267949"
            << "";
        QTest::newRow("parallelogram: 2: right angle typed in decimals, degrees")
            << Computation(SolveParallelogramAngle) << "Text1=0.1;Text2=0.7;Text4=0.07"
            << "opt2"
            << "Text3= 90或 90"
            << "";
        QTest::newRow("parallelogram: 2: right angle typed in decimals, radians")
            << Computation(SolveParallelogramAngle) << "Text1=0.1;Text2=0.7;Text4=0.07"
            << "opt1"
            << "Text3= 1.5707963267949或 1.5707963267949"
            << "";
        QTest::newRow("parallelogram: 2: negative right angle typed in decimals")
            << Computation(SolveParallelogramAngle) << "Text1=0.1;Text2=0.7;Text4=-0.07"
            << "opt2"
            << "Text3=-90或 270"
            << "";
        QTest::newRow("parallelogram: 2: negative area, negative angle")
            << Computation(SolveParallelogramAngle) << "Text1=2;Text2=3;Text4=-3"
            << "opt2"
            << "Text3=-30或 210"
            << "";
        QTest::newRow("parallelogram: 3: degrees, a 2, 30, area 3")
            << Computation(SolveParallelogramAngle) << "Text1=2;Text3=30;Text4=3"
            << "opt2"
            << "Text3=30;Text1=2;Text2=3;Text4=3"
            << "";
        QTest::newRow("parallelogram: 4: degrees, b 3, 30, area 3")
            << Computation(SolveParallelogramAngle) << "Text2=3;Text3=30;Text4=3"
            << "opt2"
            << "Text3=30;Text1=2;Text2=3;Text4=3"
            << "";
        // An angle that is not strictly between 0 and 180 degrees makes no parallelogram
        // (its sine would give a negative area or a side of 1.2E+16).
        QTest::newRow("parallelogram: 3: 180 degrees is no angle of a parallelogram")
            << Computation(SolveParallelogramAngle) << "Text1=2;Text3=180;Text4=3"
            << "opt2"
            << "" << kFaultShown;
        QTest::newRow("parallelogram: 1: radians 4 is over 180 degrees")
            << Computation(SolveParallelogramAngle) << "Text1=2;Text2=3;Text3=4"
            << "opt1"
            << "" << kFaultShown;
        QTest::newRow("parallelogram: 1: a negative angle")
            << Computation(SolveParallelogramAngle) << "Text1=2;Text2=3;Text3=-30"
            << "opt2"
            << "" << kFaultShown;
        QTest::newRow("parallelogram: 4: radians 60")
            << Computation(SolveParallelogramAngle) << "Text2=3;Text3=60;Text4=3"
            << "opt1"
            << "" << kFaultShown;
        QTest::newRow("parallelogram: 1: radians, the double nearest pi lies below pi")
            << Computation(SolveParallelogramAngle) << "Text1=2;Text2=3;Text3=3.141592653589793"
            << "opt1"
            << "Text3=3.14159265358979;Text1=2;Text2=3;Text4=7.34788079488412E-16"
            << "";
        QTest::newRow("parallelogram: only two given: normalised")
            << Computation(SolveParallelogramAngle) << "Text1=2;Text2=3"
            << "opt2"
            << "Text3=0;Text1=2;Text2=3;Text4=0"
            << "";
        QTest::newRow("parallelogram: empty window") << Computation(SolveParallelogramAngle) << ""
                                                     << "opt1"
                                                     << "Text3=0;Text1=0;Text2=0;Text4=0"
                                                     << "";
        QTest::newRow("parallelogram: 2: area above a·b")
            << Computation(SolveParallelogramAngle) << "Text1=2;Text2=3;Text4=7"
            << "opt2"
            << "" << kFaultShown;
        QTest::newRow("parallelogram: 2: area above a·b beyond rounding")
            << Computation(SolveParallelogramAngle) << "Text1=0.1;Text2=0.7;Text4=0.0700000000001"
            << "opt2"
            << "" << kFaultShown;
        QTest::newRow("parallelogram: 2: area below -a·b")
            << Computation(SolveParallelogramAngle) << "Text1=2;Text2=3;Text4=-7"
            << "opt1"
            << "" << kFaultShown;
        QTest::newRow("parallelogram: 1: overflow")
            << Computation(SolveParallelogramAngle) << "Text1=1e200;Text2=1e200;Text3=30"
            << "opt2"
            << "" << kFaultShown;

        QTest::newRow("circle: 3.14, radius 1") << Computation(CircleFromRadius) << "Text1=1;Text5=3.14"
                                                << ""
                                                << "Text2=2;Text3=6.28;Text4=3.14"
                                                << "";
        QTest::newRow("circle: 3.1415926, radius 1") << Computation(CircleFromRadius) << "Text1=1;Text5=3.1415926"
                                                     << ""
                                                     << "Text2=2;Text3=6.2831852;Text4=3.1415926"
                                                     << "";
        QTest::newRow("circle: 3.14, diameter 3") << Computation(CircleFromDiameter) << "Text2=3;Text5=3.14"
                                                  << ""
                                                  << "Text1=1.5;Text3=9.42;Text4=7.065"
                                                  << "";
        QTest::newRow("circle: 3.14, circumference 10")
            << Computation(CircleFromCircumference) << "Text3=10;Text5=3.14"
            << ""
            << "Text2=3.18471337579618;Text1=1.59235668789809;Text4=7.96178343949045"
            << "";
        QTest::newRow("circle: 3.14, area 314") << Computation(CircleFromArea) << "Text4=314;Text5=3.14"
                                                << ""
                                                << "Text2=20;Text3=62.8;Text1=10"
                                                << "";
        QTest::newRow("circle: 3.14, radius .5: no leading zero")
            << Computation(CircleFromRadius) << "Text1=0.5;Text5=3.14"
            << ""
            << "Text2=1;Text3=3.14;Text4=.785"
            << "";
        QTest::newRow("circle: π typed as 3") << Computation(CircleFromRadius) << "Text1=1;Text5=3"
                                              << ""
                                              << "Text2=2;Text3=6;Text4=3"
                                              << "";
        QTest::newRow("circle: negative radius") << Computation(CircleFromRadius) << "Text1=-1;Text5=3.14"
                                                 << ""
                                                 << "Text2=-2;Text3=-6.28;Text4=3.14"
                                                 << "";
        QTest::newRow("circle: π empty, radius 2: no circumference, no area")
            << Computation(CircleFromRadius) << "Text1=2"
            << ""
            << "" << kFaultShown;
        QTest::newRow("circle: π empty, diameter 2") << Computation(CircleFromDiameter) << "Text2=2"
                                                     << ""
                                                     << "" << kFaultShown;
        QTest::newRow("circle: π typed as 0, radius 2")
            << Computation(CircleFromRadius) << "Text1=2;Text2=b;Text3=c;Text4=d;Text5=0"
            << ""
            << "" << kFaultShown;
        QTest::newRow("circle: π unreadable, diameter 2") << Computation(CircleFromDiameter) << "Text2=2;Text5=pi"
                                                          << ""
                                                          << "" << kFaultShown;
        QTest::newRow("circle: 3.1415926, diameter 2") << Computation(CircleFromDiameter) << "Text2=2;Text5=3.1415926"
                                                       << ""
                                                       << "Text1=1;Text3=6.2831852;Text4=3.1415926"
                                                       << "";
        QTest::newRow("circle: π empty, circumference 10")
            << Computation(CircleFromCircumference) << "Text1=a;Text2=b;Text3=10;Text4=c"
            << ""
            << "" << kFaultShown;
        QTest::newRow("circle: π empty, area 5") << Computation(CircleFromArea) << "Text4=5"
                                                 << ""
                                                 << "" << kFaultShown;
        QTest::newRow("circle: π empty, area empty") << Computation(CircleFromArea) << ""
                                                     << ""
                                                     << "" << kFaultShown;
        QTest::newRow("circle: negative area") << Computation(CircleFromArea) << "Text4=-1;Text5=3.14"
                                               << ""
                                               << "" << kFaultShown;
        QTest::newRow("circle: negative π, positive area") << Computation(CircleFromArea) << "Text4=1;Text5=-3.14"
                                                           << ""
                                                           << "" << kFaultShown;
        QTest::newRow("circle: area overflows") << Computation(CircleFromRadius) << "Text1=1e200;Text5=3.14"
                                                << ""
                                                << "" << kFaultShown;
        QTest::newRow("circle: option 3.14") << Computation(PiFromOption1) << "Text5=3"
                                             << ""
                                             << "Text5=3.14"
                                             << "";
        QTest::newRow("circle: option 3.1415926") << Computation(PiFromOption2) << ""
                                                  << ""
                                                  << "Text5=3.1415926"
                                                  << "";

        QTest::newRow("chord: 1: degrees, r 5, c 8") << Computation(SolveChord) << "Text1=5;Text2=8"
                                                     << "opt2"
                                                     << "Text1= 5;Text2= 8;Text3= 3;Text4= 106.260204708312"
                                                     << "";
        QTest::newRow("chord: 1: radians, r 5, c 8") << Computation(SolveChord) << "Text1=5;Text2=8"
                                                     << "opt1"
                                                     << "Text1= 5;Text2= 8;Text3= 3;Text4= 1.85459043600322rad"
                                                     << "";
        QTest::newRow("chord: 1: neither option means degrees") << Computation(SolveChord) << "Text1=5;Text2=8"
                                                                << ""
                                                                << "Text1= 5;Text2= 8;Text3= 3;Text4= 106.260204708312"
                                                                << "";
        QTest::newRow("chord: 2: degrees, r 5, d 3") << Computation(SolveChord) << "Text1=5;Text3=3"
                                                     << "opt2"
                                                     << "Text1= 5;Text2= 8;Text3= 3;Text4= 106.260204708312"
                                                     << "";
        QTest::newRow("chord: 3: degrees, c 8, d 3") << Computation(SolveChord) << "Text2=8;Text3=3"
                                                     << "opt2"
                                                     << "Text1= 5;Text2= 8;Text3= 3;Text4= 106.260204708312"
                                                     << "";
        QTest::newRow("chord: 4: degrees, 90, c 8") << Computation(SolveChord) << "Text2=8;Text4=90"
                                                    << "opt2"
                                                    << "Text1= 5.65685424949238;Text2= 8;Text3= 4;Text4= 90"
                                                    << "";
        QTest::newRow("chord: 5: degrees, 90, d 3") << Computation(SolveChord) << "Text3=3;Text4=90"
                                                    << "opt2"
                                                    << "Text1= 4.24264068711928;Text2= 6;Text3= 3;Text4= 90"
                                                    << "";
        QTest::newRow("chord: 6: degrees, 60, r 5") << Computation(SolveChord) << "Text1=5;Text4=60"
                                                    << "opt2"
                                                    << "Text1= 5;Text2= 5;Text3= 4.33012701892219;Text4= 60"
                                                    << "";
        // The typed angle is a little above π/3, so the chord is a little above 5.
        QTest::newRow("chord: 6: radians, 1.0471975511966, r 5")
            << Computation(SolveChord) << "Text1=5;Text4=1.0471975511966"
            << "opt1"
            << "Text1= 5;Text2= 5.00000000000001;Text3= 4.33012701892219;Text4= 1.0471975511966rad"
            << "";
        QTest::newRow("chord: 1 before 6: all four given")
            << Computation(SolveChord) << "Text1=5;Text2=8;Text3=1;Text4=10"
            << "opt2"
            << "Text1= 5;Text2= 8;Text3= 3;Text4= 106.260204708312"
            << "";
        QTest::newRow("chord: reads back its own texts")
            << Computation(SolveChord) << "Text1= 5;Text2= 8;Text3= 3;Text4= 1.85459043600322rad"
            << "opt1"
            << "Text1= 5;Text2= 8;Text3= 3;Text4= 1.85459043600322rad"
            << "";
        QTest::newRow("chord: 1: negative radius counts as given")
            << Computation(SolveChord) << "Text1=-5;Text2=8"
            << "opt2"
            << "Text1=-5;Text2= 8;Text3= 3;Text4= 106.260204708312"
            << "";
        QTest::newRow("chord: 1: a diameter is 180 degrees") << Computation(SolveChord) << "Text1=5;Text2=10"
                                                             << "opt2"
                                                             << "Text1= 5;Text2= 10;Text3= 0;Text4= 180"
                                                             << "";
        QTest::newRow("chord: 1: a diameter in radians") << Computation(SolveChord) << "Text1=5;Text2=10"
                                                         << "opt1"
                                                         << "Text1= 5;Text2= 10;Text3= 0;Text4= 3.14159265358979rad"
                                                         << "";
        QTest::newRow("chord: 2: d equal to r, no chord") << Computation(SolveChord) << "Text1=5;Text3=5"
                                                          << "opt2"
                                                          << "Text1= 5;Text2= 0;Text3= 5;Text4= 0"
                                                          << "";
        QTest::newRow("chord: empty window, degrees") << Computation(SolveChord) << ""
                                                      << "opt2"
                                                      << "Text1= 0;Text2= 0;Text3= 0;Text4= 0"
                                                      << "";
        QTest::newRow("chord: empty window, radians") << Computation(SolveChord) << ""
                                                      << "opt1"
                                                      << "Text1= 0;Text2= 0;Text3= 0;Text4= 0rad"
                                                      << "";
        QTest::newRow("chord: 6: radians 6 is over 180 degrees") << Computation(SolveChord) << "Text1=5;Text4=6"
                                                                 << "opt1"
                                                                 << "" << kFaultShown;
        QTest::newRow("chord: 4: 180 degrees is no central angle of a chord")
            << Computation(SolveChord) << "Text2=8;Text4=180"
            << "opt2"
            << "" << kFaultShown;
        QTest::newRow("chord: 5: a negative angle") << Computation(SolveChord) << "Text3=3;Text4=-90"
                                                    << "opt2"
                                                    << "" << kFaultShown;
        QTest::newRow("chord: only an angle: rewritten") << Computation(SolveChord) << "Text4=60"
                                                         << "opt2"
                                                         << "Text1= 0;Text2= 0;Text3= 0;Text4= 60"
                                                         << "";
        QTest::newRow("chord: 1: chord longer than the diameter")
            << Computation(SolveChord) << "Text1=5;Text2=12;Text4=x"
            << "opt2"
            << "" << kFaultShown;
        QTest::newRow("chord: 2: d larger than r") << Computation(SolveChord) << "Text1=3;Text3=5"
                                                   << "opt1"
                                                   << "" << kFaultShown;
        QTest::newRow("chord: 6: overflow") << Computation(SolveChord) << "Text1=1e300;Text4=60"
                                            << "opt2"
                                            << "" << kFaultShown;
    }
    void cases() { checkCase(); }
};

QTEST_GUILESS_MAIN(PlaneComputationsTest)
#include "tst_planecomputations.moc"
