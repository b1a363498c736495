
#include "exact/solutionbuilder.h"
#include "solvers/plane/trapezoid.h"

namespace velunda {

using namespace exact;

WorkedSolution ExplainTrapezoid(const Form& before) {
    SolutionBuilder b;
    const Number u = Read(before, trapezoid::UpperBase), d = Read(before, trapezoid::LowerBase),
                 h = Read(before, trapezoid::Height), S = Read(before, trapezoid::Area);
    if (!AllRead(b, {&u, &d, &h, &S})) return b.Finish();
    const Number two = Int(2);
    b.Line("梯形的面积 S = (a + b)h/2（a 上底，b 下底，h 高）。");
    if (S.IsZero()) {
        b.Given(Measure::SideA, "a", u);
        b.Given(Measure::SideB, "b", d);
        b.Given(Measure::Height, "h", h);
        b.Quantity(Measure::Area, "面积", "S", "(a + b)h/2", "(" + In(u) + " + " + In(d) + ") × " + Grouped(h) + "/2",
                   (u + d) * h / two);
    } else if (h.IsZero()) {
        b.Given(Measure::SideA, "a", u);
        b.Given(Measure::SideB, "b", d);
        b.Given(Measure::Area, "S", S);
        if ((u + d).IsZero()) b.Line("上底与下底的和 a + b = 0。");
        b.Quantity(Measure::Height, "高", "h", "2S/(a + b)", "2 × " + Grouped(S) + "/(" + In(u) + " + " + In(d) + ")",
                   two * S / (u + d));
    } else if (d.IsZero()) {
        b.Given(Measure::SideA, "a", u);
        b.Given(Measure::Height, "h", h);
        b.Given(Measure::Area, "S", S);
        b.Quantity(Measure::SideB, "下底", "b", "2S/h − a", "2 × " + Grouped(S) + "/" + Divisor(h) + " − " + Grouped(u),
                   two * S / h - u);
    } else if (u.IsZero()) {
        b.Given(Measure::SideB, "b", d);
        b.Given(Measure::Height, "h", h);
        b.Given(Measure::Area, "S", S);
        b.Quantity(Measure::SideA, "上底", "a", "2S/h − b", "2 × " + Grouped(S) + "/" + Divisor(h) + " − " + Grouped(d),
                   two * S / h - d);
    } else {
        b.Line("四个量都已填写，没有要求的量，所以不计算。");
    }
    return b.Finish();
}

std::vector<SlipRule> TrapezoidSlips() {
    return {
        {"S", "忘了除以 2，(a + b)h 是两个这样的梯形", [](const Solved& s) { return (s("a") + s("b")) * s("h"); }},
        {"S", "上底加下底要加括号，这里只把下底乘了高",
         [](const Solved& s) { return s("a") + s("b") * s("h") / Int(2); }},
        {"S", "把梯形当成了三角形，只用了下底", [](const Solved& s) { return s("b") * s("h") / Int(2); }},
        {"h", "忘了乘 2，算成了 S/(a + b)", [](const Solved& s) { return s.given("S") / (s("a") + s("b")); }},
        {"h", "上底加下底要加括号，这里只除以了上底",
         [](const Solved& s) { return Int(2) * s.given("S") / s("a") + s("b"); }},
        {"b", "忘了乘 2，算成了 S/h − a", [](const Solved& s) { return s.given("S") / s("h") - s.given("a"); }},
        {"a", "忘了乘 2，算成了 S/h − b", [](const Solved& s) { return s.given("S") / s("h") - s.given("b"); }},
    };
}

}  // namespace velunda
