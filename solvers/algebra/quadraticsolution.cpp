#include "exact/solutionbuilder.h"
#include "solvers/algebra/algebrasolution.h"
#include "solvers/algebra/quadratic.h"
#include "solvers/common/steps.h"

namespace velunda {

using namespace exact;

WorkedSolution ExplainQuadraticEquation(const Form& before) {
    SolutionBuilder b;
    Number A, B, C;
    if (!ReadGivenStrictly(b, before, quadratic::A, "A", &A) || !ReadGivenStrictly(b, before, quadratic::B, "B", &B) ||
        !ReadGivenStrictly(b, before, quadratic::C, "C", &C))
        return b.Finish();
    b.Line("方程 " + EquationSide({{A, "x²"}, {B, "x"}, {C, ""}}) + " = 0");
    const Number two = Int(2);
    if (A.IsZero()) {
        b.Cannot("二次项系数 A = 0", "这不是一元二次方程（A 不能为 0）");
        if (!B.IsZero()) {
            const Number x = -C / B;
            b.Line("它是一元一次方程 " + EquationSide({{B, "x"}, {C, ""}}) + " = 0，x = −C/B = " + Plain(-C) + "/" +
                   Divisor(B) + " = " + x.Text() + "。");
        }
        return b.Finish();
    }
    const Number delta = B * B - Int(4) * A * C;
    const std::string line = "Δ = B² − 4AC = " + Squared(B) + " − 4 × " + Grouped(A) + " × " + Grouped(C);
    std::string plain;
    const std::string value = !delta.ok() || delta.IsZero() ? "" : Valued(delta, &plain);
    const std::optional<int> sign =
        steps::DiscriminantCase(b, delta, line, line + value, " = 0，方程有两个相等的实数根。", "。");
    if (!sign) return b.Finish();
    // What the window itself does with these coefficients, in its double arithmetic.
    Replay window(before);
    RunComputation(window, QuadraticEquation);
    const bool overflowed = window.messaged && window.message == kFaultMessage;
    const std::string refused =
        "窗口的小数计算在这里超出了数的范围（B² 或 4AC 大于约 1.8E+308），提示“" + std::string(kFaultMessage) + "”";
    if (*sign < 0) {
        if (overflowed)
            b.Answer("Δ < 0，方程没有实数根（" + refused + "）。");
        else if (window.messaged)
            b.Answer("Δ < 0，方程没有实数根（窗口提示“" + window.message + "”）。");
        else
            b.Answer("Δ < 0，方程没有实数根（窗口的小数计算在这里把 Δ 算成了非负数，写出了 X1 = " +
                     window.text(quadratic::X1) + "，X2 = " + window.text(quadratic::X2) +
                     "；以上面的精确结论为准）。");
        return b.Finish();
    }
    // X1 is the root with minus the square root, X2 the one with plus, as the window's fields.
    const Number root = delta.Sqrt();
    const Number x1 = (-B - root) / (two * A), x2 = (-B + root) / (two * A);
    const std::string over = ")/(2 × " + Grouped(A) + ")";
    const bool ok = b.Quantity("根", "X1", "(−B − √Δ)/(2A)", "(" + Plain(-B) + " − " + RootOf(delta) + over, x1) &&
                    b.Quantity("根", "X2", "(−B + √Δ)/(2A)", "(" + Plain(-B) + " + " + RootOf(delta) + over, x2);
    if (!ok) return b.Finish();
    // Coefficients whose products cancel leave the window's double arithmetic with few
    // correct digits: the pupil is told which numbers to trust.
    const std::string x1Shown = window.text(quadratic::X1), x2Shown = window.text(quadratic::X2);
    if (overflowed)
        b.Line(refused + "；以上面的精确根为准。");
    else if (window.messaged)
        b.Line("窗口的小数计算在这里把 Δ 算成了负数，提示“" + window.message + "”；以上面的精确根为准。");
    else if (steps::LostDigits(x1Shown, x1) || steps::LostDigits(x2Shown, x2))
        b.Line("窗口的小数计算在这里丢失了有效数字（窗口中 X1 = " + x1Shown + "，X2 = " + x2Shown +
               "），以上面的精确根为准。");
    const auto rootText = [](const char* name, const Number& x) {
        const std::string text = Plain(x);
        return name + std::string(RoundedDecimal(x, text) ? " ≈ " : " = ") + text;
    };
    b.Answer(rootText("X1", x1) + "，" + rootText("X2", x2) + "。");
    return b.Finish();
}

namespace {

// A slip in the root with the sign `sign` before the square root (X1: −1, X2: +1): Δ left
// without its root, B for −B, or 2A left out. It does not count where it gives the other
// root, which the field may hold as well.
Number RootSlip(const Solved& s, int sign, bool squareRoot, bool flip, bool halve) {
    const Number A = s.given("A"), B = s.given("B"), C = s.given("C");
    const Number delta = B * B - Int(4) * A * C;
    const Number root = squareRoot ? delta.Sqrt() : delta;
    const Number slip = ((flip ? B : -B) + Int(sign) * root) / (halve ? Int(2) * A : Int(1));
    const Number other = s(sign < 0 ? "X2" : "X1");
    return slip.ok() && other.ok() && slip.Equals(other) ? Number::Failed(Fault::Undefined) : slip;
}

}  // namespace

std::vector<SlipRule> QuadraticSlips() {
    constexpr const char* kSign = "−B ± √Δ 的符号弄反了，写成了 B ± √Δ";
    constexpr const char* kHalf = "忘了除以 2A";
    constexpr const char* kRoot = "没有开平方，用了 Δ 而不是 √Δ";
    return {
        {"X1", kSign, [](const Solved& s) { return RootSlip(s, -1, true, true, true); }},
        {"X2", kSign, [](const Solved& s) { return RootSlip(s, 1, true, true, true); }},
        {"X1", kHalf, [](const Solved& s) { return RootSlip(s, -1, true, false, false); }},
        {"X2", kHalf, [](const Solved& s) { return RootSlip(s, 1, true, false, false); }},
        {"X1", kRoot, [](const Solved& s) { return RootSlip(s, -1, false, false, true); }},
        {"X2", kRoot, [](const Solved& s) { return RootSlip(s, 1, false, false, true); }},
    };
}

}  // namespace velunda
