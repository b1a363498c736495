// The computations of the triangle windows (three sides, sides and angles, base-height-
// area, sides-perimeter-area, right and equilateral triangles) over a fake form, without
// widgets. First one table (support/cases.h): each row names its window's figure and
// what it shows, the computation a trigger of that window runs, the field texts and
// selected options before, and what the computation writes and shows; a computation no
// window runs, or a name that is not one of its window's fields and option buttons,
// fails the row. Then the checks that generate their inputs: radian texts, sides typed
// in decimals, and the sides-perimeter-area window's own QIUGEN.
#include <QTest>
#include <algorithm>
#include <random>

#include "solvers/triangle/baseheightarea.h"
#include "solvers/triangle/equilateral.h"
#include "solvers/triangle/righttriangle.h"
#include "solvers/triangle/sidesangles.h"
#include "solvers/triangle/sidesperimeterarea.h"
#include "solvers/triangle/threesides.h"
#include "support/cases.h"

using namespace velunda;
using namespace velunda::testing;

class TriangleComputationsTest : public QObject {
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
};

QTEST_GUILESS_MAIN(TriangleComputationsTest)
#include "tst_trianglecomputations.moc"
