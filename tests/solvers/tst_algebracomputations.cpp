// The computations of the algebra windows (angle and trigonometric functions, quadratic
// equation, two and three linear equations) over a fake form, without widgets. First
// one table (support/cases.h): each row names its window's figure and what it shows,
// the computation a trigger of that window runs, the field texts and selected options
// before, and what the computation writes and shows; a computation no window runs, or a
// name that is not one of its window's fields and option buttons, fails the row. Then
// the checks that generate their inputs: double roots and systems typed in decimals.
#include <QRegularExpression>
#include <QTest>
#include <cmath>
#include <random>

#include "numeric/numbertext.h"
#include "solvers/algebra/linear.h"
#include "solvers/algebra/quadratic.h"
#include "solvers/algebra/trigonometry.h"
#include "support/cases.h"

using namespace velunda;
using namespace velunda::testing;

namespace {
// The coefficient fields of the window of two equations in the order a1, b1, c1, a2, b2, c2.
const char* const kCoefficients[] = {"Text1", "Text2", "Text6", "Text3", "Text4", "Text7"};
}  // namespace

class AlgebraComputationsTest : public QObject {
    Q_OBJECT

private slots:
    void cases_data() {
        addCaseColumns();

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

QTEST_GUILESS_MAIN(AlgebraComputationsTest)
#include "tst_algebracomputations.moc"
