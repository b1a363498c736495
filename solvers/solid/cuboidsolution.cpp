#include <tuple>

#include "exact/solutionbuilder.h"
#include "solvers/common/steps.h"
#include "solvers/solid/cuboid.h"

namespace velunda {

using namespace exact;

namespace {

bool Surface(SolutionBuilder& b, const Number& a, const Number& w, const Number& h) {
    return b.Quantity(
        Measure::Surface, "表面积", "S", "2(ab + ac + bc)",
        "2 × (" + In(a) + " × " + In(w) + " + " + In(a) + " × " + In(h) + " + " + In(w) + " × " + In(h) + ")",
        Int(2) * (a * w + a * h + w * h));
}

bool Volume(SolutionBuilder& b, const Number& a, const Number& w, const Number& h) {
    return b.Quantity(Measure::Volume, "体积", "V", "abc", In(a) + " × " + In(w) + " × " + In(h), a * w * h);
}

bool Section(SolutionBuilder& b, const Number& w, const Number& h) {
    return b.Quantity(Measure::CrossSection, "横截面积", "A", "bc", In(w) + " × " + In(h), w * h);
}

// Width and height from b + c = k and bc = A: the roots of x² − kx + A = 0, the larger
// one is the width.
void WidthAndHeight(SolutionBuilder& b, const Number& a, const Number& A, const Number& S) {
    const Number k = (S - Int(2) * A) / (Int(2) * a);
    b.Line("由 S = 2a(b + c) + 2bc 与 bc = A 得 b + c = (S − 2A)/(2a)：");
    if (!b.Quantity("宽与高的和", "b + c", "(S − 2A)/(2a)",
                    "(" + In(S) + " − 2 × " + Grouped(A) + ")/(2 × " + Grouped(a) + ")", k))
        return;
    b.Line("所以 b、c 是方程 x² − " + Grouped(k) + "x + " + Grouped(A) + " = 0 的两根。");
    const Number delta = k * k - Int(4) * A;
    const std::string line = "Δ = (b + c)² − 4A = " + Squared(k) + " − 4 × " + Grouped(A) + " = " + delta.Text();
    const std::optional<int> sign = steps::DiscriminantCase(
        b, delta, line, line, " = 0，方程有两个相等的实数根，宽与高相等。", "，宽取较大的根，高取较小的根。");
    if (!sign) return;
    if (*sign < 0) {
        b.Answer("无解：没有宽和高满足这些条件的长方体。");
        return;
    }
    const Number root = delta.Sqrt();
    b.Quantity(Measure::SideB, "宽", "b", "((b + c) + √Δ)/2", "(" + In(k) + " + " + RootOf(delta) + ")/2",
               (k + root) / Int(2));
    b.Quantity(Measure::SideC, "高", "c", "((b + c) − √Δ)/2", "(" + In(k) + " − " + RootOf(delta) + ")/2",
               (k - root) / Int(2));
}

}  // namespace

WorkedSolution ExplainCuboid(const Form& before) {
    SolutionBuilder b;
    const Number a = Read(before, cuboid::Length), w = Read(before, cuboid::Width), h = Read(before, cuboid::Height),
                 A = Read(before, cuboid::CrossSection), S = Read(before, cuboid::Surface),
                 V = Read(before, cuboid::Volume);
    if (!AllRead(b, {&a, &w, &h, &A, &S, &V})) return b.Finish();
    b.Line("长方体的长 a、宽 b、高 c，横截面积 A = bc，表面积 S = 2(ab + ac + bc)，体积 V = abc。");
    auto given = [](const Number& x) { return !x.IsZero(); };
    auto givens = [&b](std::initializer_list<std::tuple<Measure, const char*, const Number*>> list) {
        for (const auto& [measure, symbol, value] : list) b.Given(measure, symbol, *value);
    };
    if (given(a) && given(w) && given(h)) {
        givens({{Measure::SideA, "a", &a}, {Measure::SideB, "b", &w}, {Measure::SideC, "c", &h}});
        Section(b, w, h) && Surface(b, a, w, h) && Volume(b, a, w, h);
    } else if (given(a) && given(w) && given(A)) {
        givens({{Measure::SideA, "a", &a}, {Measure::SideB, "b", &w}, {Measure::CrossSection, "A", &A}});
        const Number c = A / w;
        b.Quantity(Measure::SideC, "高", "c", "A/b", In(A) + "/" + Divisor(w), c) && Surface(b, a, w, c) &&
            Volume(b, a, w, c);
    } else if (given(a) && given(w) && given(S)) {
        givens({{Measure::SideA, "a", &a}, {Measure::SideB, "b", &w}, {Measure::Surface, "S", &S}});
        if ((a + w).IsZero()) b.Line("长与宽的和 a + b = 0。");
        const Number c = (S / Int(2) - a * w) / (a + w);
        b.Quantity(Measure::SideC, "高", "c", "(S/2 − ab)/(a + b)",
                   "(" + In(S) + "/2 − " + In(a) + " × " + In(w) + ")/(" + In(a) + " + " + In(w) + ")", c) &&
            Section(b, w, c) && Volume(b, a, w, c);
    } else if (given(a) && given(w) && given(V)) {
        givens({{Measure::SideA, "a", &a}, {Measure::SideB, "b", &w}, {Measure::Volume, "V", &V}});
        const Number c = V / a / w;
        b.Quantity(Measure::SideC, "高", "c", "V/(ab)", In(V) + "/(" + In(a) + " × " + In(w) + ")", c) &&
            Surface(b, a, w, c) && Section(b, w, c);
    } else if (given(a) && given(A) && given(S)) {
        givens({{Measure::SideA, "a", &a}, {Measure::CrossSection, "A", &A}, {Measure::Surface, "S", &S}});
        if (b.Quantity(Measure::Volume, "体积", "V", "aA", In(a) + " × " + In(A), a * A)) WidthAndHeight(b, a, A, S);
    } else if (given(a) && given(S) && given(V)) {
        givens({{Measure::SideA, "a", &a}, {Measure::Surface, "S", &S}, {Measure::Volume, "V", &V}});
        const Number section = V / a;
        if (b.Quantity(Measure::CrossSection, "横截面积", "A", "V/a", In(V) + "/" + Divisor(a), section))
            WidthAndHeight(b, a, section, S);
    } else if (given(A) && given(S) && given(V)) {
        givens({{Measure::CrossSection, "A", &A}, {Measure::Surface, "S", &S}, {Measure::Volume, "V", &V}});
        const Number length = V / A;
        if (b.Quantity(Measure::SideA, "长", "a", "V/A", In(V) + "/" + Divisor(A), length))
            WidthAndHeight(b, length, A, S);
    } else if (given(w) && given(h) && given(S)) {
        givens({{Measure::SideB, "b", &w}, {Measure::SideC, "c", &h}, {Measure::Surface, "S", &S}});
        const Number section = w * h;
        if ((w + h).IsZero()) b.Line("宽与高的和 b + c = 0。");
        const Number length = (S / Int(2) - section) / (w + h);
        Section(b, w, h) &&
            b.Quantity(Measure::SideA, "长", "a", "(S/2 − A)/(b + c)",
                       "(" + In(S) + "/2 − " + In(section) + ")/(" + In(w) + " + " + In(h) + ")", length) &&
            Volume(b, length, w, h);
    } else if (given(w) && given(A) && given(V)) {
        givens({{Measure::SideB, "b", &w}, {Measure::CrossSection, "A", &A}, {Measure::Volume, "V", &V}});
        const Number c = A / w, length = V / A;
        b.Quantity(Measure::SideC, "高", "c", "A/b", In(A) + "/" + Divisor(w), c) &&
            b.Quantity(Measure::SideA, "长", "a", "V/A", In(V) + "/" + Divisor(A), length) && Surface(b, length, w, c);
    } else {
        b.Line(
            "这组已知量不在本窗口能解的情形之内。能解的是：a、b、c；a、b、A；a、b、S；a、b、V；a、A、S；"
            "a、S、V；A、S、V；b、c、S；b、A、V（每组三个量都不为 0）。");
    }
    return b.Finish();
}

std::vector<SlipRule> CuboidSlips() {
    return {
        {"S", "表面积是 2(ab + ac + bc)，这里忘了乘 2",
         [](const Solved& s) { return s("a") * s("b") + s("a") * s("c") + s("b") * s("c"); }},
        {"S", "把表面积和体积弄混了，算成了 abc", [](const Solved& s) { return s("a") * s("b") * s("c"); }},
        {"V", "把体积和表面积弄混了，算成了 2(ab + ac + bc)",
         [](const Solved& s) { return Int(2) * (s("a") * s("b") + s("a") * s("c") + s("b") * s("c")); }},
        {"V", "体积是长、宽、高的积，这里算成了它们的和", [](const Solved& s) { return s("a") + s("b") + s("c"); }},
        {"A", "横截面是宽乘高，这里算成了长乘宽", [](const Solved& s) { return s("a") * s("b"); }},
        {"c", "高是 A ÷ 宽，这里除以了长", [](const Solved& s) { return s.given("A") / s.given("a"); }},
        {"c", "高是 V ÷ (长 × 宽)，这里只除以了长", [](const Solved& s) { return s.given("V") / s.given("a"); }},
        {"a", "长是 V ÷ A，这里用 V 减了 A", [](const Solved& s) { return s.given("V") - s.given("A"); }},
    };
}

}  // namespace velunda
