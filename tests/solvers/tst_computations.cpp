// The computations of every solver window over a fake form. First one table: each row
// names its window's figure and what it shows, the computation a trigger of that window
// runs, the field texts and selected options before, and what the computation writes
// and shows; a computation no window runs, or a control name its window lacks, fails
// the row. Then the checks that generate their inputs: radian texts, sides, double
// roots and systems typed in decimals, and the sides-perimeter-area window's own QIUGEN.
#include <QRegularExpression>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <random>

#include "numeric/numbertext.h"
#include "solvers/algebra/linear.h"
#include "solvers/algebra/quadratic.h"
#include "solvers/algebra/trigonometry.h"
#include "solvers/plane/chord.h"
#include "solvers/plane/circle.h"
#include "solvers/plane/parallelogram.h"
#include "solvers/plane/rectangle.h"
#include "solvers/plane/square.h"
#include "solvers/plane/trapezoid.h"
#include "solvers/solid/cube.h"
#include "solvers/solid/cuboid.h"
#include "solvers/solid/cylinder.h"
#include "solvers/triangle/baseheightarea.h"
#include "solvers/triangle/equilateral.h"
#include "solvers/triangle/righttriangle.h"
#include "solvers/triangle/sidesangles.h"
#include "solvers/triangle/sidesperimeterarea.h"
#include "solvers/triangle/threesides.h"
#include "support/cases.h"

using namespace velunda;
using namespace velunda::testing;

namespace {
// The coefficient fields of the window of two equations in the order a1, b1, c1, a2, b2, c2.
const char* const kCoefficients[] = {"Text1", "Text2", "Text6", "Text3", "Text4", "Text7"};
}  // namespace

class ComputationsTest : public QObject {
    Q_OBJECT

private slots:
    void cases_data() {
        addCaseColumns();

        QTest::newRow("three sides: 1 1 1: equilateral")
            << Computation(TriangleFromThreeSides) << "Text1=1;Text2=1;Text3=1"
            << ""
            << "txt1=3;txt2=0.433012701892219;txt3=0.866025403784439;txt4=0.866025403784439;"
               "txt5=0.866025403784439;txt6= 60;txt8= 60;txt10= 60;txt12=0.577350269189626;"
               "txt13=0.288675134594813;txt7=0.3333π≈1.0471975511966;txt9=0.3333π≈1.0471975511966;"
               "txt11=0.3333π≈1.0471975511966"
            << "";
        // The inradius is 0.9999999999999996 and so reads "01".
        QTest::newRow("three sides: 3 4 5: right angle at C")
            << Computation(TriangleFromThreeSides) << "Text1=3;Text2=4;Text3=5"
            << ""
            << "txt1=12;txt2=6;txt3=4;txt4=3;txt5=2.4;txt6= 36.869897645844;txt8= 53.130102354156;"
               "txt10= 90;txt12=2.5;txt13=01;txt7=0.2048π≈0.643501108793284;"
               "txt9=0.2952π≈0.927295218001612;txt11=0.5π≈1.5707963267949"
            << "";
        QTest::newRow("three sides: 100 100 1: angle below one degree without leading zero")
            << Computation(TriangleFromThreeSides) << "Text1=100;Text2=100;Text3=1"
            << ""
            << "txt1=201;txt2=49.9993749960937;txt3=0.999987499921874;txt4=0.999987499921874;"
               "txt5=99.9987499921874;txt6= 89.7135199087591;txt8= 89.7135199087591;"
               "txt10= .572960182481833;txt12=50.000625011719;txt13=0.497506218866604;"
               "txt7=0.4984π≈1.56579630596133;txt9=0.4984π≈1.56579630596133;"
               "txt11=0.0032π≈0.0100000416671355"
            << "";
        QTest::newRow("three sides: sides typed with units and blanks")
            << Computation(TriangleFromThreeSides) << "Text1= 3 cm;Text2=4cm;Text3=5 "
            << ""
            << "txt1=12;txt2=6;txt3=4;txt4=3;txt5=2.4;txt6= 36.869897645844;txt8= 53.130102354156;"
               "txt10= 90;txt12=2.5;txt13=01;txt7=0.2048π≈0.643501108793284;"
               "txt9=0.2952π≈0.927295218001612;txt11=0.5π≈1.5707963267949"
            << "";
        QTest::newRow("three sides: 1 2 3: a + b = c")
            << Computation(TriangleFromThreeSides) << "Text1=1;Text2=2;Text3=3"
            << ""
            << ""
            << "不能构成三角形|-|";
        QTest::newRow("three sides: 3 1 1: b + c < a")
            << Computation(TriangleFromThreeSides) << "Text1=3;Text2=1;Text3=1"
            << ""
            << ""
            << "不能构成三角形|-|";
        QTest::newRow("three sides: 1 3 1: a + c < b")
            << Computation(TriangleFromThreeSides) << "Text1=1;Text2=3;Text3=1"
            << ""
            << ""
            << "不能构成三角形|-|";
        QTest::newRow("three sides: initial texts read as 0")
            << Computation(TriangleFromThreeSides) << "Text1=请输入数据;Text2=请输入数据;Text3=请输入数据"
            << ""
            << ""
            << "不能构成三角形|-|";
        QTest::newRow("three sides: negative side") << Computation(TriangleFromThreeSides) << "Text1=-3;Text2=4;Text3=5"
                                                    << ""
                                                    << ""
                                                    << "不能构成三角形|-|";
        QTest::newRow("three sides: zero side") << Computation(TriangleFromThreeSides) << "Text1=3;Text2=0;Text3=5"
                                                << ""
                                                << ""
                                                << "不能构成三角形|-|";
        QTest::newRow("three sides: side beyond range")
            << Computation(TriangleFromThreeSides) << "Text1=1e400;Text2=4;Text3=5"
            << ""
            << ""
            << "不能构成三角形|-|";
        QTest::newRow("three sides: very thin: a cosine rounds to 1, the angle reads 0")
            << Computation(TriangleFromThreeSides) << "Text1=100000000;Text2=100000000;Text3=1"
            << ""
            << "txt1=200000001;txt2=50000000;txt3=1;txt4=1;txt5=100000000;txt6= 90;txt8= 90;txt10= 0;"
               "txt12=50000000;txt13=0.4999999975;txt7=0.5π≈1.5707963267949;txt9=0.5π≈1.5707963267949;"
               "txt11=0π≈0"
            << "";
        QTest::newRow("three sides: very thin, the angle of 0 at A: no circumradius")
            << Computation(TriangleFromThreeSides) << "Text1=1;Text2=100000000;Text3=100000000"
            << ""
            << "" << kFaultShown;
        QTest::newRow("three sides: decimals on one line: .3 .1 .2")
            << Computation(TriangleFromThreeSides) << "Text1=0.3;Text2=0.1;Text3=0.2"
            << ""
            << ""
            << "不能构成三角形|-|";
        QTest::newRow("three sides: decimals on one line: .1 .2 .3")
            << Computation(TriangleFromThreeSides) << "Text1=0.1;Text2=0.2;Text3=0.3"
            << ""
            << ""
            << "不能构成三角形|-|";
        QTest::newRow("three sides: decimals on one line: 1.1 2.2 3.3")
            << Computation(TriangleFromThreeSides) << "Text1=1.1;Text2=2.2;Text3=3.3"
            << ""
            << ""
            << "不能构成三角形|-|";
        QTest::newRow("three sides: whole numbers on one line: 2 5 3")
            << Computation(TriangleFromThreeSides) << "Text1=2;Text2=5;Text3=3"
            << ""
            << ""
            << "不能构成三角形|-|";
        QTest::newRow("three sides: squares overflow")
            << Computation(TriangleFromThreeSides) << "Text1=1e200;Text2=1e200;Text3=1e200"
            << ""
            << "" << kFaultShown;

        QTest::newRow("sides and angles: degrees: two sides and the right angle between")
            << Computation(TriangleSidesAndAngles) << "Text2=3;Text4=4;Text5=90"
            << "Opt2"
            << "Text2=3;Text4=4;Text6=5"
            << "";
        QTest::newRow("sides and angles: radians: two sides and the right angle between")
            << Computation(TriangleSidesAndAngles) << "Text2=3;Text4=4;Text5=1.5707963267948966"
            << "Opt1"
            << "Text2=3;Text4=4;Text6=5"
            << "";
        QTest::newRow("sides and angles: no option selected counts as degrees")
            << Computation(TriangleSidesAndAngles) << "Text2=3;Text4=4;Text5=90"
            << ""
            << "Text2=3;Text4=4;Text6=5"
            << "";
        QTest::newRow("sides and angles: degrees: 30 and 60 with the first side")
            << Computation(TriangleSidesAndAngles) << "Text1=30;Text2=1;Text3=60"
            << "Opt2"
            << "Text2=1;Text4=1.73205080756888;Text6=2"
            << "";
        QTest::newRow("sides and angles: a typed third angle is replaced by the angle sum")
            << Computation(TriangleSidesAndAngles) << "Text1=30;Text2=1;Text3=60;Text5=45"
            << "Opt2"
            << "Text2=1;Text4=1.73205080756888;Text6=2"
            << "";
        QTest::newRow("sides and angles: degrees: angles 1 and 3 with the second side")
            << Computation(TriangleSidesAndAngles) << "Text1=30;Text4=1.73205080756888;Text5=90"
            << "Opt2"
            << "Text2=1;Text4=1.73205080756888;Text6=2"
            << "";
        QTest::newRow("sides and angles: degrees: angles 2 and 3 with the third side")
            << Computation(TriangleSidesAndAngles) << "Text3=60;Text5=90;Text6=2"
            << "Opt2"
            << "Text2=1;Text4=1.73205080756888;Text6=2"
            << "";
        QTest::newRow("sides and angles: angles over 180 degrees give a negative side")
            << Computation(TriangleSidesAndAngles) << "Text1=100;Text2=1;Text3=100"
            << "Opt2"
            << "Text2=1;Text4=1;Text6=-.347296355333861"
            << "";
        QTest::newRow("sides and angles: three sides and the third angle: the third side is recomputed")
            << Computation(TriangleSidesAndAngles) << "Text2=3;Text4=4;Text5=90;Text6=7"
            << "Opt2"
            << "Text2=3;Text4=4;Text6=5"
            << "";
        QTest::newRow("sides and angles: cosine rule for the first side")
            << Computation(TriangleSidesAndAngles) << "Text1=90;Text4=3;Text6=4"
            << "Opt2"
            << "Text2=5;Text4=3;Text6=4"
            << "";
        QTest::newRow("sides and angles: cosine rule for the second side")
            << Computation(TriangleSidesAndAngles) << "Text2=3;Text3=90;Text6=4"
            << "Opt2"
            << "Text2=3;Text4=5;Text6=4"
            << "";
        QTest::newRow("sides and angles: two sides and an opposite angle: two triangles")
            << Computation(TriangleSidesAndAngles) << "Text1=30;Text2=3;Text4=4"
            << "Opt2"
            << "Text2=3;Text4=4;Text6=5.70016959263755或1.22803363763796"
            << "";
        QTest::newRow("sides and angles: two sides and an opposite right angle: one triangle")
            << Computation(TriangleSidesAndAngles) << "Text1=90;Text2=5;Text4=3"
            << "Opt2"
            << "Text2=5;Text4=3;Text6=4"
            << "";
        QTest::newRow("sides and angles: the side just reaches: one right triangle")
            << Computation(TriangleSidesAndAngles) << "Text1=30;Text2=2;Text4=4"
            << "Opt2"
            << "Text2=2;Text4=4;Text6=3.46410161513775"
            << "";
        QTest::newRow("sides and angles: an obtuse opposite angle: one triangle")
            << Computation(TriangleSidesAndAngles) << "Text1=120;Text2=7;Text4=3"
            << "Opt2"
            << "Text2=7;Text4=3;Text6=5"
            << "";
        QTest::newRow("sides and angles: the second angle, its side and the third: the first side")
            << Computation(TriangleSidesAndAngles) << "Text3=30;Text4=3;Text6=4"
            << "Opt2"
            << "Text2=5.70016959263755或1.22803363763796;Text4=3;Text6=4"
            << "";
        QTest::newRow("sides and angles: the side is too short to reach: no triangle")
            << Computation(TriangleSidesAndAngles) << "Text1=30;Text2=1;Text4=4"
            << "Opt2"
            << ""
            << "无解|-|";
        QTest::newRow("sides and angles: radians: an opposite angle over 180 degrees")
            << Computation(TriangleSidesAndAngles) << "Text1=4;Text2=3;Text4=2"
            << "Opt1"
            << ""
            << "无解|-|";
        QTest::newRow("sides and angles: radians: two angles, no side")
            << Computation(TriangleSidesAndAngles) << "Text1=0.5;Text3=1"
            << "Opt1"
            << "Text2=0;Text4=0;Text6=0"
            << "请登陆https://velunda.example.org下载更新版本|-|";
        QTest::newRow("sides and angles: only the first side: rewritten as read")
            << Computation(TriangleSidesAndAngles) << "Text2=5"
            << "Opt1"
            << "Text2=5;Text4=0;Text6=0"
            << "";
        QTest::newRow("sides and angles: sides with units are rewritten as numbers")
            << Computation(TriangleSidesAndAngles) << "Text2=5cm;Text4=abc"
            << "Opt1"
            << "Text2=5;Text4=0;Text6=0"
            << "";
        QTest::newRow("sides and angles: two right angles: sine of 0 as divisor")
            << Computation(TriangleSidesAndAngles) << "Text2=1;Text3=90;Text5=90"
            << "Opt2"
            << "" << kFaultShown;
        QTest::newRow("sides and angles: radians: third angle of exactly 0 is no divisor")
            << Computation(TriangleSidesAndAngles) << "Text1=1.5707963267948966;Text2=1;Text3=1.5707963267948966"
            << "Opt1"
            << "Text2=1;Text4=1;Text6=0"
            << "";
        QTest::newRow("sides and angles: squares overflow")
            << Computation(TriangleSidesAndAngles) << "Text2=1e200;Text4=1e200;Text5=1"
            << "Opt1"
            << "" << kFaultShown;
        QTest::newRow("sides and angles: rounding leaves a negative under the root")
            << Computation(TriangleSidesAndAngles) << "Text2=1.1;Text4=1.1000000000000012;Text5=1e-9"
            << "Opt1"
            << "" << kFaultShown;

        QTest::newRow("base, height, area: base 6, height 4")
            << Computation(TriangleBaseHeightArea) << "Text1=6;Text2=4"
            << ""
            << "Text1=6;Text2=4;Text3=12"
            << "";
        QTest::newRow("base, height, area: base 6, area 12")
            << Computation(TriangleBaseHeightArea) << "Text1=6;Text3=12"
            << ""
            << "Text1=6;Text2=4;Text3=12"
            << "";
        QTest::newRow("base, height, area: height 4, area 12")
            << Computation(TriangleBaseHeightArea) << "Text2=4;Text3=12"
            << ""
            << "Text1=6;Text2=4;Text3=12"
            << "";
        QTest::newRow("base, height, area: base 5, height 3")
            << Computation(TriangleBaseHeightArea) << "Text1=5;Text2=3"
            << ""
            << "Text1=5;Text2=3;Text3=7.5"
            << "";
        QTest::newRow("base, height, area: base 7, area 10")
            << Computation(TriangleBaseHeightArea) << "Text1=7;Text3=10"
            << ""
            << "Text1=7;Text2=2.85714285714286;Text3=10"
            << "";
        QTest::newRow("base, height, area: height 3, area 10")
            << Computation(TriangleBaseHeightArea) << "Text2=3;Text3=10"
            << ""
            << "Text1=6.66666666666667;Text2=3;Text3=10"
            << "";
        QTest::newRow("base, height, area: base 6, height 4, area 100: area replaced")
            << Computation(TriangleBaseHeightArea) << "Text1=6;Text2=4;Text3=100"
            << ""
            << "Text1=6;Text2=4;Text3=12"
            << "";
        QTest::newRow("base, height, area: negative base computed like any other")
            << Computation(TriangleBaseHeightArea) << "Text1=-6;Text2=4"
            << ""
            << "Text1=-6;Text2=4;Text3=-12"
            << "";
        QTest::newRow("base, height, area: small area: no zero before the point")
            << Computation(TriangleBaseHeightArea) << "Text1=1;Text2=1"
            << ""
            << "Text1=1;Text2=1;Text3=.5"
            << "";
        QTest::newRow("base, height, area: only the area") << Computation(TriangleBaseHeightArea) << "Text3=12"
                                                           << ""
                                                           << "Text1=0;Text2=0;Text3=12"
                                                           << "请下载新版本或查看帮助|i|";
        QTest::newRow("base, height, area: only the base") << Computation(TriangleBaseHeightArea) << "Text1=6"
                                                           << ""
                                                           << "Text1=6;Text2=0;Text3=0"
                                                           << "请下载新版本或查看帮助|i|";
        QTest::newRow("base, height, area: all empty") << Computation(TriangleBaseHeightArea) << ""
                                                       << ""
                                                       << "Text1=0;Text2=0;Text3=0"
                                                       << "请下载新版本或查看帮助|i|";
        QTest::newRow("base, height, area: base and height overflow")
            << Computation(TriangleBaseHeightArea) << "Text1=1e200;Text2=1e200"
            << ""
            << "" << kFaultShown;

        QTest::newRow("sides, perimeter, area: sides 3 4 5")
            << Computation(TriangleSidesPerimeterArea) << "Text1=3;Text2=4;Text3=5"
            << ""
            << "Text1=3;Text2=4;Text3=5;Text4=12;Text5=6"
            << "";
        QTest::newRow("sides, perimeter, area: sides 2 3 4")
            << Computation(TriangleSidesPerimeterArea) << "Text1=2;Text2=3;Text3=4"
            << ""
            << "Text1=2;Text2=3;Text3=4;Text4=9;Text5=2.90473750965556"
            << "";
        QTest::newRow("sides, perimeter, area: degenerate 1 2 3: area 0")
            << Computation(TriangleSidesPerimeterArea) << "Text1=1;Text2=2;Text3=3"
            << ""
            << "Text1=1;Text2=2;Text3=3;Text4=6;Text5=0"
            << "";
        QTest::newRow("sides, perimeter, area: three sides and a perimeter: perimeter recomputed")
            << Computation(TriangleSidesPerimeterArea) << "Text1=3;Text2=4;Text3=5;Text4=100"
            << ""
            << "Text1=3;Text2=4;Text3=5;Text4=12;Text5=6"
            << "";
        QTest::newRow("sides, perimeter, area: sides 3 4 and perimeter 12")
            << Computation(TriangleSidesPerimeterArea) << "Text1=3;Text2=4;Text4=12"
            << ""
            << "Text1=3;Text2=4;Text3=5;Text4=12;Text5=6"
            << "";
        QTest::newRow("sides, perimeter, area: sides 5 6 and perimeter 18")
            << Computation(TriangleSidesPerimeterArea) << "Text1=5;Text2=6;Text4=18"
            << ""
            << "Text1=5;Text2=6;Text3=7;Text4=18;Text5=14.6969384566991"
            << "";
        QTest::newRow("sides, perimeter, area: sides 5 5 and area 12: two third sides")
            << Computation(TriangleSidesPerimeterArea) << "Text1=5;Text2=5;Text5=12"
            << ""
            << "Text3= 8或 6;Text4= 18或 16"
            << "";
        QTest::newRow("sides, perimeter, area: sides 3 4 and area 6: discriminant 0")
            << Computation(TriangleSidesPerimeterArea) << "Text1=3;Text2=4;Text5=6"
            << ""
            << "Text3= 5或 5;Text4= 12或 12"
            << "";
        QTest::newRow(
            "sides, perimeter, area: legs .1 .7 and area .035: a right triangle, discriminant 0 but for rounding")
            << Computation(TriangleSidesPerimeterArea) << "Text1=0.1;Text2=0.7;Text5=0.035"
            << ""
            << "Text3= .707106781186547或 .707106781186547;Text4= 1.50710678118655或 1.50710678118655"
            << "";
        QTest::newRow("sides, perimeter, area: sides 2 3 and area 2")
            << Computation(TriangleSidesPerimeterArea) << "Text1=2;Text2=3;Text5=2"
            << ""
            << "Text3= 4.68447135864861或 2.01388383230037;Text4= 9.68447135864861或 7.01388383230037"
            << "";
        QTest::newRow("sides, perimeter, area: sides 1 1 and area 1: no solution, nothing written")
            << Computation(TriangleSidesPerimeterArea) << "Text1=1;Text2=1;Text5=1"
            << ""
            << ""
            << "无解|-|";
        QTest::newRow("sides, perimeter, area: only one side") << Computation(TriangleSidesPerimeterArea) << "Text1=3"
                                                               << ""
                                                               << "Text1=3;Text2=0;Text3=0;Text4=0;Text5=0"
                                                               << "请下载新版本或查看帮助|i|";
        QTest::newRow("sides, perimeter, area: first and third side are not supported")
            << Computation(TriangleSidesPerimeterArea) << "Text1=3;Text3=5;Text5=6"
            << ""
            << "Text1=3;Text2=0;Text3=5;Text4=0;Text5=6"
            << "请下载新版本或查看帮助|i|";
        QTest::newRow("sides, perimeter, area: all empty") << Computation(TriangleSidesPerimeterArea) << ""
                                                           << ""
                                                           << "Text1=0;Text2=0;Text3=0;Text4=0;Text5=0"
                                                           << "请下载新版本或查看帮助|i|";
        QTest::newRow("sides, perimeter, area: sides 1 2 5: Heron's root of a negative")
            << Computation(TriangleSidesPerimeterArea) << "Text1=1;Text2=2;Text3=5"
            << ""
            << "" << kFaultShown;
        QTest::newRow("sides, perimeter, area: sides 1 5 and perimeter 7: Heron's root of a negative")
            << Computation(TriangleSidesPerimeterArea) << "Text1=1;Text2=5;Text4=7"
            << ""
            << "" << kFaultShown;
        QTest::newRow("sides, perimeter, area: sides overflow")
            << Computation(TriangleSidesPerimeterArea) << "Text1=1e200;Text2=1e200;Text3=1e200"
            << ""
            << "" << kFaultShown;
        QTest::newRow("sides, perimeter, area: huge sides with an area")
            << Computation(TriangleSidesPerimeterArea) << "Text1=1e200;Text2=1;Text5=1"
            << ""
            << "" << kFaultShown;

        QTest::newRow("right triangle: legs 3 and 4") << Computation(SolveRightTriangle) << "Text1=3;Text2=4"
                                                      << ""
                                                      << "Text1=3;Text2=4;Text3=5;Text4=6"
                                                      << "";
        QTest::newRow("right triangle: legs 1 and 1") << Computation(SolveRightTriangle) << "Text1=1;Text2=1"
                                                      << ""
                                                      << "Text1=1;Text2=1;Text3=1.4142135623731;Text4=.5"
                                                      << "";
        QTest::newRow("right triangle: first leg 3, hypotenuse 5")
            << Computation(SolveRightTriangle) << "Text1=3;Text3=5"
            << ""
            << "Text1=3;Text2=4;Text3=5;Text4=6"
            << "";
        QTest::newRow("right triangle: first leg 5, hypotenuse 13")
            << Computation(SolveRightTriangle) << "Text1=5;Text3=13"
            << ""
            << "Text1=5;Text2=12;Text3=13;Text4=30"
            << "";
        QTest::newRow("right triangle: first leg 3, area 6") << Computation(SolveRightTriangle) << "Text1=3;Text4=6"
                                                             << ""
                                                             << "Text1=3;Text2=4;Text3=5;Text4=6"
                                                             << "";
        QTest::newRow("right triangle: hypotenuse 5, area 6: larger leg first")
            << Computation(SolveRightTriangle) << "Text3=5;Text4=6"
            << ""
            << "Text1=4;Text2=3;Text3=5;Text4=6"
            << "";
        QTest::newRow("right triangle: hypotenuse 10, area 20")
            << Computation(SolveRightTriangle) << "Text3=10;Text4=20"
            << ""
            << "Text1=8.94427190999916;Text2=4.47213595499958;Text3=10;Text4=20"
            << "";
        QTest::newRow("right triangle: a wrong hypotenuse is replaced")
            << Computation(SolveRightTriangle) << "Text1=3;Text2=4;Text3=10"
            << ""
            << "Text1=3;Text2=4;Text3=5;Text4=6"
            << "";
        QTest::newRow("right triangle: a wrong area is replaced by the legs' area")
            << Computation(SolveRightTriangle) << "Text1=3;Text2=4;Text3=5;Text4=100"
            << ""
            << "Text1=3;Text2=4;Text3=5;Text4=6"
            << "";
        QTest::newRow("right triangle: only the hypotenuse") << Computation(SolveRightTriangle) << "Text3=5"
                                                             << ""
                                                             << "Text1=0;Text2=0;Text3=5;Text4=0"
                                                             << "请下载新版本|-|";
        QTest::newRow("right triangle: second leg and hypotenuse are not supported")
            << Computation(SolveRightTriangle) << "Text2=4;Text3=5"
            << ""
            << "Text1=0;Text2=4;Text3=5;Text4=0"
            << "请下载新版本|-|";
        QTest::newRow("right triangle: second leg and area are not supported")
            << Computation(SolveRightTriangle) << "Text2=4;Text4=6"
            << ""
            << "Text1=0;Text2=4;Text3=0;Text4=6"
            << "请下载新版本|-|";
        QTest::newRow("right triangle: all empty") << Computation(SolveRightTriangle) << ""
                                                   << ""
                                                   << "Text1=0;Text2=0;Text3=0;Text4=0"
                                                   << "请下载新版本|-|";
        QTest::newRow("right triangle: text that is no number reads as 0")
            << Computation(SolveRightTriangle) << "Text1=abc;Text3=5"
            << ""
            << "Text1=0;Text2=0;Text3=5;Text4=0"
            << "请下载新版本|-|";
        QTest::newRow("right triangle: hypotenuse shorter than the leg")
            << Computation(SolveRightTriangle) << "Text1=5;Text3=3"
            << ""
            << "" << kFaultShown;
        QTest::newRow("right triangle: area beyond a quarter of the hypotenuse's square")
            << Computation(SolveRightTriangle) << "Text3=5;Text4=7"
            << ""
            << "" << kFaultShown;
        QTest::newRow("right triangle: legs overflow") << Computation(SolveRightTriangle) << "Text1=1e200;Text2=1e200"
                                                       << ""
                                                       << "" << kFaultShown;

        QTest::newRow("equilateral: side 1") << Computation(SolveEquilateralTriangle) << "Text1=1"
                                             << ""
                                             << "Text1=1;Text2=3;Text3=.866025403784439;Text4=.433012701892219"
                                             << "";
        QTest::newRow("equilateral: side 2") << Computation(SolveEquilateralTriangle) << "Text1=2"
                                             << ""
                                             << "Text1=2;Text2=6;Text3=1.73205080756888;Text4=1.73205080756888"
                                             << "";
        QTest::newRow("equilateral: perimeter 6") << Computation(SolveEquilateralTriangle) << "Text2=6"
                                                  << ""
                                                  << "Text1=2;Text2=6;Text3=1.73205080756888;Text4=1.73205080756888"
                                                  << "";
        QTest::newRow("equilateral: perimeter 5")
            << Computation(SolveEquilateralTriangle) << "Text2=5"
            << ""
            << "Text1=1.66666666666667;Text2=5;Text3=1.44337567297406;Text4=1.20281306081172"
            << "";
        QTest::newRow("equilateral: height 3")
            << Computation(SolveEquilateralTriangle) << "Text3=3"
            << ""
            << "Text1=3.46410161513775;Text2=10.3923048454133;Text3=3;Text4=5.19615242270663"
            << "";
        QTest::newRow("equilateral: area root 3") << Computation(SolveEquilateralTriangle) << "Text4=1.7320508075688772"
                                                  << ""
                                                  << "Text1=2;Text2=6;Text3=1.73205080756888;Text4=1.73205080756888"
                                                  << "";
        QTest::newRow("equilateral: area 10")
            << Computation(SolveEquilateralTriangle) << "Text4=10"
            << ""
            << "Text1=4.80562282826951;Text2=14.4168684848085;Text3=4.16179145028782;Text4=10"
            << "";
        QTest::newRow("equilateral: side 2 with a typed perimeter 100: the side decides")
            << Computation(SolveEquilateralTriangle) << "Text1=2;Text2=100"
            << ""
            << "Text1=2;Text2=6;Text3=1.73205080756888;Text4=1.73205080756888"
            << "";
        QTest::newRow("equilateral: height typed with the perimeter: the perimeter decides")
            << Computation(SolveEquilateralTriangle) << "Text2=6;Text3=99"
            << ""
            << "Text1=2;Text2=6;Text3=1.73205080756888;Text4=1.73205080756888"
            << "";
        QTest::newRow("equilateral: all empty: all zero") << Computation(SolveEquilateralTriangle) << ""
                                                          << ""
                                                          << "Text1=0;Text2=0;Text3=0;Text4=0"
                                                          << "";
        QTest::newRow("equilateral: side -2: no sign test")
            << Computation(SolveEquilateralTriangle) << "Text1=-2"
            << ""
            << "Text1=-2;Text2=-6;Text3=-1.73205080756888;Text4=1.73205080756888"
            << "";
        QTest::newRow("equilateral: negative area alone: root of a negative")
            << Computation(SolveEquilateralTriangle) << "Text4=-1"
            << ""
            << "" << kFaultShown;
        QTest::newRow("equilateral: side overflows") << Computation(SolveEquilateralTriangle) << "Text1=1e200"
                                                     << ""
                                                     << "" << kFaultShown;

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

        QTest::newRow("angle: A: 90 degrees") << Computation(AngleAndFunctions) << "Text1=90"
                                              << ""
                                              << "Text1=90;Text2=1.57079632679489;Text5=1;Text6=0;Text7=无意义;Text8=0"
                                              << "";
        QTest::newRow("angle: A: the right-angle radian text")
            << Computation(AngleAndFunctions) << "Text2=1.57079632679489"
            << ""
            << "Text1=90;Text2=1.57079632679489;Text5=1;Text6=0;Text7=无意义;Text8=0"
            << "";
        QTest::newRow("angle: A before the others")
            << Computation(AngleAndFunctions) << "Text1=90;Text5=0.3;Text7=7"
            << ""
            << "Text1=90;Text2=1.57079632679489;Text5=1;Text6=0;Text7=无意义;Text8=0"
            << "";
        QTest::newRow("angle: B: radians just above a right angle")
            << Computation(AngleAndFunctions) << "Text2=1.5707963267949"
            << ""
            << "Text1=90.0000000000002;Text2=1.5707963267949;Text5=1;Text6=-03.49148133884313E-15;"
               "Text7=-2.864114E+14;Text8=-03.491481E-15"
            << "";
        QTest::newRow("angle: B: radians win over degrees")
            << Computation(AngleAndFunctions) << "Text1=60;Text2=1"
            << ""
            << "Text1=57.2957795130823;Text2=1;Text5=0.841470984807897;Text6=0.54030230586814;"
               "Text7=1.557408;Text8=0.6420926"
            << "";
        QTest::newRow("angle: C: 30 degrees")
            << Computation(AngleAndFunctions) << "Text1=30"
            << ""
            << "Text1=30;Text2=0.523598775598299;Text5=0.5;Text6=0.866025403784439;Text7=0.5773503;"
               "Text8=1.732051"
            << "";
        QTest::newRow("angle: C: 120 degrees, leading zero after the minus")
            << Computation(AngleAndFunctions) << "Text1=120"
            << ""
            << "Text1=120;Text2=2.0943951023932;Text5=0.866025403784439;Text6=-0.5;Text7=-1.732051;"
               "Text8=-0.5773503"
            << "";
        QTest::newRow("angle: C: 180 degrees, tiny tangent keeps its cotangent")
            << Computation(AngleAndFunctions) << "Text1=180"
            << ""
            << "Text1=180;Text2=3.14159265358979;Text5=01.22464679914735E-16;Text6=-1;"
               "Text7=-01.224647E-16;Text8=-8.165619E+15"
            << "";
        QTest::newRow("angle: C: 270 degrees, huge tangent")
            << Computation(AngleAndFunctions) << "Text1=270"
            << ""
            << "Text1=270;Text2=4.71238898038469;Text5=-1;Text6=-01.83697019872103E-16;Text7=5.443746E+15;"
               "Text8=01.83697E-16"
            << "";
        QTest::newRow("angle: C: tangent 0 in single precision has no cotangent")
            << Computation(AngleAndFunctions) << "Text1=1e-50"
            << ""
            << "Text1=1E-50;Text2=01.74532925199433E-52;Text5=01.74532925199433E-52;Text6=1;Text7=0;"
               "Text8=无意义"
            << "";
        QTest::newRow("angle: D: sine .5")
            << Computation(AngleAndFunctions) << "Text5=0.5"
            << ""
            << "Text1=30;Text2=0.523598775598299;Text5=0.5;Text6=0.866025403784439;Text7=0.5773503;"
               "Text8=1.732051"
            << "";
        QTest::newRow("angle: D: sine 1 is a right angle")
            << Computation(AngleAndFunctions) << "Text5=1"
            << ""
            << "Text1=90;Text2=1.57079632679489;Text5=1;Text6=0;Text7=无意义;Text8=0"
            << "";
        QTest::newRow("angle: D: sine -1")
            << Computation(AngleAndFunctions) << "Text5=-1"
            << ""
            << "Text1=-90;Text2=-1.5707963267949;Text5=-1;Text6=06.12323399573677E-17;Text7=-1.633124E+16;"
               "Text8=-06.123234E-17"
            << "";
        QTest::newRow("angle: D: sine above 1") << Computation(AngleAndFunctions) << "Text5=2"
                                                << ""
                                                << "" << kFaultShown;
        QTest::newRow("angle: E: cosine .5")
            << Computation(AngleAndFunctions) << "Text6=0.5"
            << ""
            << "Text1=60;Text2=1.0471975511966;Text5=0.866025403784439;Text6=0.5;Text7=1.732051;"
               "Text8=0.5773503"
            << "";
        QTest::newRow("angle: E: cosine -.5")
            << Computation(AngleAndFunctions) << "Text6=-0.5"
            << ""
            << "Text1=120;Text2=2.0943951023932;Text5=0.866025403784438;Text6=-0.5;Text7=-1.732051;"
               "Text8=-0.5773503"
            << "";
        QTest::newRow("angle: E: cosine 1 as case H wrote it")
            << Computation(AngleAndFunctions) << "Text1=0;Text2=0;Text5=0;Text6=1;Text7=0;Text8=无意义"
            << ""
            << "Text1=0;Text2=0;Text5=0;Text6=1;Text7=0;Text8=无意义"
            << "";
        QTest::newRow("angle: E: cosine -1") << Computation(AngleAndFunctions) << "Text6=-1"
                                             << ""
                                             << "Text1=180;Text2=3.14159265358979;Text5=01.22464679914735E-16;Text6=-1;"
                                                "Text7=-01.224647E-16;Text8=-8.165619E+15"
                                             << "";
        QTest::newRow("angle: E: cosine below -1") << Computation(AngleAndFunctions) << "Text6=-1.5"
                                                   << ""
                                                   << "" << kFaultShown;
        QTest::newRow("angle: F: tangent 1")
            << Computation(AngleAndFunctions) << "Text7=1"
            << ""
            << "Text1=45;Text2=0.785398163397448;Text5=0.707106781186547;Text6=0.707106781186548;Text7=1;"
               "Text8=1"
            << "";
        QTest::newRow("angle: F: tangent .1 held in single precision")
            << Computation(AngleAndFunctions) << "Text7=0.1"
            << ""
            << "Text1=5.71059322203169;Text2=0.0996686539665245;Text5=0.0995037204890395;"
               "Text6=0.995037190063185;Text7=0.1;Text8=10"
            << "";
        QTest::newRow("angle: F: tangent beyond single range") << Computation(AngleAndFunctions) << "Text7=1e39"
                                                               << ""
                                                               << "" << kFaultShown;
        QTest::newRow("angle: F: tangent beyond the double range too")
            << Computation(AngleAndFunctions) << "Text7=1e400"
            << ""
            << "" << kFaultShown;
        QTest::newRow("angle: F: tangent too small to hold counts as none")
            << Computation(AngleAndFunctions) << "Text7=1e-50"
            << ""
            << "Text1=0;Text2=0;Text5=0;Text6=1;Text7=0;Text8=无意义"
            << "";
        QTest::newRow("angle: G: cotangent 2 is kept")
            << Computation(AngleAndFunctions) << "Text8=2"
            << ""
            << "Text1=26.565051177078;Text2=0.463647609000806;Text5=0.447213595499958;"
               "Text6=0.894427190999916;Text7=0.5;Text8=2"
            << "";
        QTest::newRow("angle: G: a cotangent whose tangent rounds to 0 is kept")
            << Computation(AngleAndFunctions) << "Text8=1e300"
            << ""
            << "Text1=0;Text2=0;Text5=0;Text6=1;Text7=0;Text8=1E+300"
            << "";
        QTest::newRow("angle: G: tangent of the cotangent beyond single range")
            << Computation(AngleAndFunctions) << "Text8=1e-300"
            << ""
            << "" << kFaultShown;
        QTest::newRow("angle: H: all empty") << Computation(AngleAndFunctions) << ""
                                             << ""
                                             << "Text1=0;Text2=0;Text5=0;Text6=1;Text7=0;Text8=无意义"
                                             << "";
        QTest::newRow("angle: H: text that reads as 0")
            << Computation(AngleAndFunctions) << "Text1=abc;Text2=0;Text6=-0;Text8=x"
            << ""
            << "Text1=0;Text2=0;Text5=0;Text6=1;Text7=0;Text8=无意义"
            << "";
        QTest::newRow("angle: degrees typed beyond range") << Computation(AngleAndFunctions) << "Text1=1e400"
                                                           << ""
                                                           << "" << kFaultShown;

        QTest::newRow("quadratic: two roots: X1 the smaller")
            << Computation(QuadraticEquation) << "Text1=1;Text2=-3;Text3=2;Text4=old X2;Text5=old X1"
            << ""
            << "Text4=2;Text5=1"
            << "";
        QTest::newRow("quadratic: negative A: X1 the larger")
            << Computation(QuadraticEquation) << "Text1=-1;Text2=3;Text3=-2;Text4=old X2;Text5=old X1"
            << ""
            << "Text4=1;Text5=2"
            << "";
        QTest::newRow("quadratic: zero discriminant: one root twice")
            << Computation(QuadraticEquation) << "Text1=1;Text2=2;Text3=1;Text4=old X2;Text5=old X1"
            << ""
            << "Text4=-1;Text5=-1"
            << "";
        QTest::newRow("quadratic: root of 2")
            << Computation(QuadraticEquation) << "Text1=1;Text2=0;Text3=-2;Text4=old X2;Text5=old X1"
            << ""
            << "Text4=1.4142135623731;Text5=-1.4142135623731"
            << "";
        QTest::newRow("quadratic: root 0 exactly: x² + .1x")
            << Computation(QuadraticEquation) << "Text1=1;Text2=0.1;Text3=0;Text4=old X2;Text5=old X1"
            << ""
            << "Text4=0;Text5=-.1"
            << "";
        QTest::newRow("quadratic: small root without cancellation: x² - 10000x + 1")
            << Computation(QuadraticEquation) << "Text1=1;Text2=-10000;Text3=1;Text4=old X2;Text5=old X1"
            << ""
            << "Text4=9999.9999;Text5=.000100000001"
            << "";
        QTest::newRow("quadratic: both roots positive: x² - 100000000x + 1")
            << Computation(QuadraticEquation) << "Text1=1;Text2=-100000000;Text3=1;Text4=old X2;Text5=old X1"
            << ""
            << "Text4=100000000;Text5=1E-08"
            << "";
        QTest::newRow("quadratic: decimal coefficients to the last digit")
            << Computation(QuadraticEquation) << "Text1=70;Text2=-8.328;Text3=-65.83;Text4=old X2;Text5=old X1"
            << ""
            << "Text4=1.03106541849564;Text5=-.912093989924215"
            << "";
        QTest::newRow("quadratic: double root in decimals: x² + 9.2x + 21.16")
            << Computation(QuadraticEquation) << "Text1=1;Text2=9.2;Text3=21.16;Text4=old X2;Text5=old X1"
            << ""
            << "Text4=-4.6;Text5=-4.6"
            << "";
        QTest::newRow("quadratic: B < 0, negative A: X1 the larger")
            << Computation(QuadraticEquation) << "Text1=-1;Text2=-3;Text3=-2;Text4=old X2;Text5=old X1"
            << ""
            << "Text4=-2;Text5=-1"
            << "";
        QTest::newRow("quadratic: discriminant just below 0 beyond rounding")
            << Computation(QuadraticEquation) << "Text1=1;Text2=2;Text3=1.00000000000001;Text4=old X2;Text5=old X1"
            << ""
            << "Text4=;Text5="
            << "无解|-|";
        QTest::newRow("quadratic: Chinese full stop as point")
            << Computation(QuadraticEquation) << "Text1=1;Text2=9。2;Text3=21。16;Text4=old X2;Text5=old X1"
            << ""
            << "Text4=-4.6;Text5=-4.6"
            << "";
        QTest::newRow("quadratic: blanks around the digits")
            << Computation(QuadraticEquation) << "Text1= 1 ;Text2= -3;Text3=2 ;Text4=old X2;Text5=old X1"
            << ""
            << "Text4=2;Text5=1"
            << "";
        QTest::newRow("quadratic: group separator")
            << Computation(QuadraticEquation) << "Text1=1;Text2=1,000;Text3=0;Text4=old X2;Text5=old X1"
            << ""
            << "Text4=0;Text5=-1000"
            << "";
        QTest::newRow("quadratic: full-width digits")
            << Computation(QuadraticEquation) << "Text1=１;Text2=－３;Text3=２;Text4=old X2;Text5=old X1"
            << ""
            << "Text4=2;Text5=1"
            << "";
        QTest::newRow("quadratic: no real root: both emptied")
            << Computation(QuadraticEquation) << "Text1=1;Text2=0;Text3=1;Text4=old X2;Text5=old X1"
            << ""
            << "Text4=;Text5="
            << "无解|-|";
        QTest::newRow("quadratic: A = 0")
            << Computation(QuadraticEquation) << "Text1=0;Text2=2;Text3=1;Text4=old X2;Text5=old X1"
            << ""
            << "" << kFaultShown;
        QTest::newRow("quadratic: A = 0, B = 0")
            << Computation(QuadraticEquation) << "Text1=0;Text2=0;Text3=1;Text4=old X2;Text5=old X1"
            << ""
            << "" << kFaultShown;
        QTest::newRow("quadratic: empty A")
            << Computation(QuadraticEquation) << "Text2=-3;Text3=2;Text4=old X2;Text5=old X1"
            << ""
            << "" << kFaultShown;
        QTest::newRow("quadratic: 2x is no number")
            << Computation(QuadraticEquation) << "Text1=2x;Text2=-3;Text3=2;Text4=old X2;Text5=old X1"
            << ""
            << "" << kFaultShown;
        QTest::newRow("quadratic: B squared overflows")
            << Computation(QuadraticEquation) << "Text1=1;Text2=1e200;Text3=1;Text4=old X2;Text5=old X1"
            << ""
            << "" << kFaultShown;
        QTest::newRow("quadratic: typed beyond range")
            << Computation(QuadraticEquation) << "Text1=1;Text2=1e400;Text3=1;Text4=old X2;Text5=old X1"
            << ""
            << "" << kFaultShown;

        QTest::newRow("two equations: case 5: one crossing point")
            << Computation(TwoLinearEquations) << "Text1=1;Text2=1;Text3=1;Text4=-1;Text5=old;Text6=-3;Text7=-1"
            << ""
            << "Text5=x=2  y=1"
            << "";
        QTest::newRow("two equations: case 1: first without y")
            << Computation(TwoLinearEquations) << "Text1=2;Text2=0;Text3=1;Text4=1;Text5=old;Text6=-4;Text7=-5"
            << ""
            << "Text5=x=2  y=3"
            << "";
        QTest::newRow("two equations: case 2: second without y")
            << Computation(TwoLinearEquations) << "Text1=1;Text2=1;Text3=2;Text4=0;Text5=old;Text6=-5;Text7=-4"
            << ""
            << "Text5=x=2  y=3"
            << "";
        QTest::newRow("two equations: case 5: x rounded, y not")
            << Computation(TwoLinearEquations) << "Text1=0;Text2=3;Text3=1;Text4=1;Text5=old;Text6=-1;Text7=0"
            << ""
            << "Text5=x=-.33333  y=.333333333333333"
            << "";
        QTest::newRow("two equations: case 5: y from x before rounding")
            << Computation(TwoLinearEquations) << "Text1=3;Text2=3;Text3=1;Text4=-1;Text5=old;Text6=-1;Text7=0"
            << ""
            << "Text5=x=.16667  y=.166666666666667"
            << "";
        QTest::newRow("two equations: one line twice in decimals: products equal but for rounding")
            << Computation(TwoLinearEquations) << "Text1=0.1;Text2=0.3;Text3=0.3;Text4=0.9;Text5=old;Text6=-1;Text7=-3"
            << ""
            << "Text5=有无数组解"
            << "";
        QTest::newRow("two equations: one line twice: x + y - .1 and 3x + 3y - .3")
            << Computation(TwoLinearEquations) << "Text1=1;Text2=1;Text3=3;Text4=3;Text5=old;Text6=-0.1;Text7=-0.3"
            << ""
            << "Text5=有无数组解"
            << "";
        QTest::newRow("two equations: parallel lines in decimals: .1x + .3y - 1 and .3x + .9y - 2")
            << Computation(TwoLinearEquations) << "Text1=0.1;Text2=0.3;Text3=0.3;Text4=0.9;Text5=old;Text6=-1;Text7=-2"
            << ""
            << "Text5=无解"
            << "";
        QTest::newRow("two equations: parallel lines in decimals: .3x + .9y - 2 and .1x + .3y - 1")
            << Computation(TwoLinearEquations) << "Text1=0.3;Text2=0.9;Text3=0.1;Text4=0.3;Text5=old;Text6=-2;Text7=-1"
            << ""
            << "Text5=无解"
            << "";
        QTest::newRow("two equations: x = 3 twice in decimals: y is any number")
            << Computation(TwoLinearEquations) << "Text1=0.1;Text2=0;Text3=0.3;Text4=0;Text5=old;Text6=-0.3;Text7=-0.9"
            << ""
            << "Text5=x=3  y为任何实数"
            << "";
        QTest::newRow("two equations: y = 3 twice in decimals: x is any number")
            << Computation(TwoLinearEquations) << "Text1=0;Text2=0.1;Text3=0;Text4=0.3;Text5=old;Text6=-0.3;Text7=-0.9"
            << ""
            << "Text5=x为任何实数  y=3"
            << "";
        QTest::newRow("two equations: case 5: nearly parallel, still one crossing point")
            << Computation(TwoLinearEquations) << "Text1=1;Text2=1;Text3=1;Text4=1.000001;Text5=old;Text6=-2;Text7=-2"
            << ""
            << "Text5=x=2  y=0"
            << "";
        QTest::newRow("two equations: case 3: y is any number")
            << Computation(TwoLinearEquations) << "Text1=2;Text2=0;Text3=1;Text4=0;Text5=old;Text6=-4;Text7=-2"
            << ""
            << "Text5=x=2  y为任何实数"
            << "";
        QTest::newRow("two equations: case 3: halfway rounds down to even")
            << Computation(TwoLinearEquations)
            << "Text1=1;Text2=0;Text3=1;Text4=0;Text5=old;Text6=-0.000125;Text7=-0.000125"
            << ""
            << "Text5=x=.00012  y为任何实数"
            << "";
        QTest::newRow("two equations: case 3: halfway rounds up to even")
            << Computation(TwoLinearEquations)
            << "Text1=1;Text2=0;Text3=1;Text4=0;Text5=old;Text6=-0.000135;Text7=-0.000135"
            << ""
            << "Text5=x=.00014  y为任何实数"
            << "";
        QTest::newRow("two equations: case 3 without x: not a system")
            << Computation(TwoLinearEquations) << "Text1=0;Text2=0;Text3=2;Text4=0;Text5=old;Text6=0;Text7=4"
            << ""
            << ""
            << "这个不是二元一次方程组|-|";
        QTest::newRow("two equations: all empty: not a system") << Computation(TwoLinearEquations) << "Text5=old"
                                                                << ""
                                                                << ""
                                                                << "这个不是二元一次方程组|-|";
        QTest::newRow("two equations: case 4: 0 = 5")
            << Computation(TwoLinearEquations) << "Text1=0;Text2=0;Text3=2;Text4=0;Text5=old;Text6=5;Text7=1"
            << ""
            << "Text5=无解"
            << "";
        QTest::newRow("two equations: case 6: x is any number")
            << Computation(TwoLinearEquations) << "Text1=0;Text2=2;Text3=0;Text4=1;Text5=old;Text6=-4;Text7=-2"
            << ""
            << "Text5=x为任何实数  y=2"
            << "";
        QTest::newRow("two equations: case 7: parallel lines in y")
            << Computation(TwoLinearEquations) << "Text1=0;Text2=2;Text3=0;Text4=1;Text5=old;Text6=-4;Text7=-3"
            << ""
            << "Text5=无解"
            << "";
        QTest::newRow("two equations: case 8: one line twice")
            << Computation(TwoLinearEquations) << "Text1=1;Text2=1;Text3=2;Text4=2;Text5=old;Text6=-1;Text7=-2"
            << ""
            << "Text5=有无数组解"
            << "";
        QTest::newRow("two equations: case 9: parallel lines")
            << Computation(TwoLinearEquations) << "Text1=1;Text2=1;Text3=2;Text4=2;Text5=old;Text6=-1;Text7=-3"
            << ""
            << "Text5=无解"
            << "";
        QTest::newRow("two equations: x alone twice, contradicting")
            << Computation(TwoLinearEquations) << "Text1=1;Text2=0;Text3=1;Text4=0;Text5=old;Text6=1;Text7=2"
            << ""
            << "Text5=无解"
            << "";
        QTest::newRow("two equations: case 1 with 0 = 5")
            << Computation(TwoLinearEquations) << "Text1=0;Text2=0;Text3=1;Text4=1;Text5=old;Text6=5;Text7=1"
            << ""
            << "Text5=无解"
            << "";
        QTest::newRow("two equations: case 1 with 0 = 0")
            << Computation(TwoLinearEquations) << "Text1=0;Text2=0;Text3=1;Text4=1;Text5=old;Text6=0;Text7=1"
            << ""
            << ""
            << "这个不是二元一次方程组|-|";
        QTest::newRow("two equations: case 2 with 0 = 3")
            << Computation(TwoLinearEquations) << "Text1=1;Text2=1;Text3=0;Text4=0;Text5=old;Text6=1;Text7=3"
            << ""
            << "Text5=无解"
            << "";
        QTest::newRow("two equations: case 2 with 0 = 0")
            << Computation(TwoLinearEquations) << "Text1=1;Text2=1;Text3=0;Text5=old;Text6=1"
            << ""
            << ""
            << "这个不是二元一次方程组|-|";
        QTest::newRow("two equations: large x is not rounded away")
            << Computation(TwoLinearEquations) << "Text1=1;Text2=0;Text3=1;Text4=1;Text5=old;Text6=-1e300;Text7=0"
            << ""
            << "Text5=x=1E+300  y=-1E+300"
            << "";
        QTest::newRow("two equations: a product overflows")
            << Computation(TwoLinearEquations) << "Text1=1e200;Text2=1;Text3=1;Text4=1e200;Text5=old;Text6=1;Text7=1"
            << ""
            << "" << kFaultShown;
        QTest::newRow("two equations: typed beyond range")
            << Computation(TwoLinearEquations) << "Text1=1e400;Text2=1;Text3=1;Text4=-1;Text5=old;Text6=1;Text7=1"
            << ""
            << "" << kFaultShown;
        QTest::newRow("two equations: a product underflows")
            << Computation(TwoLinearEquations) << "Text1=0;Text2=1e-200;Text3=1e-200;Text4=1;Text5=old;Text6=1;Text7=1"
            << ""
            << "" << kFaultShown;

        QTest::newRow("three equations: one solution")
            << Computation(ThreeLinearEquations)
            << "Text1(1)=1;Text1(2)=1;Text1(3)=1;Text1(4)=-6;Text1(5)=1;Text1(6)=2;Text1(7)=3;"
               "Text1(8)=-14;Text1(9)=2;Text1(10)=1;Text1(11)=3;Text1(12)=-13;Text2=old"
            << ""
            << "Text2=x=1  y=2  z=3"
            << "";
        QTest::newRow("three equations: x and y rounded, z not")
            << Computation(ThreeLinearEquations)
            << "Text1(1)=3;Text1(2)=3;Text1(3)=3;Text1(4)=-3;Text1(5)=1;Text1(6)=2;Text1(7)=3;Text1(8)=-2;"
               "Text1(9)=2;Text1(10)=1;Text1(11)=3;Text1(12)=-2;Text2=old"
            << ""
            << "Text2=x=.33333  y=.33333  z=.333333333333333"
            << "";
        QTest::newRow("three equations: z from y before rounding")
            << Computation(ThreeLinearEquations)
            << "Text1(1)=2;Text1(2)=-1;Text1(3)=1;Text1(4)=-0.5;Text1(5)=1;Text1(6)=1;Text1(7)=-1;"
               "Text1(8)=0;Text1(9)=3;Text1(10)=2;Text1(11)=1;Text1(12)=-1;Text2=old"
            << ""
            << "Text2=x=.16667  y=.11111  z=.277777777777778"
            << "";
        QTest::newRow("three equations: Q1 = 0: z from the second reduced equation")
            << Computation(ThreeLinearEquations)
            << "Text1(1)=1;Text1(2)=1;Text1(3)=1;Text1(4)=-3;Text1(5)=2;Text1(6)=1;Text1(7)=2;Text1(8)=-5;"
               "Text1(9)=1;Text1(10)=2;Text1(11)=3;Text1(12)=-6;Text2=old"
            << ""
            << "Text2=x=1  y=1  z=1"
            << "";
        QTest::newRow("three equations: Q1 = 0: x + y + z = 6, x - y + z = 2, 2x + y - z = 1")
            << Computation(ThreeLinearEquations)
            << "Text1(1)=1;Text1(2)=1;Text1(3)=1;Text1(4)=-6;Text1(5)=1;Text1(6)=-1;Text1(7)=1;"
               "Text1(8)=-2;Text1(9)=2;Text1(10)=1;Text1(11)=-1;Text1(12)=-1;Text2=old"
            << ""
            << "Text2=x=1  y=2  z=3"
            << "";
        QTest::newRow("three equations: Q1 = 0 but for rounding: z from the second reduced equation")
            << Computation(ThreeLinearEquations)
            << "Text1(1)=-1;Text1(2)=-1.3;Text1(3)=3.7;Text1(4)=-32.3;Text1(5)=-7;Text1(6)=7.5;"
               "Text1(7)=25.9;Text1(8)=-242.7;Text1(9)=-9.2;Text1(10)=-2.8;Text1(11)=5.6;Text1(12)=-78.8;"
               "Text2=old"
            << ""
            << "Text2=x=-4  y=1  z=8"
            << "";
        QTest::newRow("three equations: decimals, Q1 = 0 but for rounding, z from either equation")
            << Computation(ThreeLinearEquations)
            << "Text1(1)=0.1;Text1(2)=0.2;Text1(3)=0.3;Text1(4)=-1.4;Text1(5)=0.3;Text1(6)=0.1;"
               "Text1(7)=0.9;Text1(8)=-3.2;Text1(9)=1;Text1(10)=1;Text1(11)=1;Text1(12)=-6;Text2=old"
            << ""
            << "Text2=x=1  y=2  z=3"
            << "";
        QTest::newRow("three equations: singular system typed with decimals")
            << Computation(ThreeLinearEquations)
            << "Text1(1)=0.1;Text1(2)=0.2;Text1(3)=0.3;Text1(4)=-1;Text1(5)=0.3;Text1(6)=0.6;Text1(7)=0.9;"
               "Text1(8)=-2;Text1(9)=1;Text1(10)=1;Text1(11)=1;Text1(12)=-1;Text2=old"
            << ""
            << "Text2=x=  y=  z="
            << "请下载更新版本|-|";
        // The elimination through the second row has nothing to divide by when a1 or a2
        // is 0; every such system with one solution is solved all the same.
        QTest::newRow("three equations: a2 = 0 with decimals: solved by pivoting")
            << Computation(ThreeLinearEquations)
            << "Text1(1)=6;Text1(2)=-3.4;Text1(3)=9;Text1(4)=-0.8;Text1(5)=0;Text1(6)=9;Text1(7)=6.7;"
               "Text1(8)=3.6;Text1(9)=-9.2;Text1(10)=2;Text1(11)=9.9;Text1(12)=-3.6;Text2=old"
            << ""
            << "Text2=x=-.35417  y=-.50104  z=.135724100339537"
            << "";
        QTest::newRow("three equations: a1 = 0")
            << Computation(ThreeLinearEquations)
            << "Text1(1)=0;Text1(2)=1;Text1(3)=1;Text1(4)=-2;Text1(5)=1;Text1(6)=1;Text1(7)=1;Text1(8)=-3;"
               "Text1(9)=1;Text1(10)=2;Text1(11)=3;Text1(12)=-6;Text2=old"
            << ""
            << "Text2=x=1  y=1  z=1"
            << "";
        QTest::newRow("three equations: a2 = 0")
            << Computation(ThreeLinearEquations)
            << "Text1(1)=1;Text1(2)=1;Text1(3)=1;Text1(4)=-3;Text1(5)=0;Text1(6)=1;Text1(7)=1;Text1(8)=-2;"
               "Text1(9)=1;Text1(10)=2;Text1(11)=3;Text1(12)=-6;Text2=old"
            << ""
            << "Text2=x=1  y=1  z=1"
            << "";
        QTest::newRow("three equations: x in one row only: x + y = 3, y + z = 5, x + z = 4")
            << Computation(ThreeLinearEquations)
            << "Text1(1)=1;Text1(2)=1;Text1(3)=0;Text1(4)=-3;Text1(5)=0;Text1(6)=1;Text1(7)=1;Text1(8)=-5;"
               "Text1(9)=1;Text1(10)=0;Text1(11)=1;Text1(12)=-4;Text2=old"
            << ""
            << "Text2=x=1  y=2  z=3"
            << "";
        QTest::newRow("three equations: no x at all: no one solution")
            << Computation(ThreeLinearEquations)
            << "Text1(2)=1;Text1(3)=1;Text1(4)=-3;Text1(6)=1;Text1(7)=-1;Text1(8)=-1;"
               "Text1(10)=2;Text1(11)=1;Text1(12)=-5;Text2=old"
            << ""
            << "Text2=x=  y=  z="
            << "请下载更新版本|-|";
        QTest::newRow("three equations: first two rows proportional")
            << Computation(ThreeLinearEquations)
            << "Text1(1)=1;Text1(2)=1;Text1(3)=1;Text1(4)=-3;Text1(5)=2;Text1(6)=2;Text1(7)=2;Text1(8)=-6;"
               "Text1(9)=1;Text1(10)=2;Text1(11)=3;Text1(12)=-6;Text2=old"
            << ""
            << "Text2=x=  y=  z="
            << "请下载更新版本|-|";
        QTest::newRow("three equations: all empty") << Computation(ThreeLinearEquations) << "Text2=old"
                                                    << ""
                                                    << "Text2=x=  y=  z="
                                                    << "请下载更新版本|-|";
        QTest::newRow("three equations: empty constant terms count as 0")
            << Computation(ThreeLinearEquations)
            << "Text1(1)=1;Text1(2)=1;Text1(3)=1;Text1(5)=1;Text1(6)=2;Text1(7)=3;Text1(9)=2;Text1(10)=1;"
               "Text1(11)=3;Text2=old"
            << ""
            << "Text2=x=0  y=0  z=0"
            << "";
        QTest::newRow("three equations: a product overflows")
            << Computation(ThreeLinearEquations)
            << "Text1(1)=1e200;Text1(2)=1;Text1(3)=1;Text1(4)=-6;Text1(5)=1;Text1(6)=1e200;Text1(7)=3;"
               "Text1(8)=-14;Text1(9)=2;Text1(10)=1;Text1(11)=3;Text1(12)=-13;Text2=old"
            << ""
            << "" << kFaultShown;
        QTest::newRow("three equations: typed beyond range")
            << Computation(ThreeLinearEquations)
            << "Text1(1)=1;Text1(2)=1;Text1(3)=1;Text1(4)=-6;Text1(5)=1;Text1(6)=2;Text1(7)=3;"
               "Text1(8)=-14;Text1(9)=2;Text1(10)=1;Text1(11)=3;Text1(12)=1e400;Text2=old"
            << ""
            << "" << kFaultShown;
    }
    void cases() { checkCase(); }

    void radianText_data() {
        QTest::addColumn<double>("angle");
        QTest::addColumn<QString>("text");
        QTest::newRow("right angle") << 1.5707963267948966 << "0.5π≈1.5707963267949";
        QTest::newRow("straight angle") << 3.141592653589793 << "1π≈3.14159265358979";
        QTest::newRow("zero") << 0.0 << "0π≈0";
        QTest::newRow("multiple 0.00005 rounds down to even 0") << 0.00015707963267948965 << "0π≈0.00015707963267949";
        QTest::newRow("multiple 0.00025 rounds down to even 0.0002")
            << 0.0007853981633974483 << "0.0002π≈0.000785398163397448";
        QTest::newRow("one radian") << 1.0 << "0.3183π≈1";
        QTest::newRow("negative") << -1.0 << "-0.3183π≈-1";
    }

    void radianText() {
        QFETCH(double, angle);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(RadianText(angle)), text);
    }

    // Sides typed with one or two decimals, in every order: three that lie on one line
    // (a + b = c) make no triangle, and a third side shorter by one unit of the last
    // decimal makes one.
    void decimalSidesOnOneLine_data() {
        QTest::addColumn<int>("places");
        QTest::addColumn<int>("shorter");  // c = a + b − shorter, in units of the last decimal
        QTest::addColumn<bool>("triangle");
        QTest::newRow("one decimal, a + b = c: no triangle") << 1 << 0 << false;
        QTest::newRow("two decimals, a + b = c: no triangle") << 2 << 0 << false;
        QTest::newRow("one decimal, c shorter by .1: a triangle") << 1 << 1 << true;
        QTest::newRow("two decimals, c shorter by .01: a triangle") << 2 << 1 << true;
    }

    void decimalSidesOnOneLine() {
        QFETCH(int, places);
        QFETCH(int, shorter);
        QFETCH(bool, triangle);
        const QString expected = triangle ? QString() : QString("不能构成三角形|-|");
        std::mt19937 random(15);
        std::uniform_int_distribution<qint64> side(1, 100000);
        for (int i = 0; i < 2000; ++i) {
            const qint64 a = side(random), b = side(random);
            QStringList sides{Decimal(a, places), Decimal(b, places), Decimal(a + b - shorter, places)};
            std::sort(sides.begin(), sides.end());
            do {
                FakeForm form = Filled("Text1=" + sides[0] + ";Text2=" + sides[1] + ";Text3=" + sides[2]);
                form.run(TriangleFromThreeSides);
                QVERIFY2(QString::fromStdString(form.shown()) == expected, qPrintable(sides.join(' ')));
            } while (std::next_permutation(sides.begin(), sides.end()));
        }
    }

    void qiugen_data() {
        QTest::addColumn<double>("p");
        QTest::addColumn<double>("q");
        QTest::addColumn<double>("r");
        QTest::addColumn<bool>("solved");
        QTest::addColumn<double>("x1");
        QTest::addColumn<double>("x2");
        QTest::newRow("x² - 3x + 2: larger root first") << 1.0 << -3.0 << 2.0 << true << 2.0 << 1.0;
        QTest::newRow("double root") << 1.0 << -2.0 << 1.0 << true << 1.0 << 1.0;
        QTest::newRow("leading 2 divides last") << 2.0 << -6.0 << 4.0 << true << 2.0 << 1.0;
        QTest::newRow("negative discriminant: roots untouched") << 1.0 << 0.0 << 1.0 << false << -7.0 << -7.0;
        QTest::newRow("discriminant below 0 by rounding only: double root")
            << 1.0 << 9.2 << 21.16 << true << -4.6 << -4.6;
        QTest::newRow("discriminant below 0 beyond rounding")
            << 1.0 << 2.0 << 1.00000000000001 << false << -7.0 << -7.0;
    }

    void qiugen() {
        QFETCH(double, p);
        QFETCH(double, q);
        QFETCH(double, r);
        QFETCH(bool, solved);
        QFETCH(double, x1);
        QFETCH(double, x2);
        FakeForm form;
        double first = -7, second = -7;
        QCOMPARE(QIUGEN(form, p, q, r, first, second), solved);
        QCOMPARE(first, x1);
        QCOMPARE(second, x2);
        QCOMPARE(QString::fromStdString(form.shown()), solved ? QString() : QString("无解|-|"));
    }

    // a·(x − r)² = 0 typed with one or two decimals: the discriminant, 0 but for the
    // rounding of the decimals, gives both roots at r (to the square root of that
    // rounding), never "无解".
    void decimalDoubleRoots_data() {
        QTest::addColumn<int>("largestA");
        QTest::addColumn<int>("largestRoot");  // in tenths
        QTest::newRow("A up to 20, roots up to 99.9") << 20 << 999;
        QTest::newRow("A 1, roots up to 9.9") << 1 << 99;
    }

    void decimalDoubleRoots() {
        QFETCH(int, largestA);
        QFETCH(int, largestRoot);
        std::mt19937 random(15);
        std::uniform_int_distribution<int> leading(1, largestA), root(-largestRoot, largestRoot), sign(0, 1);
        for (int i = 0; i < 5000; ++i) {
            const qint64 a = sign(random) ? leading(random) : -leading(random), m = root(random);
            // B = −2·A·r in tenths, C = A·r² in hundredths.
            const QStringList typed{QString::number(a), Decimal(-2 * a * m, 1), Decimal(a * m * m, 2)};
            FakeForm form{{"Text1", typed[0].toStdString()},
                          {"Text2", typed[1].toStdString()},
                          {"Text3", typed[2].toStdString()}};
            form.run(QuadraticEquation);
            const QString context = typed.join(' ') + " gives " + Written(form);
            QVERIFY2(form.messages.empty(), qPrintable(context));
            const double r = m / 10.0;
            for (const char* field : {"Text4", "Text5"}) {
                const double x = ParseNumber(form.text(field));
                QVERIFY2(std::fabs(x - r) <= 0x1p-24 * std::fabs(r), qPrintable(context));
            }
        }
    }

    // Systems typed with decimals whose second equation is the first times a factor
    // (one line twice), or that and a shifted constant (parallel lines), in either
    // order: every one gets its case, whatever the rounding of the typed decimals.
    void decimalSystemsGetTheirCase_data() {
        QTest::addColumn<bool>("withX");
        QTest::addColumn<bool>("withY");
        QTest::addColumn<bool>("parallel");
        QTest::addColumn<QString>("answer");  // a pattern of the whole result line
        QTest::newRow("one line twice") << true << true << false << "有无数组解";
        QTest::newRow("parallel lines") << true << true << true << "无解";
        QTest::newRow("x alone, one value twice") << true << false << false << "x=[-.0-9E+]+  y为任何实数";
        QTest::newRow("x alone, two values") << true << false << true << "无解";
        QTest::newRow("y alone, one value twice") << false << true << false << "x为任何实数  y=[-.0-9E+]+";
        QTest::newRow("y alone, two values") << false << true << true << "无解";
    }

    void decimalSystemsGetTheirCase() {
        QFETCH(bool, withX);
        QFETCH(bool, withY);
        QFETCH(bool, parallel);
        QFETCH(QString, answer);
        const QRegularExpression pattern(QRegularExpression::anchoredPattern(answer));
        std::mt19937 random(15);
        std::uniform_int_distribution<int> tenths(-999, 999), factor(-99, 99), hundredths(-9999, 9999);
        const auto nonZero = [&random](std::uniform_int_distribution<int>& d) {
            int v = 0;
            while (v == 0) v = d(random);
            return v;
        };
        for (int i = 0; i < 5000; ++i) {
            // The first equation in tenths; the second, a factor in tenths times it, in
            // hundredths.
            const int a1 = withX ? nonZero(tenths) : 0, b1 = withY ? nonZero(tenths) : 0, c1 = tenths(random);
            const int k = nonZero(factor);
            const int shift = parallel ? nonZero(hundredths) : 0;
            QStringList typed{Decimal(a1, 1),     Decimal(b1, 1),     Decimal(c1, 1),
                              Decimal(k * a1, 2), Decimal(k * b1, 2), Decimal(k * c1 + shift, 2)};
            if (i % 2 == 1) typed = typed.mid(3) + typed.mid(0, 3);
            FakeForm form;
            for (int j = 0; j < 6; ++j) form.fields[kCoefficients[j]] = typed[j].toStdString();
            form.run(TwoLinearEquations);
            const QString result = QString::fromStdString(form.text("Text5"));
            QVERIFY2(pattern.match(result).hasMatch() && form.messages.empty(),
                     qPrintable(typed.join(' ') + " gives " + result));
        }
    }
};

QTEST_MAIN(ComputationsTest)
#include "tst_computations.moc"
