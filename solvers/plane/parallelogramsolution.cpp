
#include "exact/solutionbuilder.h"
#include "solvers/common/steps.h"
#include "solvers/plane/angleunit.h"
#include "solvers/plane/parallelogram.h"

namespace velunda {

using namespace exact;

namespace {

const char* const kTwoNeeded = "需要两个不为 0 的已知量，所以不计算。";

}  // namespace

WorkedSolution ExplainParallelogramArea(const Form& before) {
    SolutionBuilder b;
    const Number a = Read(before, parallelogram::FirstRow), h = Read(before, parallelogram::SecondRow),
                 S = Read(before, parallelogram::ThirdRow);
    if (!AllRead(b, {&a, &h, &S})) return b.Finish();
    b.Line("平行四边形的面积 S = ah（a 底，h 高）。");
    steps::OneOfThree(b, {{{Measure::SideA, "a", a}, {Measure::Height, "h", h}, {Measure::Area, "S", S}}},
                      {[&] { b.Quantity(Measure::SideA, "底", "a", "S/h", In(S) + "/" + Divisor(h), S / h); },
                       [&] { b.Quantity(Measure::Height, "高", "h", "S/a", In(S) + "/" + Divisor(a), S / a); },
                       [&] { b.Quantity(Measure::Area, "面积", "S", "ah", In(a) + " × " + In(h), a * h); }},
                      kTwoNeeded);
    return b.Finish();
}

WorkedSolution ExplainParallelogramPerimeter(const Form& before) {
    SolutionBuilder b;
    const Number a = Read(before, parallelogram::FirstRow), c = Read(before, parallelogram::SecondRow),
                 P = Read(before, parallelogram::ThirdRow);
    if (!AllRead(b, {&a, &c, &P})) return b.Finish();
    b.Line("平行四边形的周长 P = 2(a + b)（a 底边，b 邻边）。");
    steps::OneOfThree(
        b, {{{Measure::SideA, "a", a}, {Measure::SideB, "b", c}, {Measure::Perimeter, "P", P}}},
        {[&] { b.Quantity(Measure::SideA, "底边", "a", "P/2 − b", In(P) + "/2 − " + Grouped(c), P / Int(2) - c); },
         [&] { b.Quantity(Measure::SideB, "邻边", "b", "P/2 − a", In(P) + "/2 − " + Grouped(a), P / Int(2) - a); },
         [&] {
             b.Quantity(Measure::Perimeter, "周长", "P", "2(a + b)", "2 × (" + In(a) + " + " + In(c) + ")",
                        Int(2) * (a + c));
         }},
        kTwoNeeded);
    return b.Finish();
}

WorkedSolution ExplainParallelogramAngle(const Form& before) {
    SolutionBuilder b;
    const bool radians = InRadians(before);
    const Number a = Read(before, parallelogram::Side), c = Read(before, parallelogram::AdjacentSide),
                 S = Read(before, parallelogram::Area);
    const Number typed = Read(before, parallelogram::Angle);
    const Number theta = ReadAngle(before, parallelogram::Angle, radians);
    if (!AllRead(b, {&a, &c, &S, &typed})) return b.Finish();
    b.Line("平行四边形的面积 S = ab·sin θ（a 底边，b 邻边，θ 两边的夹角）。");
    const std::string sine = "sin " + AngleText(theta, radians);
    if (!a.IsZero() && !c.IsZero() && !theta.IsZero()) {
        b.Given(Measure::SideA, "a", a);
        b.Given(Measure::SideB, "b", c);
        b.GivenAngle(Measure::Angle, "θ", typed, radians);
        if (!FigureAngleExplained(b, theta, radians, "平行四边形的夹角", "平行四边形")) return b.Finish();
        const Number s = theta.Sin();
        if (s.IsAlgebraic() && !s.IsInteger() && s.ExactText().size() < 12) b.Line(sine + " = " + s.ExactText());
        b.Quantity(Measure::Area, "面积", "S", "ab·sin θ", In(a) + " × " + In(c) + " × " + sine, a * c * s);
    } else if (!a.IsZero() && !c.IsZero() && !S.IsZero()) {
        b.Given(Measure::SideA, "a", a);
        b.Given(Measure::SideB, "b", c);
        b.Given(Measure::Area, "S", S);
        const Number s = S / a / c;
        b.Quantity("正弦", "sin θ", "S/(ab)", In(S) + "/(" + In(a) + " × " + In(c) + ")", s);
        const Number first = s.Asin();
        if (!first.ok()) {
            b.Cannot("θ = arcsin(" + In(s) + ")", "正弦值不能大于 1 或小于 -1，没有这样的角");
            return b.Finish();
        }
        const Number second = Number::Pi() - first;
        b.RecordAngle(Measure::Angle, "θ", first);
        // An angle known only by its decimal follows "≈" (and "约为" in the answer).
        const auto rounded = [](const Number& angle) { return angle.ExactText().empty(); };
        const auto is = [&](const Number& angle) {
            return (rounded(angle) ? " ≈ " : " = ") + AngleText(angle, radians);
        };
        b.Line("夹角 θ₁ = arcsin(S/(ab))" + is(first));
        b.Line(std::string("夹角 θ₂ = ") + (radians ? "π − θ₁" : "180° − θ₁") + is(second));
        b.Solved("夹角", "θ₂", second, true);
        b.Line("sin θ₁ = sin θ₂，所以两个角都可以。");
        b.Answer("夹角" + std::string(rounded(first) ? "约为 " : "为 ") + AngleText(first, radians) +
                 (rounded(second) ? " 或约为 " : " 或 ") + AngleText(second, radians) + "。");
    } else if (!a.IsZero() && !theta.IsZero() && !S.IsZero()) {
        b.Given(Measure::SideA, "a", a);
        b.GivenAngle(Measure::Angle, "θ", typed, radians);
        b.Given(Measure::Area, "S", S);
        if (!FigureAngleExplained(b, theta, radians, "平行四边形的夹角", "平行四边形")) return b.Finish();
        b.Quantity(Measure::SideB, "邻边", "b", "S/(a·sin θ)", In(S) + "/(" + In(a) + " × " + sine + ")",
                   S / (a * theta.Sin()));
    } else if (!c.IsZero() && !theta.IsZero() && !S.IsZero()) {
        b.Given(Measure::SideB, "b", c);
        b.GivenAngle(Measure::Angle, "θ", typed, radians);
        b.Given(Measure::Area, "S", S);
        if (!FigureAngleExplained(b, theta, radians, "平行四边形的夹角", "平行四边形")) return b.Finish();
        b.Quantity(Measure::SideA, "底边", "a", "S/(b·sin θ)", In(S) + "/(" + In(c) + " × " + sine + ")",
                   S / (c * theta.Sin()));
    } else {
        b.Line("需要三个不为 0 的已知量，所以不计算。");
    }
    return b.Finish();
}

std::vector<SlipRule> ParallelogramAreaSlips() {
    return {
        {"S", "面积是底乘高，这里算成了底加高", [](const Solved& s) { return s("a") + s("h"); }},
        {"S", "把平行四边形当成了三角形，多除了 2", [](const Solved& s) { return s("a") * s("h") / Int(2); }},
        {"h", "把平行四边形当成了三角形，算成了 2S/a", [](const Solved& s) { return Int(2) * s.given("S") / s("a"); }},
        {"h", "高是面积除以底，这里用面积减了底", [](const Solved& s) { return s.given("S") - s("a"); }},
        {"a", "把平行四边形当成了三角形，算成了 2S/h", [](const Solved& s) { return Int(2) * s.given("S") / s("h"); }},
        {"a", "底是面积除以高，这里用面积减了高", [](const Solved& s) { return s.given("S") - s("h"); }},
    };
}

std::vector<SlipRule> ParallelogramPerimeterSlips() {
    return {
        {"P", "周长是 2(a + b)，这里只算了 a + b", [](const Solved& s) { return s("a") + s("b"); }},
        {"P", "两条邻边也要算上，这里只算了 2a + b", [](const Solved& s) { return Int(2) * s("a") + s("b"); }},
        {"P", "把周长和面积弄混了，算成了 ab", [](const Solved& s) { return s("a") * s("b"); }},
        {"b", "周长要先除以 2，这里直接用周长减了底边", [](const Solved& s) { return s.given("P") - s("a"); }},
        {"a", "周长要先除以 2，这里直接用周长减了邻边", [](const Solved& s) { return s.given("P") - s("b"); }},
    };
}

std::vector<SlipRule> ParallelogramAngleSlips() {
    return {
        {"S", "忘了乘 sin θ，ab 只是夹角为 90° 时的面积", [](const Solved& s) { return s("a") * s("b"); }},
        {"S", "把平行四边形当成了三角形，多除了 2",
         [](const Solved& s) { return s("a") * s("b") * s("θ").Sin() / Int(2); }},
        {"S", "把 sin θ 当成了 cos θ", [](const Solved& s) { return s("a") * s("b") * s("θ").Cos(); }},
        {"b", "忘了除以 sin θ，算成了 S/a", [](const Solved& s) { return s.given("S") / s("a"); }},
        {"a", "忘了除以 sin θ，算成了 S/b", [](const Solved& s) { return s.given("S") / s("b"); }},
        {"θ", "把 S/(ab) 当成了余弦，算成了 arccos",
         [](const Solved& s) { return (s.given("S") / (s.given("a") * s.given("b"))).Acos(); }},
    };
}

}  // namespace velunda
