
#include "exact/solutionbuilder.h"
#include "solvers/plane/square.h"

namespace velunda {

using namespace exact;

namespace {

// The three lines every square solution ends with, from its side a.
void FromSide(SolutionBuilder& b, const Number& a, bool perimeter, bool area, bool diagonal) {
    const Number two = Int(2);
    if (perimeter) b.Quantity(Measure::Perimeter, "周长", "P", "4a", "4 × " + In(a), Int(4) * a);
    if (area) b.Quantity(Measure::Area, "面积", "S", "a²", Squared(a), a * a);
    if (diagonal) b.Quantity(Measure::Diagonal, "对角线", "d", "√2·a", "√2 × " + In(a), two.Sqrt() * a);
}

}  // namespace

WorkedSolution ExplainSquareFromSide(const Form& before) {
    SolutionBuilder b;
    const Number a = Read(before, square::Side);
    b.Given(Measure::SideA, "a", a);
    if (a.ok()) FromSide(b, a, true, true, true);
    return b.Finish();
}

WorkedSolution ExplainSquareFromPerimeter(const Form& before) {
    SolutionBuilder b;
    const Number P = Read(before, square::Perimeter);
    b.Given(Measure::Perimeter, "P", P);
    const Number a = P / Int(4);
    if (P.ok() && b.Quantity(Measure::SideA, "边长", "a", "P/4", In(P) + "/4", a)) FromSide(b, a, false, true, true);
    return b.Finish();
}

WorkedSolution ExplainSquareFromArea(const Form& before) {
    SolutionBuilder b;
    const Number S = Read(before, square::Area);
    b.Given(Measure::Area, "S", S);
    const Number a = S.Sqrt();
    if (S.ok() && b.Quantity(Measure::SideA, "边长", "a", "√S", RootOf(S), a)) FromSide(b, a, true, false, true);
    return b.Finish();
}

WorkedSolution ExplainSquareFromDiagonal(const Form& before) {
    SolutionBuilder b;
    const Number d = Read(before, square::Diagonal);
    b.Given(Measure::Diagonal, "d", d);
    const Number a = d / Int(2).Sqrt();
    if (d.ok() && b.Quantity(Measure::SideA, "边长", "a", "d/√2", In(d) + "/√2", a)) FromSide(b, a, true, true, false);
    return b.Finish();
}

std::vector<SlipRule> SquareSlips() {
    return {
        {"P", "把周长和面积弄混了，算成了 a²", [](const Solved& s) { return s("a") * s("a"); }},
        {"P", "周长是四条边的和，这里只加了两条边", [](const Solved& s) { return Int(2) * s("a"); }},
        {"S", "把周长和面积弄混了，算成了 4a", [](const Solved& s) { return Int(4) * s("a"); }},
        {"S", "a² 是 a × a，不是 2 × a", [](const Solved& s) { return Int(2) * s("a"); }},
        {"d", "对角线是 √2·a，这里把 √2 当成了 2", [](const Solved& s) { return Int(2) * s("a"); }},
        {"d", "对角线比边长长，是边长的 √2 倍", [](const Solved& s) { return s("a") / Int(2).Sqrt(); }},
        {"a", "没有开平方，把面积当成了边长", [](const Solved& s) { return s.given("S"); }},
        {"a", "正方形有四条边，周长要除以 4，不是 2", [](const Solved& s) { return s.given("P") / Int(2); }},
        {"a", "边长是对角线除以 √2，这里乘了 √2", [](const Solved& s) { return s.given("d") * Int(2).Sqrt(); }},
    };
}

}  // namespace velunda
