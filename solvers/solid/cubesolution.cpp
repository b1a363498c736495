
#include "exact/solutionbuilder.h"
#include "solvers/solid/cube.h"

namespace velunda {

using namespace exact;

namespace {

void FromEdge(SolutionBuilder& b, const Number& a, bool sum, bool surface, bool volume) {
    if (sum) b.Quantity(Measure::EdgeSum, "棱长总和", "L", "12a", "12 × " + Grouped(a), Int(12) * a);
    if (surface) b.Quantity(Measure::Surface, "表面积", "S", "6a²", "6 × " + Squared(a), Int(6) * a * a);
    if (volume) b.Quantity(Measure::Volume, "体积", "V", "a³", Grouped(a) + "³", a * a * a);
}

}  // namespace

WorkedSolution ExplainCubeFromEdge(const Form& before) {
    SolutionBuilder b;
    Number a;
    if (ReadGivenStrictly(b, before, cube::Edge, Measure::SideA, "a", &a)) FromEdge(b, a, true, true, true);
    return b.Finish();
}

WorkedSolution ExplainCubeFromEdgeSum(const Form& before) {
    SolutionBuilder b;
    Number L;
    if (ReadGivenStrictly(b, before, cube::EdgeSum, Measure::EdgeSum, "L", &L)) {
        const Number a = L / Int(12);
        if (b.Quantity(Measure::SideA, "棱长", "a", "L/12", In(L) + "/12", a)) FromEdge(b, a, false, true, true);
    }
    return b.Finish();
}

WorkedSolution ExplainCubeFromSurface(const Form& before) {
    SolutionBuilder b;
    Number S;
    if (ReadGivenStrictly(b, before, cube::Surface, Measure::Surface, "S", &S)) {
        if (S.Sign() < 0) b.Line("表面积是负数，而 6a² 不会是负数。");
        const Number a = (S / Int(6)).Sqrt();
        if (b.Quantity(Measure::SideA, "棱长", "a", "√(S/6)", "√(" + In(S) + "/6)", a))
            FromEdge(b, a, true, false, true);
    }
    return b.Finish();
}

WorkedSolution ExplainCubeFromVolume(const Form& before) {
    SolutionBuilder b;
    Number V;
    if (ReadGivenStrictly(b, before, cube::Volume, Measure::Volume, "V", &V)) {
        if (V.Sign() < 0) {
            b.Cannot("棱长 a = ∛V = ∛" + Grouped(V),
                     "体积是负数，这样的正方体不存在（本窗口按乘方计算，负数不开立方）");
        } else {
            const Number a = V.Cbrt();
            if (b.Quantity(Measure::SideA, "棱长", "a", "∛V", "∛" + Grouped(V), a)) FromEdge(b, a, true, true, false);
        }
    }
    return b.Finish();
}

std::vector<SlipRule> CubeSlips() {
    return {
        {"L", "正方体有 12 条棱，这里只算了 4 条", [](const Solved& s) { return Int(4) * s("a"); }},
        {"L", "正方体有 12 条棱，这里乘了面数 6", [](const Solved& s) { return Int(6) * s("a"); }},
        {"S", "正方体有 6 个面，这里只算了一个面", [](const Solved& s) { return s("a") * s("a"); }},
        {"S", "把表面积和体积弄混了，算成了 a³", [](const Solved& s) { return s("a") * s("a") * s("a"); }},
        {"V", "a³ 是 a × a × a，不是 3 × a", [](const Solved& s) { return Int(3) * s("a"); }},
        {"V", "把体积和表面积弄混了，算成了 6a²", [](const Solved& s) { return Int(6) * s("a") * s("a"); }},
        {"a", "正方体有 12 条棱，这里只除以了 4", [](const Solved& s) { return s.given("L") / Int(4); }},
        {"a", "忘了先除以 6，一个面的面积是 S/6", [](const Solved& s) { return s.given("S").Sqrt(); }},
        {"a", "∛V 是开立方，不是除以 3", [](const Solved& s) { return s.given("V") / Int(3); }},
    };
}

}  // namespace velunda
