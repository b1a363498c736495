// Every input for which the windows' own rules give no answer, gathered in one table:
// a zero divisor, the root of a negative, an inverse sine beyond ±1, an overflow, text
// that is no number. Each row names the window, the computation its trigger runs, the
// field texts and selected options, and what must come of it: the fault message with
// every field as it was, or the finite answer that the arithmetic does give (a chord
// that is a diameter stands at 180 degrees). A few rows then go through the real
// windows, opened from the menu, one per kind of window.
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

#include "drills/drillwindow.h"
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
#include "support/gui.h"

using namespace velunda;
using namespace velunda::testing;

namespace {

const QString kDegrees = "opt2", kRadians = "opt1";

// A case row named after its window and what it shows.
void row(const char* window, const char* what, Computation computation, const QString& fields, const QString& options,
         const QString& writes, const QString& shown) {
    QTest::addRow("%s: %s", window, what) << computation << fields << options << writes << shown;
}

// A row whose computation must refuse with the fault message and change nothing.
void fault(const char* window, const char* what, Computation computation, const QString& fields,
           const QString& options = {}) {
    row(window, what, computation, fields, options, "", kFaultShown);
}

}  // namespace

class LeftOpenTest : public QObject {
    Q_OBJECT

private slots:
    void everyOpenInput_data() {
        addCaseColumns();

        // The square.
        fault("frm12", "negative area", SquareFromArea, "Text1=5;Text3=-4");
        fault("frm12", "side whose area overflows", SquareFromSide, "Text1=1e200");
        fault("frm12", "perimeter whose area overflows", SquareFromPerimeter, "Text2=1e308");
        fault("frm12", "diagonal whose area overflows", SquareFromDiagonal, "Text4=1e300");
        fault("frm12", "side typed beyond the double range", SquareFromSide, "Text1=1e400");

        // The rectangle.
        fault("frm6", "diagonal shorter than the side", SolveRectangle, "Text1=5;Text5=3");
        fault("frm6", "perimeter too short for the area", SolveRectangle, "Text3=4;Text4=5");
        fault("frm6", "perimeter too long for the diagonal", SolveRectangle, "Text3=10;Text5=1");
        fault("frm6", "area too large for the diagonal", SolveRectangle, "Text4=5;Text5=1");
        fault("frm6", "negative area with a diagonal", SolveRectangle, "Text4=-5;Text5=1");
        fault("frm6", "sides whose squares overflow", SolveRectangle, "Text1=1e200;Text2=1e200");

        // The circle, with the π of Text5.
        fault("frm10", "circumference with an empty π", CircleFromCircumference, "Text3=10");
        fault("frm10", "area with an unreadable π", CircleFromArea, "Text4=314;Text5=abc");
        fault("frm10", "circumference 0 with π 0", CircleFromCircumference, "Text3=0;Text5=0");
        fault("frm10", "radius with an empty π", CircleFromRadius, "Text1=2");
        fault("frm10", "diameter with π 0", CircleFromDiameter, "Text2=2;Text5=0");
        fault("frm10", "negative area", CircleFromArea, "Text4=-1;Text5=3.14");
        fault("frm10", "negative π with a positive area", CircleFromArea, "Text4=1;Text5=-3.14");
        fault("frm10", "radius whose area overflows", CircleFromRadius, "Text1=1e200;Text5=3.14");
        row("frm10", "the option chosen again puts its π back", PiFromOption1, "Text5=3", {}, "Text5=3.14", "");

        // The chord and the diameter perpendicular to it.
        fault("frm17", "chord longer than the diameter", SolveChord, "Text1=5;Text2=12", kDegrees);
        fault("frm17", "distance beyond the radius", SolveChord, "Text1=3;Text3=5", kDegrees);
        row("frm17", "a diameter as chord stands at 180 degrees", SolveChord, "Text1=5;Text2=10", kDegrees,
            "Text1= 5;Text2= 10;Text3= 0;Text4= 180", "");
        row("frm17", "a diameter as chord stands at π in radians", SolveChord, "Text1=5;Text2=10", kRadians,
            "Text1= 5;Text2= 10;Text3= 0;Text4= 3.14159265358979rad", "");
        row("frm17", "a tiny angle and the radius: the chord rounds to 0, not below", SolveChord, "Text1=5;Text4=1e-9",
            kRadians, "Text1= 5;Text2= 0;Text3= 5;Text4= 1E-09rad", "");
        fault("frm17", "angle so small that the distance overflows", SolveChord, "Text2=8;Text4=1e-310", kRadians);
        fault("frm17", "radius and chord whose squares overflow", SolveChord, "Text1=1e200;Text2=1e200", kDegrees);

        // The trapezoid.
        fault("frm9", "only the area: the bases add up to 0", SolveTrapezoid, "Text4=9");
        fault("frm9", "bases of opposite sign and equal size", SolveTrapezoid, "Text1=3;Text2=-3;Text4=9");
        fault("frm9", "area overflows", SolveTrapezoid, "Text1=1e200;Text2=1e200;Text3=1e200");

        // The two parallelograms with three fields.
        fault("frm3", "area overflows", SolveParallelogramArea, "Text1=1e200;Text2=1e200");
        fault("frm3", "base typed beyond the double range", SolveParallelogramArea, "Text1=1e400");
        fault("frm2", "perimeter overflows", SolveParallelogramPerimeter, "Text1=1e308;Text2=1e308");

        // The parallelogram with its angle: S = a·b·sin θ.
        row("frm4", "a right angle in degrees", SolveParallelogramAngle, "Text1=2;Text2=3;Text4=6", kDegrees,
            "Text3= 90或 90", "");
        row("frm4", "a right angle in radians", SolveParallelogramAngle, "Text1=2;Text2=3;Text4=6", kRadians,
            "Text3= 1.5707963267949或 1.5707963267949", "");
        row("frm4", "a sine of -1: -90 or 270 degrees", SolveParallelogramAngle, "Text1=2;Text2=3;Text4=-6", kDegrees,
            "Text3=-90或 270", "");
        fault("frm4", "area larger than the sides allow", SolveParallelogramAngle, "Text1=2;Text2=3;Text4=7", kDegrees);
        fault("frm4", "negative area beyond the sides", SolveParallelogramAngle, "Text1=2;Text2=3;Text4=-7", kDegrees);
        fault("frm4", "180 degrees is no angle of a parallelogram, though its sine is not 0", SolveParallelogramAngle,
              "Text1=2;Text3=180;Text4=1.5", kDegrees);
        fault("frm4", "angle so small that the side overflows", SolveParallelogramAngle,
              "Text1=1e-10;Text3=1e-300;Text4=1e10", kRadians);
        fault("frm4", "area overflows", SolveParallelogramAngle, "Text1=1e200;Text2=1e200;Text3=30", kDegrees);

        // The triangle from three sides.
        fault("frm1", "thin triangle whose angle at A rounds to 0: no circumradius", TriangleFromThreeSides,
              "Text1=1;Text2=100000000;Text3=100000000;txt1=输出数据");
        fault("frm1", "sides whose squares overflow", TriangleFromThreeSides, "Text1=1e200;Text2=1e200;Text3=1e200");

        // Sides and angles, in degrees unless Opt1 is selected.
        fault("frm21", "two right angles and the third side: a sine of 0 divides", TriangleSidesAndAngles,
              "Text1=90;Text3=90;Text6=1");
        row("frm21", "two right angles and the first side: a flat triangle", TriangleSidesAndAngles,
            "Text1=90;Text3=90;Text2=1", {}, "Text2=1;Text4=1;Text6=0", "");
        fault("frm21", "sides whose squares overflow", TriangleSidesAndAngles, "Text2=1e200;Text4=1e200;Text5=60");
        fault("frm21", "nearly equal sides and a tiny angle: rounding goes below 0", TriangleSidesAndAngles,
              "Text2=1.1;Text4=1.10000000000001;Text5=1e-9", "Opt1");

        // The right triangle.
        fault("frm14", "hypotenuse shorter than the leg", SolveRightTriangle, "Text1=5;Text3=3");
        fault("frm14", "area beyond a quarter of the hypotenuse squared", SolveRightTriangle, "Text3=2;Text4=2");
        fault("frm14", "legs whose squares overflow", SolveRightTriangle, "Text1=1e200;Text2=1e200");
        row("frm14", "a lone hypotenuse beyond the range: the message, then the fault", SolveRightTriangle,
            "Text3=1e400", {}, "", "请下载新版本|-| / " + kFaultShown);

        // Sides, perimeter and area.
        fault("frm8", "sides 1, 2, 5 are no triangle", TriangleSidesPerimeterArea, "Text1=1;Text2=2;Text3=5");
        fault("frm8", "perimeter too long for the two sides", TriangleSidesPerimeterArea, "Text1=1;Text2=2;Text4=10");
        fault("frm8", "sides whose squares overflow, with an area", TriangleSidesPerimeterArea,
              "Text1=1e200;Text2=1e200;Text5=1");
        row("frm8", "no third side: 无解 and nothing written", TriangleSidesPerimeterArea, "Text1=1;Text2=1;Text5=1",
            {}, "", "无解|-|");
        row("frm8", "a lone side beyond the range: the message, then the fault", TriangleSidesPerimeterArea,
            "Text1=1e400", {}, "", "请下载新版本或查看帮助|i| / " + kFaultShown);

        // Base, height and area.
        fault("frm7", "area overflows", TriangleBaseHeightArea, "Text1=1e200;Text2=1e200");
        row("frm7", "a lone area beyond the range: the message, then the fault", TriangleBaseHeightArea, "Text3=1e400",
            {}, "", "请下载新版本或查看帮助|i| / " + kFaultShown);

        // The equilateral triangle.
        fault("frm13", "negative area alone", SolveEquilateralTriangle, "Text4=-1");
        fault("frm13", "side whose area overflows", SolveEquilateralTriangle, "Text1=1e200");

        // The cylinder.
        fault("frm15", "negative base area alone", CylinderCompute, "Text7=-1");
        fault("frm15", "volume and height of opposite signs", CylinderCompute, "Text5=-62.8;Text6=5");
        fault("frm15", "surface area below the lateral area", CylinderCompute, "Text3=62.8;Text4=10");
        fault("frm15", "surface area equal to the lateral area", CylinderCompute, "Text3=62.8;Text4=62.8");
        fault("frm15", "radius whose base area overflows", CylinderCompute, "Text1=1e200;Text6=1");
        row("frm15", "height and surface area without a real radius: 无解, nothing written", CylinderCompute,
            "Text4=-10;Text6=1", {}, "", "无解|-|");
        row("frm15", "height and surface area with two negative radii: 无解, nothing written", CylinderCompute,
            "Text4=-10;Text6=10", {}, "", "无解|-|");
        row("frm15", "surface area beyond the range with a volume: the message, then the fault", CylinderCompute,
            "Text4=1e400;Text5=1", {}, "", "请下载更新版本|-| / " + kFaultShown);

        // The cuboid.
        fault("frm5", "length equal to minus the width", CuboidCompute, "Text1=2;Text2=-2;Text5=10");
        fault("frm5", "width equal to minus the height", CuboidCompute, "Text2=3;Text3=-3;Text5=10");
        fault("frm5", "edges whose volume overflows", CuboidCompute, "Text1=1e200;Text2=1e200;Text3=1e200");
        row("frm5", "a lone length beyond the range: the message, then the fault", CuboidCompute, "Text1=1e400", {}, "",
            "请下载新版本或查看帮助|i| / " + kFaultShown);

        // The cube reads its one field strictly.
        fault("frm11", "Enter in an empty field", CubeFromEdge, "Text2=24");
        fault("frm11", "text that is not one number", CubeFromEdgeSum, "Text2=5cm");
        fault("frm11", "negative surface area", CubeFromSurface, "Text3=-24");
        fault("frm11", "negative volume", CubeFromVolume, "Text4=-8");
        fault("frm11", "edge whose volume overflows", CubeFromEdge, "Text1=1e200");
        fault("frm11", "volume beyond the double range", CubeFromVolume, "Text4=1e400");

        // The quadratic equation reads its coefficients strictly.
        fault("frm16", "A = 0", QuadraticEquation, "Text1=0;Text2=2;Text3=1;Text4=2;Text5=1");
        fault("frm16", "A = 0 and B = 0", QuadraticEquation, "Text1=0;Text2=0;Text3=1");
        fault("frm16", "an empty coefficient", QuadraticEquation, "Text2=1;Text3=1");
        fault("frm16", "a coefficient such as 2x", QuadraticEquation, "Text1=2x;Text2=1;Text3=1");
        fault("frm16", "a discriminant that is no number", QuadraticEquation, "Text1=1e200;Text2=1e200;Text3=1e200");

        // Two linear equations: a1 Text1, b1 Text2, c1 Text6; a2 Text3, b2 Text4, c2 Text7.
        row("frm19", "0 = c1 beside an equation with y: 无解", TwoLinearEquations,
            "Text1=0;Text2=0;Text6=5;Text3=1;Text4=1;Text7=1", {}, "Text5=无解", "");
        row("frm19", "0 = 0 beside an equation with y: not a system", TwoLinearEquations,
            "Text3=1;Text4=1;Text7=1;Text5=x=1  y=1", {}, "", "这个不是二元一次方程组|-|");
        row("frm19", "0 = c2 beside an equation with y: 无解", TwoLinearEquations,
            "Text1=1;Text2=1;Text6=1;Text3=0;Text4=0;Text7=5", {}, "Text5=无解", "");
        row("frm19", "0 = 0 as second equation: not a system", TwoLinearEquations, "Text1=1;Text2=1;Text6=1", {}, "",
            "这个不是二元一次方程组|-|");
        row("frm19", "x + 1 = 0 and x + 2 = 0: 无解", TwoLinearEquations, "Text1=1;Text6=1;Text3=1;Text7=2;Text5=old",
            {}, "Text5=无解", "");
        fault("frm19", "products overflow", TwoLinearEquations, "Text1=1e200;Text2=1;Text4=1;Text7=1e200;Text5=old");

        // Three linear equations.
        fault("frm20", "products overflow", ThreeLinearEquations,
              "Text1(1)=1e200;Text1(2)=1;Text1(6)=1e200;Text2=x=1  y=2  z=3");

        // Angle and trigonometric functions; the tangent is single precision.
        row("frm18", "sine 1 gives the right-angle texts", AngleAndFunctions, "Text5=1", {},
            "Text1=90;Text2=1.57079632679489;Text5=1;Text6=0;Text7=无意义;Text8=0", "");
        row("frm18", "sine -1 is -90 degrees", AngleAndFunctions, "Text5=-1", {},
            "Text1=-90;Text2=-1.5707963267949;Text5=-1;Text6=06.12323399573677E-17;Text7=-1.633124E+16;"
            "Text8=-06.123234E-17",
            "");
        fault("frm18", "sine above 1", AngleAndFunctions, "Text5=2");
        row("frm18", "cosine 1 is the angle 0: its cotangent has no meaning", AngleAndFunctions, "Text6=1", {},
            "Text1=0;Text2=0;Text5=0;Text6=1;Text7=0;Text8=无意义", "");
        row("frm18", "cosine -1 is 180 degrees", AngleAndFunctions, "Text6=-1", {},
            "Text1=180;Text2=3.14159265358979;Text5=01.22464679914735E-16;Text6=-1;Text7=-01.224647E-16;"
            "Text8=-8.165619E+15",
            "");
        fault("frm18", "cosine below -1", AngleAndFunctions, "Text6=-1.5");
        row("frm18", "an angle so small that its tangent is 0", AngleAndFunctions, "Text2=1e-50", {},
            "Text1=5.72957795130823E-49;Text2=01E-50;Text5=01E-50;Text6=1;Text7=0;Text8=无意义", "");
        fault("frm18", "tangent beyond single precision", AngleAndFunctions, "Text7=1e40");
        fault("frm18", "tangent beyond the double range", AngleAndFunctions, "Text7=1e400");
        fault("frm18", "cotangent whose tangent passes single precision", AngleAndFunctions, "Text8=1e-40");
        fault("frm18", "cotangent whose tangent passes the double range", AngleAndFunctions, "Text8=1e-320");
    }

    void everyOpenInput() {
        checkCase();
        QFETCH(QString, writes);
        static const QRegularExpression bogus("nan|inf", QRegularExpression::CaseInsensitiveOption);
        QVERIFY2(!bogus.match(writes).hasMatch(), qPrintable(writes));
    }

    // The same kind of input typed into the real windows: the message box, and every
    // field as it was before the trigger.
    void throughTheWindows_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("typed");    // the steps before, as runSteps() takes them
        QTest::addColumn<QString>("trigger");  // the last step
        QTest::addColumn<QString>("shown");    // the message boxes, as MessageCatcher gives them
        QTest::addColumn<QString>("after");    // control=text afterwards, fields and labels

        const QString fault = "无法计算，请检查输入的数据|i|Velunda";
        QTest::newRow("plane figure: trapezoid with only the area")
            << "lbl16"
            << "frm9"
            << "Text4=9"
            << "click Command3" << fault << "Text1=;Text2=;Text3=;Text4=9";
        QTest::newRow("triangle: hypotenuse shorter than the leg")
            << "lbl5"
            << "frm14"
            << "Text1=5;Text3=3"
            << "click Command2" << fault << "Text1=5;Text2=;Text3=3;Text4=";
        QTest::newRow("solid: negative surface area after a cube was solved")
            << "lbl9"
            << "frm11"
            << "Text2=24;enter Text2;Text3=-24"
            << "enter Text3" << fault << "Text1=2;Text2=24;Text3=-24;Text4=8";
        QTest::newRow("equation: A = 0") << "lbl20"
                                         << "frm16"
                                         << "Text1=0;Text2=2;Text3=1"
                                         << "click Command2" << fault << "Text1=0;Text2=2;Text3=1;Text4=;Text5=";
        QTest::newRow("trigonometry: tangent beyond the double range")
            << "lbl19"
            << "frm18"
            << "Text1=30;click Command2;Text1=;Text7=1e400"
            << "click Command2" << fault
            << "Text1=;Text2=0.523598775598299;Text5=0.5;Text6=0.866025403784439;Text7=1e400;Text8=1.732051";
        QTest::newRow("drill: an answer beyond 16 bits counts as wrong") << "lbl33"
                                                                         << "frm22"
                                                                         << "Text1=1e400"
                                                                         << "enter Text1"
                                                                         << ""
                                                                         << "Text1=;lbl2=0;lbl3=1;lbl4=1";
    }

    void throughTheWindows() {
        QFETCH(QString, entry);
        QFETCH(QString, window);
        QFETCH(QString, typed);
        QFETCH(QString, trigger);
        QFETCH(QString, shown);
        QFETCH(QString, after);
        MenuFixture app;
        auto* w = app.open(qPrintable(entry), qPrintable(window));
        QVERIFY(w);
        {
            MessageCatcher preparing;
            runSteps(w, typed);
        }
        QMap<QString, QString> before;
        for (QLineEdit* e : w->findChildren<QLineEdit*>()) before.insert(e->objectName(), e->text());

        MessageCatcher catcher;
        runSteps(w, trigger);
        QCOMPARE(catcher.shown(), shown);
        QCOMPARE(controlTexts(w, after), after);
        if (shown.contains("无法计算"))
            for (QLineEdit* e : w->findChildren<QLineEdit*>()) QCOMPARE(e->text(), before.value(e->objectName()));
        QVERIFY(app.menu && app.menu->isVisible() && w->isVisible());
    }
};

QTEST_MAIN(LeftOpenTest)
#include "tst_leftopen.moc"
