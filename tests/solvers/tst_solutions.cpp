// The worked solutions of the plane and solid windows: what each explains, and that
// every decimal it gives agrees with what the computation writes into the fields.
#include <QCoreApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <cmath>

#include "exact/exactnumber.h"
#include "exact/solutionbuilder.h"
#include "exact/workedsolution.h"
#include "numeric/numbertext.h"
#include "numeric/routines.h"
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
#include "support/fakeform.h"
#include "support/quadvalue.h"

using namespace velunda;
using namespace velunda::testing;

Q_DECLARE_METATYPE(velunda::Explanation)

namespace {

// One computation of a window with its explanation, the fields it reads, and for each
// quantity line of the solution ("周长 P =") the field the computation writes it to.
struct Subject {
    const char* name;
    Computation computation;
    Explanation explanation;
    QStringList inputs;     // the fields the pupil types into
    int typed;              // how many of them are filled
    QStringList angleUnit;  // the window's option buttons for radians and degrees, if any
    QList<QPair<QString, QString>> lines;
    bool quadratic = false;  // results through QuadraticRoots
    bool degrees = false;    // a line with ° gives its angle in degrees before the radians
    // What the solution says where a field shows its label without a number ("x=  y=").
    const char* refusal = nullptr;
};

const QList<QPair<QString, QString>> kSquare = {
    {"边长 a =", "Text1"}, {"周长 P =", "Text2"}, {"面积 S =", "Text3"}, {"对角线 d =", "Text4"}};
const QList<QPair<QString, QString>> kCircle = {
    {"半径 r =", "Text1"}, {"直径 d =", "Text2"}, {"周长 C =", "Text3"}, {"面积 S =", "Text4"}};
const QList<QPair<QString, QString>> kCube = {
    {"棱长 a =", "Text1"}, {"棱长总和 L =", "Text2"}, {"表面积 S =", "Text3"}, {"体积 V =", "Text4"}};
const QList<QPair<QString, QString>> kCylinder = {
    {"底面半径 r =", "Text1"}, {"底面周长 C =", "Text2"}, {"侧面积 S侧 =", "Text3"}, {"表面积 S表 =", "Text4"},
    {"体积 V =", "Text5"},     {"高 h =", "Text6"},       {"底面积 S底 =", "Text7"}};

const QList<Subject>& Subjects() {
    static const QList<Subject> subjects = {
        {"square from side", SquareFromSide, ExplainSquareFromSide, {"Text1"}, 1, {}, kSquare},
        {"square from perimeter", SquareFromPerimeter, ExplainSquareFromPerimeter, {"Text2"}, 1, {}, kSquare},
        {"square from area", SquareFromArea, ExplainSquareFromArea, {"Text3"}, 1, {}, kSquare},
        {"square from diagonal", SquareFromDiagonal, ExplainSquareFromDiagonal, {"Text4"}, 1, {}, kSquare},
        {"rectangle",
         SolveRectangle,
         ExplainRectangle,
         {"Text1", "Text2", "Text3", "Text4", "Text5"},
         2,
         {},
         {{"一边 a =", "Text1"},
          {"另一边 b =", "Text2"},
          {"周长 P =", "Text3"},
          {"面积 S =", "Text4"},
          {"对角线 d =", "Text5"}}},
        {"circle from radius", CircleFromRadius, ExplainCircleFromRadius, {"Text1", "Text5"}, 2, {}, kCircle},
        {"circle from diameter", CircleFromDiameter, ExplainCircleFromDiameter, {"Text2", "Text5"}, 2, {}, kCircle},
        {"circle from circumference",
         CircleFromCircumference,
         ExplainCircleFromCircumference,
         {"Text3", "Text5"},
         2,
         {},
         kCircle},
        {"circle from area", CircleFromArea, ExplainCircleFromArea, {"Text4", "Text5"}, 2, {}, kCircle},
        {"chord",
         SolveChord,
         ExplainChord,
         {"Text1", "Text2", "Text3", "Text4"},
         2,
         {"opt1", "opt2"},
         {{"半径 r =", "Text1"}, {"弦长 c =", "Text2"}, {"弦心距 d =", "Text3"}, {"圆心角 θ =", "Text4"}}},
        {"trapezoid",
         SolveTrapezoid,
         ExplainTrapezoid,
         {"Text1", "Text2", "Text3", "Text4"},
         3,
         {},
         {{"上底 a =", "Text1"}, {"下底 b =", "Text2"}, {"高 h =", "Text3"}, {"面积 S =", "Text4"}}},
        {"parallelogram base, height, area",
         SolveParallelogramArea,
         ExplainParallelogramArea,
         {"Text1", "Text2", "Text3"},
         2,
         {},
         {{"底 a =", "Text1"}, {"高 h =", "Text2"}, {"面积 S =", "Text3"}}},
        {"parallelogram sides, perimeter",
         SolveParallelogramPerimeter,
         ExplainParallelogramPerimeter,
         {"Text1", "Text2", "Text3"},
         2,
         {},
         {{"底边 a =", "Text1"}, {"邻边 b =", "Text2"}, {"周长 P =", "Text3"}}},
        {"parallelogram sides, angle, area",
         SolveParallelogramAngle,
         ExplainParallelogramAngle,
         {"Text1", "Text2", "Text3", "Text4"},
         3,
         {"opt1", "opt2"},
         {{"底边 a =", "Text1"}, {"邻边 b =", "Text2"}, {"夹角 θ₁ =", "Text3"}, {"面积 S =", "Text4"}}},
        {"cylinder",
         CylinderCompute,
         ExplainCylinder,
         {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7"},
         2,
         {},
         kCylinder,
         true},
        {"cuboid",
         CuboidCompute,
         ExplainCuboid,
         {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"},
         3,
         {},
         {{"长 a =", "Text1"},
          {"宽 b =", "Text2"},
          {"高 c =", "Text3"},
          {"横截面积 A =", "Text4"},
          {"表面积 S =", "Text5"},
          {"体积 V =", "Text6"}},
         true},
        {"cube from edge", CubeFromEdge, ExplainCubeFromEdge, {"Text1"}, 1, {}, kCube},
        {"cube from edge sum", CubeFromEdgeSum, ExplainCubeFromEdgeSum, {"Text2"}, 1, {}, kCube},
        {"cube from surface", CubeFromSurface, ExplainCubeFromSurface, {"Text3"}, 1, {}, kCube},
        {"cube from volume", CubeFromVolume, ExplainCubeFromVolume, {"Text4"}, 1, {}, kCube},
        {"triangle from three sides",
         TriangleFromThreeSides,
         ExplainTriangleFromThreeSides,
         {"Text1", "Text2", "Text3"},
         3,
         {},
         {{"周长 P =", "txt1"},
          {"面积 S =", "txt2"},
          {"BC 上的高 h₁ =", "txt3"},
          {"AC 上的高 h₂ =", "txt4"},
          {"AB 上的高 h₃ =", "txt5"},
          {"角 A =", "txt6"},
          {"角 B =", "txt8"},
          {"角 C =", "txt10"},
          {"外接圆半径 R =", "txt12"},
          {"内切圆半径 r =", "txt13"}},
         false,
         true},
        {"triangle sides and angles",
         TriangleSidesAndAngles,
         ExplainTriangleSidesAndAngles,
         {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"},
         3,
         {"Opt1", "Opt2"},
         {{"边 a =", "Text2"}, {"边 b =", "Text4"}, {"边 c =", "Text6"}}},
        {"right triangle",
         SolveRightTriangle,
         ExplainRightTriangle,
         {"Text1", "Text2", "Text3", "Text4"},
         2,
         {},
         {{"第一直角边 a =", "Text1"}, {"第二直角边 b =", "Text2"}, {"斜边 c =", "Text3"}, {"面积 S =", "Text4"}}},
        {"triangle sides, perimeter, area",
         TriangleSidesPerimeterArea,
         ExplainTriangleSidesPerimeterArea,
         {"Text1", "Text2", "Text3", "Text4", "Text5"},
         3,
         {},
         {{"第三边 c =", "Text3"},
          {"周长 P =", "Text4"},
          {"面积 S =", "Text5"},
          {"第三边 c₁ =", "Text3"},
          {"周长 P₁ =", "Text4"}}},
        {"triangle base, height, area",
         TriangleBaseHeightArea,
         ExplainTriangleBaseHeightArea,
         {"Text1", "Text2", "Text3"},
         2,
         {},
         {{"底 a =", "Text1"}, {"高 h =", "Text2"}, {"面积 S =", "Text3"}}},
        {"equilateral triangle",
         SolveEquilateralTriangle,
         ExplainEquilateralTriangle,
         {"Text1", "Text2", "Text3", "Text4"},
         1,
         {},
         {{"边长 a =", "Text1"}, {"周长 P =", "Text2"}, {"高 h =", "Text3"}, {"面积 S =", "Text4"}}},
        // A field "Text5:x=" is the number after "x=" in Text5; "#5" marks a value the
        // window rounds to 5 decimals, "#s" one it computes in single precision.
        {"quadratic equation",
         QuadraticEquation,
         ExplainQuadraticEquation,
         {"Text1", "Text2", "Text3"},
         3,
         {},
         {{"根 X1 =", "Text5"}, {"根 X2 =", "Text4"}},
         true},
        {"two linear equations",
         TwoLinearEquations,
         ExplainTwoLinearEquations,
         {"Text1", "Text2", "Text6", "Text3", "Text4", "Text7"},
         6,
         {},
         {{"x =", "Text5:x=#5"}, {"y =", "Text5:y="}}},
        {"three linear equations",
         ThreeLinearEquations,
         ExplainThreeLinearEquations,
         {"Text1(1)", "Text1(2)", "Text1(3)", "Text1(4)", "Text1(5)", "Text1(6)", "Text1(7)", "Text1(8)", "Text1(9)",
          "Text1(10)", "Text1(11)", "Text1(12)"},
         12,
         {},
         {{"x =", "Text2:x=#5"}, {"y =", "Text2:y=#5"}, {"z =", "Text2:z="}},
         false,
         false,
         "请下载更新版本"},
        {"angle and its functions",
         AngleAndFunctions,
         ExplainAngleAndFunctions,
         {"Text1", "Text2", "Text5", "Text6", "Text7", "Text8"},
         1,
         {},
         {{"角度 α =", "Text1"},
          {"弧度 α =", "Text2"},
          {"正弦 sin α =", "Text5"},
          {"余弦 cos α =", "Text6"},
          {"正切 tan α =", "Text7#s"},
          {"余切 cot α =", "Text8#s"}}},
    };
    return subjects;
}

// The text a pupil might type: mostly small whole numbers and one-place decimals, now
// and then a negative number, a zero or a π of the circle window.
QString RandomText(QRandomGenerator& random, const QString& field, const Subject& s) {
    if (s.computation == CircleFromRadius || s.computation == CircleFromDiameter ||
        s.computation == CircleFromCircumference || s.computation == CircleFromArea) {
        if (field == "Text5") return QStringList{"3.14", "3.1415926", "3", "", "22/7"}[random.bounded(5)];
    }
    const bool angleField = s.computation == TriangleSidesAndAngles
                                ? QStringList{"Text1", "Text3", "Text5"}.contains(field)
                                : field == (s.computation == SolveChord ? "Text4" : "Text3");
    if (!s.angleUnit.isEmpty() && angleField && random.bounded(2))
        return QString::number(QList<int>{30, 45, 60, 90, 120, 135, 150, 180}[random.bounded(8)]);
    if (s.computation == AngleAndFunctions) {
        // Special angles and others; tangents and cotangents whose single-precision value
        // is exact, so that the window's angle is the typed one. Multiples of 180° are
        // left out: there the window writes a huge number for an undefined function.
        if (field == "Text1" && random.bounded(2))
            return QString::number(
                QList<int>{15, 30, 45, 60, 75, 90, 120, 135, 150, -30, 210, 300}[random.bounded(12)]);
        if (field == "Text5" || field == "Text6")
            return QStringList{"0.5", "-0.5", "0.3", "-0.8", "1", "-1", "2", "0.25"}[random.bounded(8)];
        if (field == "Text7") return QStringList{"1", "-1", "2", "0.5", "3", "-2.5", "0.125"}[random.bounded(7)];
        if (field == "Text8") return QStringList{"1", "2", "4", "-0.5", "0.25", "-8"}[random.bounded(6)];
    }
    const bool equations = s.computation == TwoLinearEquations || s.computation == ThreeLinearEquations;
    if (equations && random.bounded(6) == 0) return "0";  // an unknown missing from an equation
    const int kind = random.bounded(10);
    if (kind == 0) return QString::number(-1 - random.bounded(50));
    if (kind < 5) return QString::number(1 + random.bounded(99));
    return QString::number(random.bounded(1, 1000) / 10.0);
}

// Whether QuadraticRoots still holds its discriminant in single precision: then the
// roots of x² − 10000x + 1 = 0 come out as 10000 and 0 instead of 9999.9999 and 0.0001.
bool SinglePrecisionQuadratic() {
    FakeForm form;
    double first = 0, second = 0;
    QuadraticRoots(form, 1, -10000, 1, first, second);
    return second == 0;
}

// The last number of a line: the decimal of its result.
double LastNumber(const QString& line) {
    static const QRegularExpression number("(-?\\d+(?:\\.\\d+)?(?:E[+-]\\d+)?)(?!.*\\d)");
    const QRegularExpressionMatch m = number.match(line);
    return m.hasMatch() ? m.captured(1).toDouble() : std::nan("");
}

// Where a solution's quantity stands in the window: a field, or the number after a label
// inside a field's line of text, perhaps rounded to 5 decimals or in single precision.
struct Field {
    std::string name;
    QString label;
    bool fiveDecimals = false, single = false;
};

Field Parsed(QString place) {
    Field f;
    f.fiveDecimals = place.endsWith("#5");
    f.single = place.endsWith("#s");
    if (f.fiveDecimals || f.single) place.chop(2);
    const qsizetype colon = place.indexOf(':');
    f.name = place.left(colon).toStdString();
    if (colon >= 0) f.label = place.mid(colon + 1);
    return f;
}

// The field's text, or the part after the label up to the next blank.
QString FieldValue(const FakeForm& form, const Field& field) {
    const QString text = QString::fromStdString(form.text(field.name));
    if (field.label.isEmpty()) return text;
    const qsizetype at = text.indexOf(field.label);
    if (at < 0) return {};
    const qsizetype from = at + field.label.size();
    const qsizetype end = text.indexOf(' ', from);
    return text.mid(from, end < 0 ? -1 : end - from);
}

// The last angle in degrees on a line: the number before its last "°".
double LastDegrees(const QString& line) {
    static const QRegularExpression number("(-?\\d+(?:\\.\\d+)?(?:E[+-]\\d+)?)°(?!.*°)");
    const QRegularExpressionMatch m = number.match(line);
    return m.hasMatch() ? m.captured(1).toDouble() : std::nan("");
}

// Every exact form a line joins to a decimal ("= 5√2 ≈ 7.07106781186548",
// "= 12/5 = 2.4", "= arcsin(5/6) ≈ 56.4426902380793°") against its value in quadruple
// precision: "=" only where the two are equal, "≈" only before the value correctly rounded
// to its 15 digits. Returns the forms checked; *fault says the first that fails.
int CheckDecimals(const QString& line, QString* fault) {
    static const QRegularExpression joined(
        "= ([-0-9.()+√∛π/°E]+|-?arc(?:sin|cos|tan)\\([-0-9.()+√∛π/E]+\\)) (=|≈) "
        "(-?\\d+(?:\\.\\d+)?(?:E[+-]\\d+)?)(?![-+0-9./√∛π(E])(°)?");
    int checked = 0;
    for (auto it = joined.globalMatch(line); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QString form = m.captured(1);
        const bool formInDegrees = form.endsWith("°");
        if (formInDegrees) form.chop(1);
        // A rounded decimal put into a formula (√4993.90502599883, √1414.4250992714) is no exact
        // form: the inputs here have at most a few digits.
        static const QRegularExpression manyDigits("\\d{12}");
        std::optional<__float128> v = QuadValue(form.toStdString());
        if (!v || form.contains("°") || QString(form).remove('.').contains(manyDigits)) continue;
        // An angle written as a function of its sine names the angle in radians.
        if (!m.captured(4).isEmpty() && !formInDegrees) *v = *v * 180 / QuadPi();
        const __float128 shown = strtoflt128(m.captured(3).toStdString().c_str(), nullptr);
        const __float128 size = fabsq(shown) > 0 ? fabsq(shown) : fabsq(*v);
        const bool equal = fabsq(*v - shown) <= __float128(1e-28) * (size > 1 ? size : 1);
        bool good = equal;
        if (m.captured(2) == "≈" && size > 0) {
            // Half a unit in the 15th significant digit.
            const __float128 half = __float128(0.5) * powq(10, floorq(log10q(size)) - 14);
            good = fabsq(*v - shown) <= half * (1 + __float128(1e-9));
        }
        ++checked;
        if (!good && fault->isEmpty()) {
            char exact[64];
            quadmath_snprintf(exact, sizeof exact, "%.30Qg", *v);
            *fault = QString("%1: %2 is %3").arg(line, m.captured(0), exact);
        }
    }
    return checked;
}

}  // namespace

class SolutionsTest : public QObject {
    Q_OBJECT

private slots:
    void cases_data() {
        QTest::addColumn<Explanation>("explanation");
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("lines");  // each appears in the plain text
        auto row = [](const char* name, Explanation e, const char* fields, QStringList options, QStringList lines) {
            QTest::newRow(name) << e << QString(fields) << options << lines;
        };
        row("square of side 5 has the diagonal 5√2", ExplainSquareFromSide, "Text1=5", {},
            {"已知 a = 5", "周长 P = 4a = 4 × 5 = 20", "面积 S = a² = 5² = 25",
             "对角线 d = √2·a = √2 × 5 = 5√2 ≈ 7.07106781186548", "答：周长为 20，面积为 25，对角线为 5√2。"});
        row("square of area 50 has the side 5√2 and the perimeter 20√2", ExplainSquareFromArea, "Text3=50", {},
            {"边长 a = √S = √50 = 5√2 ≈ 7.07106781186548", "周长 P = 4a = 4 × 5√2 = 20√2 ≈ 28.2842712474619",
             "对角线 d = √2·a = √2 × 5√2 = 10"});
        row("square of diagonal 10 has the side 5√2", ExplainSquareFromDiagonal, "Text4=10", {},
            {"边长 a = d/√2 = 10/√2 = 5√2 ≈ 7.07106781186548", "面积 S = a² = (5√2)² = 50"});
        row("square side typed as 2.5 is read exactly", ExplainSquareFromSide, "Text1=2.5", {},
            {"已知 a = 2.5", "面积 S = a² = 2.5² = 25/4 = 6.25"});
        row("square of area 1E+300: a root beyond the fields is still exact", ExplainSquareFromArea, "Text3=1e300", {},
            {"边长 a = √S = √(1E+300) = 1E+150", "答：边长为 1E+150"});
        row("square of a side just over 1: a product that ends is written whole, a long one is said to be",
            ExplainSquareFromSide, "Text1=1.000000000000001", {},
            {"周长 P = 4a = 4 × 1.000000000000001 = 4.000000000000004",
             "面积 S = a² = 1.000000000000001² ≈ 1（精确值太长，这里只写出四舍五入后的小数）", "面积约为 1"});
        row("square of negative area has no side", ExplainSquareFromArea, "Text3=-4", {},
            {"边长 a = √S = √(-4)：负数不能开平方，所以无法计算。"});
        row("rectangle of a long perimeter and a small area: the window loses the short side's digits",
            ExplainRectangle, "Text3=123456.789012345;Text4=4", {},
            {"≈ 6.48000006512248E-05", "窗口的小数计算在这里丢失了有效数字（窗口中 b = 6.48000059300102E-05）"});
        row("rectangle 1 by 2 has the diagonal √5", ExplainRectangle, "Text1=1;Text2=2", {},
            {"对角线 d = √(a² + b²) = √(1² + 2²) = √5 ≈ 2.23606797749979"});
        row("rectangle from perimeter and area takes the longer side as a", ExplainRectangle, "Text3=10;Text4=5", {},
            {"一边 a = (P + √(P² − 16S))/4 = (10 + √(10² − 16 × 5))/4 = (5+√5)/2 ≈ 3.61803398874989"});
        row("rectangle with a diagonal shorter than its side", ExplainRectangle, "Text1=5;Text5=3", {},
            {"另一边 b = √(d² − a²) = √(3² − 5²)：负数不能开平方，所以无法计算。"});
        row("rectangle with one quantity computes nothing", ExplainRectangle, "Text2=4", {},
            {"需要两个不为 0 的已知量"});
        row("circle of radius 5 with π 3.14", ExplainCircleFromRadius, "Text1=5;Text5=3.14", {},
            {"直径 d = 2r = 2 × 5 = 10", "周长 C = πd = π × 10 = 10π，π 取 3.14 时 C = 31.4",
             "面积 S = πr² = π × 5² = 25π，π 取 3.14 时 S = 78.5"});
        row("circle of area 314 with π 3.14 has the radius 10", ExplainCircleFromArea, "Text4=314;Text5=3.14", {},
            {"半径 r = √(S/π) = √(314/π) = √(314π)/π，π 取 3.14 时 r = 10"});
        row("circle without π says that π is not chosen", ExplainCircleFromCircumference, "Text3=10", {},
            {"圆周率 π 还没有选定（π 的文本框为空或为 0），所以窗口提示“无法计算，请检查输入的数据”"});
        row("chord of radius 5 and length 8", ExplainChord, "Text1=5;Text2=8", {"opt2"},
            {"弦心距 d = √(r² − (c/2)²) = √(5² − (8/2)²) = 3",
             "圆心角 θ = 2arctan((c/2)/d) = 2arctan((8/2)/3) = 2arctan(4/3) ≈ 106.260204708312°"});
        row("chord from an angle in radians: decimals marked as such, in the answer too", ExplainChord,
            "Text3=3;Text4=1", {"opt1"},
            {"已知 θ = 1（弧度）≈ 57.2957795130823°，d = 3",
             "半径 r = d/cos(θ/2) = 3/cos(0.5（弧度）) ≈ 3.41848178197365", "半径约为 3.41848178197365"});
        row("chord in radians", ExplainChord, "Text1=5;Text2=8", {"opt1"}, {"2arctan(4/3) ≈ 1.85459043600322（弧度）"});
        row("chord from 60 degrees and radius 5", ExplainChord, "Text1=5;Text4=60", {"opt2"},
            {"弦心距 d = r·cos(θ/2) = 5 × cos(30°) = 5√3/2 ≈ 4.33012701892219", "弦长 c = 2√(r² − d²)"});
        row("chord longer than the diameter", ExplainChord, "Text1=5;Text2=12", {"opt2"}, {"负数不能开平方"});
        // Decimals where digits cancel are those of the exact value (computed apart in decimal
        // arithmetic to 120 digits).
        row("chord of a half angle just short of a right angle", ExplainChord, "Text4=3.14159265358979;Text1=2.5",
            {"opt1"}, {"弦心距 d = r·cos(θ/2)", " ≈ 4.0480783042291E-15"});
        row("trapezoid without bases divides by 0", ExplainTrapezoid, "Text4=9", {},
            {"上底与下底的和 a + b = 0。", "除数为 0，所以无法计算。"});
        row("trapezoid 2, 4, height 3", ExplainTrapezoid, "Text1=2;Text2=4;Text3=3", {},
            {"面积 S = (a + b)h/2 = (2 + 4) × 3/2 = 9"});
        row("parallelogram 2, 3, 60° has the area 3√3", ExplainParallelogramAngle, "Text1=2;Text2=3;Text3=60", {"opt2"},
            {"sin 60° = √3/2", "面积 S = ab·sin θ = 2 × 3 × sin 60° = 3√3 ≈ 5.19615242270663"});
        row("parallelogram angle from its area: both angles", ExplainParallelogramAngle, "Text1=2;Text2=3;Text4=3",
            {"opt2"}, {"夹角 θ₁ = arcsin(S/(ab)) = 30°", "夹角 θ₂ = 180° − θ₁ = 150°"});
        row("parallelogram angle from its area: the obtuse one is rounded", ExplainParallelogramAngle,
            "Text1=2;Text2=3;Text4=5", {"opt2"},
            {"夹角 θ₂ = 180° − θ₁ ≈ 123.557309761921°", "或约为 123.557309761921°。"});
        row("parallelogram area too large for its sides", ExplainParallelogramAngle, "Text1=2;Text2=3;Text4=7",
            {"opt2"}, {"正弦值不能大于 1 或小于 -1"});
        row("parallelogram 4 by 3", ExplainParallelogramArea, "Text1=4;Text2=3", {}, {"面积 S = ah = 4 × 3 = 12"});
        row("parallelogram area of all three typed comes from base and height", ExplainParallelogramArea,
            "Text1=4;Text2=3;Text3=99", {}, {"已知 a = 4，h = 3\n面积 S = ah = 4 × 3 = 12"});
        row("parallelogram base from height and area", ExplainParallelogramArea, "Text2=3;Text3=12", {},
            {"已知 h = 3，S = 12\n底 a = S/h = 12/3 = 4"});
        row("parallelogram base from its other side and perimeter", ExplainParallelogramPerimeter, "Text2=5;Text3=16",
            {}, {"已知 b = 5，P = 16\n底边 a = P/2 − b = 16/2 − 5 = 3"});
        row("parallelogram side from perimeter", ExplainParallelogramPerimeter, "Text1=3;Text3=16", {},
            {"邻边 b = P/2 − a = 16/2 − 3 = 5"});
        row("cylinder of radius 2, height 5 with π 3.14", ExplainCylinder, "Text1=2;Text6=5", {},
            {"侧面积 S侧 = Ch = 4π × 5 = 20π，π 取 3.14 时 S侧 = 62.8",
             "表面积 S表 = S侧 + 2S底 = 20π + 2 × 4π = 28π，π 取 3.14 时 S表 = 87.92"});
        // The window's 3.14 stays out of the exact lines: S侧 = 12.56 − 2π, not 12.56 − 6.28.
        row("cylinder from radius and surface", ExplainCylinder, "Text1=1;Text4=12.56", {},
            {"侧面积 S侧 = S表 − 2S底 = 12.56 − 2 × π = 12.56-2π，π 取 3.14 时 S侧 = 6.28",
             "高 h = S侧/C = (12.56-2π)/(2π) = 157/(25π)-1，π 取 3.14 时 h = 1",
             "体积 V = S底·h = π × (157/(25π)-1) = 6.28-π，π 取 3.14 时 V = 3.14"});
        row("cylinder from radius and surface: a height that is no fraction with 3.14", ExplainCylinder,
            "Text1=2;Text4=100", {}, {"= 100-8π，π 取 3.14 时 V = 74.88"});
        row("cylinder from base area and height: the root of pi in the numerator", ExplainCylinder, "Text7=50;Text6=1",
            {}, {"底面半径 r = √(S底/π) = √(50/π) = 5√(2π)/π，π 取 3.14 时 r ≈ 3.99043442233811"});
        row("cylinder from height and surface: the positive root", ExplainCylinder, "Text6=5;Text4=87.92", {},
            {"方程有两个不相等的实数根", "r₂ ≤ 0，舍去（半径必须是正数），所以 r = r₁。", "底面半径 r = r₁ = 2"});
        row("cylinder with both roots negative", ExplainCylinder, "Text6=10;Text4=-10", {},
            {"两个根都是负数", "答：无解"});
        row("cylinder with no real root", ExplainCylinder, "Text6=1;Text4=-10", {}, {"< 0，方程没有实数根。"});
        row("cylinder from surface and volume", ExplainCylinder, "Text4=87.92;Text5=62.8", {}, {"请下载更新版本"});
        row("cuboid: the larger root is the width", ExplainCuboid, "Text1=2;Text4=12;Text5=52", {},
            {"宽取较大的根", "宽 b = ((b + c) + √Δ)/2 = (7 + √1)/2 = 4", "高 c = ((b + c) − √Δ)/2 = (7 − √1)/2 = 3"});
        row("cuboid with no real width and height", ExplainCuboid, "Text1=1;Text4=10;Text5=30", {},
            {"< 0，方程没有实数根。", "答：无解"});
        row("cuboid of equal width and height", ExplainCuboid, "Text1=2;Text4=9;Text5=42", {},
            {"Δ = (b + c)² − 4A = 6² − 4 × 9 = 0 = 0，方程有两个相等的实数根，宽与高相等。",
             "宽 b = ((b + c) + √Δ)/2 = (6 + √0)/2 = 3"});
        row("cuboid combination the window does not solve", ExplainCuboid, "Text1=2;Text3=4;Text6=24", {},
            {"这组已知量不在本窗口能解的情形之内"});
        row("cube of volume 16 has the edge 2∛2", ExplainCubeFromVolume, "Text4=16", {},
            {"棱长 a = ∛V = ∛16 = 2∛2 ≈ 2.51984209978975"});
        row("cube of negative volume", ExplainCubeFromVolume, "Text4=-8", {}, {"体积是负数"});
        row("cube field that is not one number", ExplainCubeFromEdge, "Text1=5cm", {}, {"填入的内容不是一个数"});
        row("circle of negative area", ExplainCircleFromArea, "Text4=-5;Text5=3.14", {}, {"负数不能开平方"});
        row("circle with a typed π", ExplainCircleFromRadius, "Text1=1;Text5=3", {}, {"2π，π 取 3 时 C = 6"});
        row("trapezoid with all four filled", ExplainTrapezoid, "Text1=2;Text2=4;Text3=3;Text4=9", {},
            {"四个量都已填写，没有要求的量，所以不计算。"});
        row("chord from a full turn", ExplainChord, "Text2=8;Text4=360", {"opt2"},
            {"θ = 360°：不在 0° 与 180° 之间，不能作圆心角，所以无法计算。", "答：这样的弦不存在。"});
        row("parallelogram with a straight angle", ExplainParallelogramAngle, "Text1=2;Text3=180;Text4=3", {"opt2"},
            {"θ = 180°：不在 0° 与 180° 之间，不能作平行四边形的夹角，所以无法计算。"});
        row("parallelogram with an angle of 60 radians", ExplainParallelogramAngle, "Text1=2;Text2=3;Text3=60",
            {"opt1"}, {"θ = 60（弧度） ≈ 3437.74677078494°：不在 0° 与 180° 之间", "答：这样的平行四边形不存在。"});
        row("cylinder surface below its lateral area", ExplainCylinder, "Text3=62.8;Text4=50", {},
            {"底面积 S底 = (S表 − S侧)/2 = (50 − 62.8)/2 = -32/5 = -6.4", "负数不能开平方"});
        row("cylinder surface equal to its lateral area", ExplainCylinder, "Text3=62.8;Text4=62.8", {},
            {"除数为 0，所以无法计算。"});
        row("cylinder of height and volume of opposite signs", ExplainCylinder, "Text6=5;Text5=-62.8", {},
            {"负数不能开平方"});
        row("cylinder of negative base area alone", ExplainCylinder, "Text7=-3", {}, {"负数不能开平方"});
        row("cuboid whose length is minus its width", ExplainCuboid, "Text1=2;Text2=-2;Text5=52", {},
            {"长与宽的和 a + b = 0。", "除数为 0，所以无法计算。"});
        row("a number beyond the double range", ExplainSquareFromSide, "Text1=1e400", {}, {"超出计算范围"});
        row("a result beyond the double range", ExplainSquareFromSide, "Text1=1e200", {},
            {"周长 P = 4a = 4 × 1E+200 = 4E+200", "面积 S = a² = (1E+200)²：超出计算范围"});

        // The quadratic equation: the case Δ decides, the roots as X1 (minus √Δ) and X2.
        // A given is written as it was typed, not rounded to the 15 digits of a result.
        row("a constant just above 1 is written whole", ExplainQuadraticEquation,
            "Text1=1;Text2=-2;Text3=1.000000000000001", {},
            {"已知 A = 1，B = -2，C = 1.000000000000001", "4 × 1 × 1.000000000000001 = -4E-15 < 0"});
        row("coefficients whose squares leave the fields: the window refuses, the panel says so",
            ExplainQuadraticEquation, "Text1=1e200;Text2=1e200;Text3=1e200", {},
            {"= -3E+400 < 0", "超出了数的范围", "提示“无法计算，请检查输入的数据”"});
        row("x² − 3x + 2 = 0 has the roots 1 and 2", ExplainQuadraticEquation, "Text1=1;Text2=-3;Text3=2", {},
            {"方程 x² − 3x + 2 = 0", "Δ = B² − 4AC = (-3)² − 4 × 1 × 2 = 1 > 0，方程有两个不相等的实数根。",
             "根 X1 = (−B − √Δ)/(2A) = (3 − √1)/(2 × 1) = 1", "答：X1 = 1，X2 = 2。"});
        row("x² − x − 1 = 0 has the roots (1±√5)/2", ExplainQuadraticEquation, "Text1=1;Text2=-1;Text3=-1", {},
            {"根 X2 = (−B + √Δ)/(2A) = (1 + √5)/(2 × 1) = (1+√5)/2 ≈ 1.61803398874989",
             "答：X1 = (1-√5)/2，X2 = (1+√5)/2。"});
        row("3x² − 2x = 0 has the roots 0 and 2/3", ExplainQuadraticEquation, "Text1=3;Text2=-2;Text3=0", {},
            {"方程 3x² − 2x = 0", "答：X1 = 0，X2 = 2/3。"});
        row("x² − 2x − 1 = 0 has the roots 1±√2", ExplainQuadraticEquation, "Text1=1;Text2=-2;Text3=-1", {},
            {"答：X1 = 1-√2，X2 = 1+√2。"});
        row("x² + 2x + 5 = 0 has no real root", ExplainQuadraticEquation, "Text1=1;Text2=2;Text3=5", {},
            {"Δ = B² − 4AC = 2² − 4 × 1 × 5 = -16 < 0，方程没有实数根。", "答：Δ < 0，方程没有实数根"});
        row("x² + 2x + 1 = 0 has a double root", ExplainQuadraticEquation, "Text1=1;Text2=2;Text3=1", {},
            {"= 0，方程有两个相等的实数根。", "答：X1 = -1，X2 = -1。"});
        row("a coefficient beyond the double range is too large, not \"no number\"", ExplainQuadraticEquation,
            "Text1=1e400;Text2=2;Text3=1", {}, {"已知 A：超出计算范围"});
        row("a coefficient 0.5 is read as 1/2", ExplainQuadraticEquation, "Text1=0.5;Text2=-1;Text3=-1", {},
            {"方程 0.5x² − x − 1 = 0", "答：X1 = 1-√3，X2 = 1+√3。"});
        row("a discriminant the field arithmetic cancels away: the exact roots", ExplainQuadraticEquation,
            "Text1=1;Text2=2.0000001;Text3=1.0000001", {},
            {"2.0000001² − 4 × 1 × 1.0000001 = 1E-14 > 0", "窗口的小数计算在这里丢失了有效数字",
             "答：X1 = -1.0000001，X2 = -1。"});
        row("A = 0 is no quadratic equation", ExplainQuadraticEquation, "Text1=0;Text2=2;Text3=-4", {},
            {"二次项系数 A = 0：这不是一元二次方程（A 不能为 0），所以无法计算。", "x = −C/B = 4/2 = 2"});
        row("a coefficient that is not one number", ExplainQuadraticEquation, "Text1=2x;Text2=1;Text3=1", {},
            {"填入的内容不是一个数"});
        // Two linear equations a·x + b·y + c = 0 by determinants.
        row("a root whose digits cancel in the discriminant", ExplainQuadraticEquation, "Text1=1e-200;Text2=1;Text3=1",
            {}, {"答：X1 ≈ -1E+200，X2 ≈ -1。"});
        row("x + y = 3 and 2x − y = 4 give 7/3 and 2/3", ExplainTwoLinearEquations,
            "Text1=1;Text2=1;Text6=-3;Text3=2;Text4=-1;Text7=-4", {},
            {"已知 ① x + y − 3 = 0，② 2x − y − 4 = 0", "D = a₁b₂ − a₂b₁ = 1 × (-1) − 2 × 1 = -3",
             "Dx = b₁c₂ − b₂c₁ = 1 × (-4) − (-1) × (-3) = -7", "x = Dx/D = (-7)/(-3) = 7/3 ≈ 2.33333333333333",
             "y = Dy/D = (-2)/(-3) = 2/3 ≈ 0.666666666666667", "窗口中的 x 保留 5 位小数。", "答：x = 7/3，y = 2/3。"});
        row("one line written twice has infinitely many solutions", ExplainTwoLinearEquations,
            "Text1=1;Text2=1;Text6=-1;Text3=2;Text4=2;Text7=-2", {}, {"是同一个方程", "答：方程组有无数组解"});
        row("decimal coefficients of one line are read exactly", ExplainTwoLinearEquations,
            "Text1=0.1;Text2=0.3;Text6=-1;Text3=0.3;Text4=0.9;Text7=-3", {}, {"答：方程组有无数组解"});
        row("parallel lines have no solution", ExplainTwoLinearEquations,
            "Text1=1;Text2=1;Text6=-1;Text3=2;Text4=2;Text7=-3", {},
            {"D = 0 而 Dx ≠ 0，两个方程互相矛盾，方程组无解。"});
        row("x = 3 for every y", ExplainTwoLinearEquations, "Text1=2;Text6=-6;Text3=1;Text7=-3", {},
            {"答：x = 3，y 为任何实数。"});
        row("an equation without unknowns", ExplainTwoLinearEquations, "Text6=5;Text3=2;Text7=1", {},
            {"方程①化为 5 = 0，不成立，所以方程组无解。"});
        row("empty fields are no system", ExplainTwoLinearEquations, "", {}, {"答：这个不是二元一次方程组。"});
        // Three linear equations: x eliminated, then the pair in y and z.
        row("x + y + z = 6, x − y + z = 2, 2x + y − z = 1 give 1, 2, 3", ExplainThreeLinearEquations,
            "Text1(1)=1;Text1(2)=1;Text1(3)=1;Text1(4)=-6;Text1(5)=1;Text1(6)=-1;Text1(7)=1;Text1(8)=-2;"
            "Text1(9)=2;Text1(10)=1;Text1(11)=-1;Text1(12)=-1",
            {}, {"① × 1 − ② × 1 得 ④ 2y − 4 = 0", "② × 2 − ③ × 1 得 ⑤ -3y + 3z − 3 = 0", "答：x = 1，y = 2，z = 3。"});
        row("a first coefficient 0: another row eliminates x", ExplainThreeLinearEquations,
            "Text1(2)=1;Text1(3)=1;Text1(4)=-5;Text1(5)=1;Text1(6)=1;Text1(8)=-3;Text1(9)=1;Text1(11)=1;Text1(12)=-4",
            {}, {"所以换一个方程来消元", "换用方程②消去另外两个方程中的 x", "答：x = 1，y = 2，z = 3。"});
        row("thirds are fractions", ExplainThreeLinearEquations,
            "Text1(1)=3;Text1(2)=3;Text1(3)=3;Text1(4)=-3;Text1(5)=1;Text1(6)=2;Text1(7)=3;Text1(8)=-2;"
            "Text1(9)=2;Text1(10)=1;Text1(11)=3;Text1(12)=-2",
            {}, {"z = Dz/D", "窗口中的 x、y 保留 5 位小数。", "答：x = 1/3，y = 1/3，z = 1/3。"});
        row("two equal planes and a third: infinitely many", ExplainThreeLinearEquations,
            "Text1(1)=1;Text1(2)=1;Text1(3)=1;Text1(4)=-3;Text1(5)=2;Text1(6)=2;Text1(7)=2;Text1(8)=-6;"
            "Text1(9)=1;Text1(10)=2;Text1(11)=3;Text1(12)=-6",
            {}, {"请下载更新版本", "答：方程组有无数组解。"});
        row("two parallel planes: no solution", ExplainThreeLinearEquations,
            "Text1(1)=1;Text1(2)=1;Text1(3)=1;Text1(4)=-3;Text1(5)=2;Text1(6)=2;Text1(7)=2;Text1(8)=-5;"
            "Text1(9)=1;Text1(10)=2;Text1(11)=3;Text1(12)=-6",
            {}, {"答：方程组无解。"});
        // An angle and its functions: exact at the special angles.
        row("sin 30° = 1/2", ExplainAngleAndFunctions, "Text1=30", {},
            {"已知 α = 30°", "弧度 α = 30° × π/180 = π/6 ≈ 0.523598775598299", "正弦 sin α = sin 30° = 1/2 = 0.5",
             "余切 cot α = cot 30° = √3 ≈ 1.73205080756888"});
        row("cos 45° = √2/2", ExplainAngleAndFunctions, "Text1=45", {}, {"cos 45° = √2/2 ≈ 0.707106781186548"});
        row("tan 60° = √3", ExplainAngleAndFunctions, "Text1=60", {}, {"tan 60° = √3 ≈ 1.73205080756888"});
        row("120° = 2π/3 rad", ExplainAngleAndFunctions, "Text1=120", {},
            {"弧度 α = 120° × π/180 = 2π/3 ≈ 2.0943951023932", "cos 120° = -1/2 = -0.5"});
        row("sin 15° = (√6-√2)/4", ExplainAngleAndFunctions, "Text1=15", {},
            {"sin 15° = (√6-√2)/4 ≈ 0.258819045102521"});
        row("tan 90° has no meaning", ExplainAngleAndFunctions, "Text1=90", {},
            {"正切 tan α = tan 90°：cos α = 0，除数为 0，所以 tan α 无意义。", "余切 cot α = cot 90° = 0"});
        row("tan 270°: the window's huge number explained", ExplainAngleAndFunctions, "Text1=270", {},
            {"所以 tan α 无意义（窗口用 π 的近似值计算，写出的是一个绝对值很大的数）"});
        row("the radian text of a right angle", ExplainAngleAndFunctions, "Text2=1.57079632679489", {},
            {"窗口把弧度 1.57079632679489 当作直角 π/2。", "tan α 无意义"});
        row("a negative angle in parentheses", ExplainAngleAndFunctions, "Text1=-180", {},
            {"弧度 α = (-180°) × π/180 = -π", "正弦 sin α = sin(-180°) = 0", "余弦 cos α = cos(-180°) = -1"});
        row("radians 1: decimals", ExplainAngleAndFunctions, "Text2=1", {},
            {"角度 α = 1 × 180°/π = 180/π° ≈ 57.2957795130823°", "正弦 sin α = sin 1 ≈ 0.841470984807897"});
        row("a sine of 0.5 is 30°", ExplainAngleAndFunctions, "Text5=0.5", {},
            {"角度 α = arcsin(0.5) = 30°", "余弦 cos α = √(1 − sin²α) = √(1 − 0.5²) = √3/2 ≈ 0.866025403784439"});
        row("a sine beyond 1", ExplainAngleAndFunctions, "Text5=2", {}, {"正弦值不能大于 1 或小于 -1"});
        row("a cosine of -1/2 is 120°", ExplainAngleAndFunctions, "Text6=-0.5", {},
            {"角度 α = arccos(-0.5) = 120°", "正切 tan α = sin α/cos α = (√3/2)/(-0.5) = -√3"});
        row("a tangent of 1 is 45°", ExplainAngleAndFunctions, "Text7=1", {},
            {"角度 α = arctan(1) = 45°", "余弦 cos α = 1/√(1 + tan²α) = 1/√(1 + 1²) = √2/2"});
        row("a cotangent of 2", ExplainAngleAndFunctions, "Text8=2", {},
            {"正切 tan α = 1/cot α = 1/2 = 0.5", "arctan(1/2) ≈ 26.565051177078°"});
        row("sine of a decimal close to π", ExplainAngleAndFunctions, "Text2=3.14159265358979", {},
            {"正弦 sin α = sin 3.14159265358979 ≈ 3.23846264338328E-15"});
        row("cosine just past a right angle", ExplainAngleAndFunctions, "Text1=90.0000001", {},
            {"余弦 cos α = cos 90.0000001° ≈ -1.74532925199433E-09",
             "正切 tan α = tan 90.0000001° ≈ -572957795.130823"});
        row("a typed sine near √2/2 is no 45°", ExplainAngleAndFunctions, "Text5=0.707106781186548", {},
            {"角度 α = arcsin(0.707106781186548) ≈ 45°", "答：α ≈ 45°，", "tan α ≈ 1，"});
        row("a typed cosine near √3/2 is no 30°", ExplainAngleAndFunctions, "Text6=0.866025403784439", {},
            {"角度 α = arccos(0.866025403784439) ≈ 30°"});
        row("the cosine of a millionth of a degree is no 1", ExplainAngleAndFunctions, "Text1=1e-06", {},
            {"，cos α ≈ 1，"});
        row("all empty is the angle 0", ExplainAngleAndFunctions, "", {},
            {"余弦 cos α = cos 0° = 1", "余切 cot α = cot 0°：sin α = 0，除数为 0，所以 cot α 无意义。"});
        row("triangle 3, 4, 5: exact area, heights and radii", ExplainTriangleFromThreeSides, "Text1=3;Text2=4;Text3=5",
            {},
            {"cos A = (b² + c² − a²)/(2bc) = (4² + 5² − 3²)/(2 × 4 × 5) = 4/5 = 0.8",
             "角 A = arccos(4/5) ≈ 36.869897645844°", "角 C = arccos(0) = 90° = π/2", "面积 S = ½bc·sin A", " = 6\n",
             "AB 上的高 h₃ = 2S/c = 2 × 6/5 = 12/5 = 2.4", "外接圆半径 R = a/(2sin A)", " = 5/2 = 2.5",
             "内切圆半径 r = 2S/P = 2 × 6/12 = 1"});
        row("a side just under 2 is no side of 2", ExplainTriangleFromThreeSides,
            "Text1=1;Text2=1;Text3=1.9999999999999999", {},
            {"c = AB = 1.9999999999999999", "1 + 1 = 2 > 1.9999999999999999"});
        row("a thin triangle: the window's area has few correct digits", ExplainTriangleFromThreeSides,
            "Text1=1;Text2=1;Text3=1.9999999", {}, {"面积 S = ½bc·sin A", "（窗口中 S = 0.000316227746611283，"});
        row("triangle 2, 3, 4 has the area 3√15/4", ExplainTriangleFromThreeSides, "Text1=2;Text2=3;Text3=4", {},
            {"sin A = √(1 − cos²A) = √(1 − 0.875²) = √15/8", "3√15/4 ≈ 2.90473750965556"});
        row("equal sides give the angle 60° = π/3", ExplainTriangleFromThreeSides, "Text1=1;Text2=1;Text3=1", {},
            {"角 A = arccos(1/2) = 60° = π/3"});
        row("sides 1, 2, 10 make no triangle", ExplainTriangleFromThreeSides, "Text1=1;Text2=2;Text3=10", {},
            {"两边之和 1 + 2 = 3 不大于第三边 10，不能构成三角形", "答：这样的三角形不存在。"});
        row("sides on one line make no triangle", ExplainTriangleFromThreeSides, "Text1=0.3;Text2=0.1;Text3=0.2", {},
            {"两边之和 0.1 + 0.2 = 0.3 不大于第三边 0.3，不能构成三角形（三个点在一条直线上）"});
        row("the prompts of a fresh window read as 0", ExplainTriangleFromThreeSides,
            "Text1=请输入数据;Text2=请输入数据;Text3=请输入数据", {}, {"边长必须大于 0，而 a = 0"});
        row("a thin triangle: the true angle, and why the window shows 0", ExplainTriangleFromThreeSides,
            "Text1=100000000;Text2=100000000;Text3=1", {}, {"窗口显示 C 的角度为 0"});
        row("two sides and the right angle between them", ExplainTriangleSidesAndAngles, "Text2=3;Text4=4;Text5=90",
            {"Opt2"}, {"边 c = √(a² + b² − 2ab·cos C) = √(3² + 4² − 2 × 3 × 4 × cos 90°) = 5"});
        row("two angles and a side by the sine rule", ExplainTriangleSidesAndAngles, "Text1=30;Text3=60;Text2=1",
            {"Opt2"},
            {"角 C = 180° − A − B = 180° − 30° − 60° = 90° = π/2",
             "边 b = a·sin B/sin A = 1 × sin 60°/sin 30° = √3 ≈ 1.73205080756888"});
        row("two angles without a side", ExplainTriangleSidesAndAngles, "Text1=0.5;Text3=1", {"Opt1"},
            {"已知 A = 0.5（弧度）≈ 28.6478897565412°", "三个角只确定三角形的形状"});
        row("side-side-angle with two triangles", ExplainTriangleSidesAndAngles, "Text1=30;Text2=3;Text4=4", {"Opt2"},
            {"sin B = b·sin A/a = 4 × sin 30°/3 = 2/3", "所以有两个三角形",
             "第三边 c₁ = b·cos A + √(a² − (b·sin A)²) = 4 × cos 30° + √(3² − (4 × sin 30°)²) = 2√3 + √5 ≈ "
             "5.70016959263754",
             "第三边 c₂ = b·cos A − √(a² − (b·sin A)²)", "= 2√3 − √5 ≈ 1.22803363763796"});
        row("side-side-angle: the third side over one denominator", ExplainTriangleSidesAndAngles,
            "Text1=30;Text2=3;Text4=5", {"Opt2"},
            {"A + B₁ ≈ 86.4426902380793° < 180°", "= 5√3/2 + √11/2 = (5√3+√11)/2 ≈ 5.98843941409989",
             "c = (5√3-√11)/2。"});
        row("two sides and a tiny angle between them: the side is rounded", ExplainTriangleSidesAndAngles,
            "Text2=1;Text4=1;Text5=0.01", {"Opt2"}, {"≈ 0.000174532924977909", "c ≈ 0.000174532924977909。"});
        row("side-side-angle with one triangle", ExplainTriangleSidesAndAngles, "Text1=30;Text2=4;Text4=3", {"Opt2"},
            {"舍去", "所以只有一个三角形"});
        row("side-side-angle with no triangle", ExplainTriangleSidesAndAngles, "Text1=30;Text2=1;Text4=4", {"Opt2"},
            {"sin B = b·sin A/a = 4 × sin 30°/1 = 2", "没有三角形"});
        row("side-side-angle with equal sides and an obtuse angle: no triangle", ExplainTriangleSidesAndAngles,
            "Text3=100;Text4=2;Text6=2", {"Opt2"},
            {"C₁ = arcsin(sin C) = 80° = 4π/9", "B + C₁ = 180° ≥ 180°", "答：没有三角形"});
        row("a thin triangle's third side by the cosine rule", ExplainTriangleSidesAndAngles,
            "Text2=1;Text4=1;Text5=0.01", {"Opt2"}, {"cos 0.01°) ≈ 0.000174532924977909"});
        row("side-side-angle with a right angle", ExplainTriangleSidesAndAngles, "Text1=30;Text2=2;Text4=4", {"Opt2"},
            {"B = 90°", "第三边 c = b·cos A + √(a² − (b·sin A)²) = 4 × cos 30° + √(2² − (4 × sin 30°)²) = 2√3 ≈"});
        row("three sides alone give the angles", ExplainTriangleSidesAndAngles, "Text2=3;Text4=4;Text6=5", {"Opt2"},
            {"三条边都已知", "角 C = arccos(0) = 90° = π/2"});
        row("one side alone is not enough", ExplainTriangleSidesAndAngles, "Text2=5", {"Opt2"}, {"已知条件不足"});
        row("right triangle with legs 1 and 1", ExplainRightTriangle, "Text1=1;Text2=1", {},
            {"斜边 c = √(a² + b²) = √(1² + 1²) = √2 ≈ 1.4142135623731", "面积 S = ab/2 = 1 × 1/2 = 1/2 = 0.5"});
        row("right triangle from hypotenuse and area", ExplainRightTriangle, "Text3=5;Text4=6", {},
            {"第一直角边 a = ((a + b) + (a − b))/2 = (7 + 1)/2 = 4", "第二直角边 b = 2S/a = 2 × 6/4 = 3"});
        row("hypotenuse shorter than the leg", ExplainRightTriangle, "Text1=5;Text3=3", {},
            {"斜边必须比直角边长", "负数不能开平方"});
        row("right triangle area too large for its hypotenuse", ExplainRightTriangle, "Text3=2;Text4=2", {},
            {"面积不能大于斜边平方的四分之一", "负数不能开平方"});
        row("right triangle from the second leg alone is not solved", ExplainRightTriangle, "Text2=3;Text3=5", {},
            {"只给第二直角边时"});
        row("Heron for 3, 4, 5", ExplainTriangleSidesPerimeterArea, "Text1=3;Text2=4;Text3=5", {},
            {"面积 S = √(s(s − a)(s − b)(s − c)) = √(6 × 3 × 2 × 1) = 6"});
        row("Heron for 2, 3, 4", ExplainTriangleSidesPerimeterArea, "Text1=2;Text2=3;Text3=4", {},
            {"3√15/4 ≈ 2.90473750965556"});
        row("third side from the perimeter", ExplainTriangleSidesPerimeterArea, "Text1=3;Text2=4;Text4=12", {},
            {"第三边 c = P − a − b = 12 − 3 − 4 = 5"});
        row("two sides and the area give two third sides", ExplainTriangleSidesPerimeterArea,
            "Text1=5;Text2=5;Text5=12", {},
            {"方程有两个不相等的实数根", "第三边 c₁ = √x₁ = √64 = 8", "答：第三边为 8 或 6，周长为 18 或 16。"});
        row("two legs and their area: one third side", ExplainTriangleSidesPerimeterArea, "Text1=3;Text2=4;Text5=6", {},
            {"= 0，方程有两个相等的实数根", "答：第三边为 5，周长为 12。"});
        row("an area too large for two sides", ExplainTriangleSidesPerimeterArea, "Text1=1;Text2=1;Text5=1", {},
            {"< 0，方程没有实数根", "无解"});
        row("Heron for sides that make no triangle", ExplainTriangleSidesPerimeterArea, "Text1=1;Text2=2;Text3=5", {},
            {"两边之和 1 + 2 = 3 不大于第三边 5", "负数不能开平方"});
        row("one side alone gives nothing", ExplainTriangleSidesPerimeterArea, "Text1=3", {}, {"需要三条边"});
        row("triangle of base 5 and height 3", ExplainTriangleBaseHeightArea, "Text1=5;Text2=3", {},
            {"面积 S = ah/2 = 5 × 3/2 = 15/2 = 7.5"});
        row("triangle height from base and area", ExplainTriangleBaseHeightArea, "Text1=6;Text3=12", {},
            {"高 h = 2S/a = 2 × 12/6 = 4"});
        row("triangle area alone gives nothing", ExplainTriangleBaseHeightArea, "Text3=12", {},
            {"需要底、高、面积中两个"});
        row("equilateral triangle of side 2", ExplainEquilateralTriangle, "Text1=2", {},
            {"高 h = √3·a/2 = √3 × 2/2 = √3 ≈ 1.73205080756888", "面积 S = √3·a²/4 = √3 × 2²/4 = √3"});
        row("equilateral triangle from its height", ExplainEquilateralTriangle, "Text3=3", {},
            {"边长 a = 2h/√3 = 2 × 3/√3 = 2√3"});
        row("equilateral triangle of negative area", ExplainEquilateralTriangle, "Text4=-2", {}, {"负数不能开平方"});
        row("equilateral triangle with nothing typed", ExplainEquilateralTriangle, "", {}, {"四个框都写成 0"});
    }
    void cases() {
        QFETCH(Explanation, explanation);
        QFETCH(QString, fields);
        QFETCH(QStringList, options);
        QFETCH(QStringList, lines);
        FakeForm form = Filled(fields);
        for (const QString& o : options) form.options.insert(o.toStdString());
        const WorkedSolution s = exact::Explain(explanation, form);
        const QString plain = QString::fromStdString(s.plain);
        QVERIFY2(plain.startsWith("解："), qPrintable(plain));
        for (const QString& line : lines) QVERIFY2(plain.contains(line), qPrintable(line + "\n---\n" + plain));
        QVERIFY(!s.html.empty());
    }

    // Without the engine module a solution is one line saying so, and the computation of
    // the fields is untouched. Run in a second process that is pointed at no module.
    void withoutTheEngine() {
        if (qEnvironmentVariableIsSet("VELUNDA_EXACT_MODULE")) {
            FakeForm form = Filled("Text1=5");
            QCOMPARE(QString::fromStdString(exact::Explain(ExplainSquareFromSide, form).plain),
                     "精确计算模块无法加载，解题过程暂不可用");
            QVERIFY(form.run(SquareFromSide));
            QCOMPARE(Written(form), "Text2= 20;Text3=25;Text4=7.07106781186548");
            return;
        }
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VELUNDA_EXACT_MODULE", "/nonexistent/velunda-exact.so");
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {"withoutTheEngine"});
        QVERIFY(child.waitForFinished(60000));
        QVERIFY2(child.exitCode() == 0, child.readAllStandardOutput().constData());
    }

    // Over many generated inputs per computation: every quantity the solution computes
    // agrees with the number the computation writes into that quantity's field, or the
    // computation gave no result and the solution says why.
    void agreement_data() {
        QTest::addColumn<int>("subject");
        for (int i = 0; i < Subjects().size(); ++i) QTest::newRow(Subjects()[i].name) << i;
    }
    void agreement() {
        QFETCH(int, subject);
        const Subject& s = Subjects()[subject];
        QRandomGenerator random(1234 + subject);
        int compared = 0, decimals = 0;
        // Roots from a single-precision discriminant can be wrong from the 4th digit on
        // (x² − 10000x + 1 = 0 gives the root 0): their fields are not compared then.
        const bool roundedRoots = s.quadratic && SinglePrecisionQuadratic();
        if (roundedRoots) qWarning("QuadraticRoots rounds its discriminant: the quadratic cases are not compared");
        for (int round = 0; round < 300; ++round) {
            FakeForm form;
            QStringList fields = s.inputs;
            // The circle's π field is always one of the inputs.
            const bool circle = fields.contains("Text5") && s.typed == 2 && fields.size() == 2;
            while (fields.size() > s.typed) fields.removeAt(random.bounded(circle ? 1 : fields.size()));
            for (const QString& f : fields) form.fields[f.toStdString()] = RandomText(random, f, s).toStdString();
            if (!s.angleUnit.isEmpty()) form.options.insert(s.angleUnit[random.bounded(2)].toStdString());
            const WorkedSolution solution = exact::Explain(s.explanation, form);
            const QString plain = QString::fromStdString(solution.plain);
            FakeForm after = form;
            const bool completed = after.run(s.computation);
            const QString context = QString::fromStdString(Written(after).toStdString()) + "\n" + plain;
            if (!completed) {
                QVERIFY2(plain.contains("无法计算") || plain.contains("无解") || plain.contains("没有选定") ||
                             plain.contains("不存在"),
                         qPrintable(context));
                continue;
            }
            if (plain.contains("没有选定")) continue;  // π 0: the window's numbers mean nothing
            if (roundedRoots && plain.contains("Δ")) continue;
            for (const QString& line : plain.split('\n')) {
                QString fault;
                decimals += CheckDecimals(line, &fault);
                QVERIFY2(fault.isEmpty(), qPrintable(fault + "\n" + context));
                if (line.contains("无法计算")) continue;
                for (const auto& [prefix, place] : s.lines) {
                    if (!line.startsWith(prefix)) continue;
                    const Field field = Parsed(place);
                    const QString shown = FieldValue(after, field);
                    if (shown == "无意义" || line.contains("无意义")) {
                        // An undefined value: the window says so, or the line says why it does not.
                        QVERIFY2(line.contains("无意义") && (shown == "无意义" || line.contains("窗口")),
                                 qPrintable(line + "\n" + context));
                        continue;
                    }
                    if (shown.isEmpty() && field.label.size()) {
                        QVERIFY2(s.refusal && plain.contains(s.refusal), qPrintable(context));
                        continue;
                    }
                    const double expected = ParseNumber(shown.toStdString());
                    const double got = s.degrees && line.contains("°") ? LastDegrees(line) : LastNumber(line);
                    const double relative = field.single ? 5e-6 : 5e-12;
                    const double tolerance = relative * std::max(std::fabs(expected), std::fabs(got)) + 1e-12 +
                                             (field.fiveDecimals ? 5e-6 : 0);
                    QVERIFY2(std::fabs(expected - got) <= tolerance,
                             qPrintable(QString("%1: field %2 holds %3, solution %4\n%5")
                                            .arg(line, place)
                                            .arg(expected, 0, 'g', 17)
                                            .arg(got, 0, 'g', 17)
                                            .arg(context)));
                    ++compared;
                }
            }
        }
        QVERIFY2(compared > 100, qPrintable(QString::number(compared)));
        qInfo("%d exact forms checked against their values in quadruple precision", decimals);
    }
};

QTEST_GUILESS_MAIN(SolutionsTest)
#include "tst_solutions.moc"
