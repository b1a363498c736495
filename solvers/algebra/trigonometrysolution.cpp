#include <array>
#include <cmath>

#include "exact/solutionbuilder.h"
#include "numeric/numbertext.h"
#include "solvers/algebra/algebrasolution.h"
#include "solvers/algebra/trigonometry.h"

namespace velunda {

using namespace exact;

namespace {

// Whether an angle's text in degrees is a rounded decimal alone: arcsin(0.707106781186548)
// is 45.0000000000000385…°, written "45°", and not 45°.
bool RoundedAngle(const Number& radians, const std::string& text) {
    if (text.find("≈") != std::string::npos) return false;
    const Number degrees = radians * Int(180) / Number::Pi();
    return !(degrees.IsAlgebraic() && degrees.DecimalIsWhole()) && radians.ExactText().empty();
}

// "formula = value", "formula ≈ value" where the value is rounded, or
// "arcsin(1/3) ≈ 0.339836909454122" where the value is written as the formula already.
std::string FormulaAndValue(const std::string& formula, const Number& alpha) {
    const std::string value = AngleText(alpha, false);
    if (value.rfind(formula + " ", 0) == 0) return value;
    return formula + (RoundedAngle(alpha, value) ? " ≈ " : " = ") + value;
}

// The sine, cosine, tangent and cotangent of the angle, in that order, and as the answer
// writes them.
using Functions = std::array<Number, 4>;
using Shown = std::array<std::string, 4>;

// One function of the angle; where it divides by 0, says that it has no meaning and,
// where the window writes a number all the same, why. Returns the value as the answer
// writes it.
std::string FunctionLine(SolutionBuilder& b, const char* name, const std::string& symbol, const std::string& formula,
                         const Number& value, const char* divisor, bool windowMeaningless) {
    if (value.ok()) {
        std::string plain;
        b.Line(std::string(name) + " " + symbol + " = " + formula + Valued(value, &plain));
        return plain;
    }
    std::string line = std::string(name) + " " + symbol + " = " + formula + "：" + divisor + " = 0，除数为 0，所以 " +
                       symbol + " 无意义";
    if (!windowMeaningless) line += "（窗口用 π 的近似值计算，写出的是一个绝对值很大的数）";
    b.Line(line + "。");
    return {};
}

// The four functions of an angle given by its size, written "sin 30°".
Functions OfAngle(SolutionBuilder& b, const Number& alpha, const std::string& angle, bool cotMeaningless,
                  Shown* shown) {
    const Functions f{alpha.Sin(), alpha.Cos(), alpha.Tan(), alpha.Cos() / alpha.Sin()};
    // sin 30°, but sin(-30°) and sin(-0.5).
    const bool grouped = angle.starts_with('-') || angle.starts_with('(');
    const std::string of =
        grouped ? "(" + (angle.starts_with('(') ? angle.substr(1, angle.size() - 2) : angle) + ")" : " " + angle;
    (*shown)[0] = FunctionLine(b, "正弦", "sin α", "sin" + of, f[0], "", false);
    (*shown)[1] = FunctionLine(b, "余弦", "cos α", "cos" + of, f[1], "", false);
    (*shown)[2] = FunctionLine(b, "正切", "tan α", "tan" + of, f[2], "cos α", angle == "90°");
    (*shown)[3] = FunctionLine(b, "余切", "cot α", "cot" + of, f[3], "sin α", cotMeaningless);
    return f;
}

// Tangent and cotangent from the sine and the cosine.
void TangentAndCotangent(SolutionBuilder& b, Functions& f, bool cotMeaningless) {
    f[2] = f[0] / f[1];
    f[3] = f[1] / f[0];
    FunctionLine(b, "正切", "tan α", "sin α/cos α = " + Grouped(f[0]) + "/" + Divisor(f[1]), f[2], "cos α", false);
    FunctionLine(b, "余切", "cot α", "cos α/sin α = " + Grouped(f[1]) + "/" + Divisor(f[0]), f[3], "sin α",
                 cotMeaningless);
}

// The angle from its sine (between -90° and 90°, where the cosine is not negative) or
// from its cosine (between 0° and 180°, where the sine is not negative), and the other one.
bool FromSineOrCosine(SolutionBuilder& b, const Number& x, bool sine, Number* alpha, Functions& f) {
    const std::string formula = (sine ? "arcsin(" : "arccos(") + Plain(x) + ")";
    *alpha = sine ? x.Asin() : x.Acos();
    if (!alpha->ok()) {
        b.Cannot("角度 α = " + formula, sine ? "正弦值不能大于 1 或小于 -1" : "余弦值不能大于 1 或小于 -1");
        return false;
    }
    b.Line("角度 α = " + FormulaAndValue(formula, *alpha));
    b.Quantity("弧度", "α", formula, formula, *alpha);
    b.Line(sine ? "-90° ≤ α ≤ 90°，所以 cos α ≥ 0。" : "0° ≤ α ≤ 180°，所以 sin α ≥ 0。");
    const Number other = (Int(1) - x * x).Sqrt();
    f[sine ? 0 : 1] = x;
    f[sine ? 1 : 0] = other;
    b.Quantity(sine ? "余弦" : "正弦", sine ? "cos α" : "sin α", sine ? "√(1 − sin²α)" : "√(1 − cos²α)",
               "√(1 − " + Squared(x) + ")", other);
    return true;
}

// The angle whose tangent is t, lying between -90° and 90°, and its sine and cosine.
Number FromTangent(SolutionBuilder& b, const Number& t, Functions& f) {
    const Number alpha = t.Atan();
    b.Line("角度 α = " + FormulaAndValue("arctan(" + Plain(t) + ")", alpha));
    b.Quantity("弧度", "α", "arctan(" + Plain(t) + ")", "arctan(" + Plain(t) + ")", alpha);
    b.Line("-90° < α < 90°，所以 cos α > 0。");
    const Number hyp = (Int(1) + t * t).Sqrt();
    f[0] = t / hyp;
    f[1] = Int(1) / hyp;
    b.Quantity("正弦", "sin α", "tan α/√(1 + tan²α)", In(t) + "/√(1 + " + Squared(t) + ")", f[0]);
    b.Quantity("余弦", "cos α", "1/√(1 + tan²α)", "1/√(1 + " + Squared(t) + ")", f[1]);
    return alpha;
}

// The answer: the angle in degrees and radians and its four functions.
// Each value joined by "=", or by "约为"/"≈" where it is a rounded decimal (cos 1E-06° is
// not 1).
void Answer(SolutionBuilder& b, const Number& alpha, const Functions& f, const std::string& angle, const Shown& shown,
            bool roundedAngle) {
    const auto value = [&](std::size_t i) {
        if (!f[i].ok()) return std::string(" 无意义");
        const std::string text = shown[i].empty() ? Plain(f[i]) : shown[i];
        return (RoundedDecimal(f[i], text) ? " ≈ " : " = ") + text;
    };
    const std::string radians = Plain(alpha);
    b.Answer(std::string("α") + (roundedAngle ? " ≈ " : " = ") + angle + "，弧度" +
             (RoundedDecimal(alpha, radians) ? "约为 " : "为 ") + radians + "，sin α" + value(0) + "，cos α" +
             value(1) + "，tan α" + value(2) + "，cot α" + value(3) + "。");
}

// The angle and its four functions, recorded for checking a pupil's answers; the function
// typed (0 … 3 as in Functions, -1 for none) keeps its given value.
void RecordValues(SolutionBuilder& b, const Number& alpha, const Functions& f, int typed) {
    b.Solved("角", "α", alpha, true);
    constexpr const char* kNames[] = {"正弦", "余弦", "正切", "余切"};
    constexpr const char* kSymbols[] = {"sin α", "cos α", "tan α", "cot α"};
    for (int i = 0; i < 4; ++i)
        if (i != typed) b.Solved(kNames[i], kSymbols[i], f[i]);
}

const char* const kSingle = "窗口中的正切、余切按单精度计算，只有约 7 位有效数字。";

}  // namespace

WorkedSolution ExplainAngleAndFunctions(const Form& before) {
    SolutionBuilder b;
    using namespace trigonometry;
    // The window takes the first quantity that is not 0, reading each as a double.
    const double rad = ParseNumber(before.text(Radians)), deg = ParseNumber(before.text(Degrees)),
                 sine = ParseNumber(before.text(Sine)), cosine = ParseNumber(before.text(Cosine)),
                 tangent = ParseNumber(before.text(Tangent)), cotangent = ParseNumber(before.text(Cotangent));
    const float singleTangent = static_cast<float>(tangent);
    if (std::isinf(singleTangent)) {
        b.Cannot("已知 tan α = " + before.text(Tangent), "正切超出单精度数的范围（约 3.4E+38）");
        return b.Finish();
    }
    const std::string_view given = rad != 0             ? Radians
                                   : deg != 0           ? Degrees
                                   : sine != 0          ? Sine
                                   : cosine != 0        ? Cosine
                                   : singleTangent != 0 ? Tangent
                                                        : Cotangent;
    const Number x = Read(before, given);
    if (!x.ok()) {
        b.Cannot("已知量", FaultText(x.fault()));
        return b.Finish();
    }
    const Number halfPi = Number::Pi() / Int(2);
    Functions f;
    Shown shown;
    if (deg == 90 || rad == kRightAngleRadians || (rad == 0 && deg == 0 && sine == 1)) {
        if (deg == 90) {
            b.Given("α = 90°");
            b.Quantity("弧度", "α", "90° × π/180", "", halfPi);
        } else {
            if (rad == kRightAngleRadians) {
                b.Given("α = 1.57079632679489（弧度）");
                b.Line("窗口把弧度 1.57079632679489 当作直角 π/2。");
            } else {
                b.Given("sin α = 1");
                b.Line("sin α = 1，所以 α 是直角。");
            }
            b.Line("角度 α = 90°");
            b.Quantity("弧度", "α", "π/2", "π/2", halfPi);
        }
        f = OfAngle(b, halfPi, "90°", false, &shown);
        RecordValues(b, halfPi, f, deg == 90 || rad == kRightAngleRadians ? -1 : 0);
        Answer(b, halfPi, f, "90°", shown, false);
        return b.Finish();
    }
    Number alpha;
    if (rad != 0) {
        b.Given("α = " + Plain(x) + "（弧度）");
        alpha = x;
        b.Line("角度 α = " + FormulaAndValue(In(x) + " × 180°/π", x));
        f = OfAngle(b, alpha, In(x), false, &shown);
    } else if (deg != 0) {
        b.Given("α = " + Plain(x) + "°");
        b.Solved("", "α°", x, false, true);
        alpha = x * Number::Pi() / Int(180);
        const std::string typed = Plain(x) + "°";
        b.Quantity("弧度", "α", (x.Sign() < 0 ? "(" + typed + ")" : typed) + " × π/180", "", alpha);
        f = OfAngle(b, alpha, Plain(x) + "°", false, &shown);
    } else if (sine != 0 || cosine != 0) {
        const bool bySine = sine != 0;
        b.Given(bySine ? "sin α" : "cos α", x);
        if (!FromSineOrCosine(b, x, bySine, &alpha, f)) return b.Finish();
        // A cosine of 1 is the angle 0, whose tangent the window holds as 0.
        TangentAndCotangent(b, f, !bySine && cosine == 1);
    } else if (singleTangent != 0) {
        b.Given("tan α", x);
        if (static_cast<double>(singleTangent) != tangent)
            b.Line("窗口把正切按单精度保存，只有约 7 位有效数字，窗口的角度等数值从第 8 位起可能与精确值不同。");
        alpha = FromTangent(b, x, f);
        f[2] = x;
        f[3] = Int(1) / x;
        b.Quantity("余切", "cot α", "1/tan α", "1/" + Divisor(x), f[3]);
    } else if (cotangent != 0) {
        b.Given("cot α", x);
        f[2] = Int(1) / x;
        b.Quantity("正切", "tan α", "1/cot α", "1/" + Divisor(x), f[2]);
        if (static_cast<double>(static_cast<float>(1 / cotangent)) != 1 / cotangent)
            b.Line("窗口把正切按单精度保存，只有约 7 位有效数字，窗口的角度等数值从第 8 位起可能与精确值不同。");
        alpha = FromTangent(b, f[2], f);
        f[3] = x;
    } else {
        b.Line("六个框都是空的（或为 0），窗口按 α = 0° 计算：");
        b.Line("角度 α = 0°");
        b.Line("弧度 α = 0");
        b.Line("正弦 sin α = sin 0° = 0");
        b.Line("余弦 cos α = cos 0° = 1");
        b.Line("正切 tan α = tan 0° = 0");
        FunctionLine(b, "余切", "cot α", "cot 0°", Number::Failed(Fault::DivisionByZero), "sin α", true);
        RecordValues(b, Int(0), {Int(0), Int(1), Int(0), Number::Failed(Fault::DivisionByZero)}, -1);
        b.Answer("α = 0°，弧度为 0，sin α = 0，cos α = 1，tan α = 0，cot α 无意义。");
        return b.Finish();
    }
    b.Line(kSingle);
    const int typed = rad != 0 || deg != 0 ? -1 : sine != 0 ? 0 : cosine != 0 ? 1 : singleTangent != 0 ? 2 : 3;
    RecordValues(b, alpha, f, typed);
    const std::string angle = rad != 0 ? Plain(x) + "（弧度）≈ " + (x * Int(180) / Number::Pi()).DecimalText() + "°"
                                       : AngleText(alpha, false);
    Answer(b, alpha, f, angle, shown, rad == 0 && RoundedAngle(alpha, angle));
    return b.Finish();
}

std::vector<SlipRule> TrigonometrySlips() {
    constexpr const char* kRadians = "把角度当成了弧度（计算器在弧度模式下算的）";
    return {
        {"sin α", "把正弦和余弦弄混了", [](const Solved& s) { return s("cos α"); }},
        {"cos α", "把正弦和余弦弄混了", [](const Solved& s) { return s("sin α"); }},
        {"tan α", "tan α = sin α/cos α，这里算成了 cos α/sin α", [](const Solved& s) { return s("cot α"); }},
        {"cot α", "cot α = cos α/sin α，这里算成了 sin α/cos α", [](const Solved& s) { return s("tan α"); }},
        {"sin α", kRadians, [](const Solved& s) { return s.given("α°").Sin(); }},
        {"cos α", kRadians, [](const Solved& s) { return s.given("α°").Cos(); }},
        {"α", "把 arcsin 和 arccos 弄混了",
         [](const Solved& s) {
             const bool inverse = s.given("sin α").ok() || s.given("cos α").ok();
             return inverse ? Number::Pi() / Int(2) - s("α") : Number::Failed(Fault::Undefined);
         }},
    };
}

}  // namespace velunda
