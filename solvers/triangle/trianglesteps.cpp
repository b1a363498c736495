#include "solvers/triangle/trianglesteps.h"

namespace velunda::trianglesteps {

using namespace exact;

namespace {

constexpr std::array<const char*, 3> kAngles = {"A", "B", "C"};
constexpr std::array<const char*, 3> kSides = {"a", "b", "c"};
constexpr std::array<Measure, 3> kAngleMeasures = {Measure::AngleA, Measure::AngleB, Measure::AngleC};

// The two sides beside the angle opposite side i, in the order a, b, c.
std::array<int, 2> Beside(int i) { return {i == 0 ? 1 : 0, i == 2 ? 1 : 2}; }

// The cosine as the window forms it in double precision: (q·q + r·r − p·p) / 2 / q / r.
double WindowCosine(const std::array<Number, 3>& s, int i) {
    const auto [j, k] = Beside(i);
    const auto p = static_cast<double>(s[i].Approximate()), q = static_cast<double>(s[j].Approximate()),
               r = static_cast<double>(s[k].Approximate());
    return (q * q + r * r - p * p) / 2 / q / r;
}

bool WrittenWithRoot(const Number& x) {
    if (!x.IsAlgebraic()) return false;
    const std::string text = x.ExactText();
    return text.empty() || text.find("√") != std::string::npos || text.find("∛") != std::string::npos;
}

}  // namespace

Number Root(const Number& x) { return WrittenWithRoot(x) ? x.Sqrt().Approximation() : x.Sqrt(); }

Number Sum(const Number& x, const Number& y) {
    return WrittenWithRoot(x) && WrittenWithRoot(y) ? (x + y).Approximation() : x + y;
}

std::string ResultText(const Number& x) {
    if (!x.ok()) return "：" + FaultText(x.fault());
    const std::string text = x.Text();
    return (RoundedDecimal(x, text) ? " ≈ " : " = ") + text;
}

Shape TestSides(SolutionBuilder& b, const std::array<Number, 3>& sides, const std::array<const char*, 3>& symbols) {
    for (std::size_t i = 0; i < sides.size(); ++i)
        if (sides[i].Sign() <= 0) {
            b.Line(std::string("边长必须大于 0，而 ") + symbols[i] + " = " + Plain(sides[i]) + "，不能构成三角形。");
            return Shape::None;
        }
    constexpr int kPairs[3][3] = {{0, 1, 2}, {0, 2, 1}, {1, 2, 0}};
    std::string checks;
    for (const auto& p : kPairs) {
        const Number sum = sides[p[0]] + sides[p[1]];
        const std::string text = In(sides[p[0]]) + " + " + In(sides[p[1]]) + " = " + Plain(sum);
        const int excess = (sum - sides[p[2]]).Sign();
        if (excess <= 0) {
            b.Line("两边之和 " + text + " 不大于第三边 " + Plain(sides[p[2]]) + "，不能构成三角形" +
                   (excess == 0 ? "（三个点在一条直线上）。" : "。"));
            return excess == 0 ? Shape::OnOneLine : Shape::None;
        }
        checks += (checks.empty() ? "" : "，") + text + " > " + Plain(sides[p[2]]);
    }
    b.Line("任意两边之和大于第三边：" + checks + "，能构成三角形。");
    return Shape::Triangle;
}

Number CosineOf(const std::array<Number, 3>& s, int i) {
    const auto [j, k] = Beside(i);
    return (s[j] * s[j] + s[k] * s[k] - s[i] * s[i]) / (Int(2) * s[j] * s[k]);
}

namespace {

// One angle by the cosine rule: its cosine, the angle, and a note where the window's
// double-precision cosine is exactly ±1 although the true one is not.
Number AngleByCosineRule(SolutionBuilder& b, const std::array<Number, 3>& s, int i, bool fieldNote) {
    const auto [j, k] = Beside(i);
    const std::string A = kAngles[i], a = kSides[i], bb = kSides[j], c = kSides[k];
    const Number cosine = CosineOf(s, i);
    b.Line("cos " + A + " = (" + bb + "² + " + c + "² − " + a + "²)/(2" + bb + c + ") = (" + Squared(s[j]) + " + " +
           Squared(s[k]) + " − " + Squared(s[i]) + ")/(2 × " + In(s[j]) + " × " + In(s[k]) + ")" + ResultText(cosine));
    const Number angle = cosine.Acos();
    long long p = 0, q = 1;
    const std::string exact = cosine.ExactText();
    // "arccos(1/2) = 60° = π/3"; "arccos(4/5) ≈ 36.869897645844° …" has the arccos in the result.
    if (angle.PiMultiple(&p, &q) || exact.empty())
        b.Line("角 " + A + " = arccos(" + (exact.empty() ? "cos " + A : exact) + ")" + AngleResult(angle));
    else
        b.Line("角 " + A + AngleResult(angle));
    const double inWindow = WindowCosine(s, i);
    if (fieldNote && (inWindow == 1 || inWindow == -1) && !cosine.Equals(Int(inWindow == 1 ? 1 : -1)))
        b.Line("（cos " + A + " 与 " + (inWindow == 1 ? "1" : "-1") + " 相差极小，窗口用双精度计算时把它舍入成 " +
               (inWindow == 1 ? "1" : "-1") + "，所以窗口显示 " + A + " 的角度为 " + (inWindow == 1 ? "0" : "180") +
               "。）");
    b.AnswerPart(A + AngleAnswer(angle, false));
    b.RecordAngle(kAngleMeasures[i], A, angle);
    return angle;
}

}  // namespace

std::array<Number, 3> AnglesFromSides(SolutionBuilder& b, const std::array<Number, 3>& s, bool fieldNote) {
    b.Line("由余弦定理 cos A = (b² + c² − a²)/(2bc) 等求三个角：");
    std::array<Number, 3> angles;
    for (int i = 0; i < 3; ++i) angles[i] = AngleByCosineRule(b, s, i, fieldNote);
    return angles;
}

bool HeronArea(SolutionBuilder& b, const Number& perimeter, const std::array<Number, 3>& sides) {
    if (TestSides(b, sides, kSides) != Shape::Triangle) b.Line("窗口仍按公式计算：");
    const Number s = perimeter / Int(2);
    b.Line("半周长 s = P/2 = " + In(perimeter) + "/2" + ResultText(s));
    std::string in = In(s);
    Number product = s;
    for (const Number& side : sides) {
        const Number difference = s - side;
        in += " × " + In(difference);
        product = product * difference;
    }
    return b.Quantity(Measure::Area, "面积", "S", "√(s(s − a)(s − b)(s − c))", "√(" + in + ")", product.Sqrt());
}

std::string AngleIn(const Number& radians, bool inRadians) {
    if (inRadians) return In(radians);
    const Number degrees = radians * Int(180) / Number::Pi();
    return (degrees.IsAlgebraic() ? In(degrees) : degrees.DecimalText()) + "°";
}

std::string AngleIs(const Number& radians, bool inRadians) {
    const std::string text = AngleIn(radians, inRadians);
    const Number value = inRadians ? radians : radians * Int(180) / Number::Pi();
    const std::string number = inRadians ? text : text.substr(0, text.size() - std::string("°").size());
    return (RoundedDecimal(value, number) ? " ≈ " : " = ") + text;
}

std::string AngleAnswer(const Number& radians, bool inRadians) {
    return (radians.ExactText().empty() ? " ≈ " : " = ") + AngleText(radians, inRadians);
}

const char* StraightAngle(bool inRadians) { return inRadians ? "π" : "180°"; }

std::string AngleResult(const Number& radians) {
    if (!radians.ok()) return "：" + FaultText(radians.fault());
    const Number degrees = radians * Int(180) / Number::Pi();
    long long p = 0, q = 1;
    if (radians.PiMultiple(&p, &q)) return " = " + AngleText(radians, false) + " = " + radians.ExactText();
    const std::string exact = radians.ExactText();
    return (exact.empty() ? "" : " = " + exact) + " ≈ " + degrees.DecimalText() + "° ≈ " + radians.DecimalText() +
           "（弧度）";
}

}  // namespace velunda::trianglesteps
