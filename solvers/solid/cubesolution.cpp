
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

}  // namespace velunda
