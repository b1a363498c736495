
#include "exact/solutionbuilder.h"
#include "solvers/plane/angleunit.h"
#include "solvers/plane/chord.h"

namespace velunda {

using namespace exact;

namespace {

// The central angle over the chord from half the chord and the distance: 2·arctan((c/2)/d);
// a chord through the centre (d = 0) has the angle 180°.
bool Angle(SolutionBuilder& b, const Number& c, const Number& d, bool radians) {
    const std::string line = "圆心角 θ = 2arctan((c/2)/d) = 2arctan((" + In(c) + "/2)/" + Grouped(d) + ")";
    if (!c.ok() || !d.ok()) return false;
    if (d.IsZero()) {
        b.Line("因为 d = 0，弦是直径，圆心角 θ = " + AngleText(Number::Pi(), radians));
        b.AnswerPart("圆心角为 " + AngleText(Number::Pi(), radians));
        b.RecordAngle(Measure::CentralAngle, "θ", Number::Pi());
        return true;
    }
    const Number theta = Int(2) * (c / Int(2) / d).Atan();
    if (!theta.ok()) {
        b.Cannot(line, FaultText(theta.fault()));
        return false;
    }
    b.Line(line + " = " + AngleText(theta, radians));
    b.AnswerPart("圆心角为 " + AngleText(theta, radians));
    b.RecordAngle(Measure::CentralAngle, "θ", theta);
    return true;
}

}  // namespace

WorkedSolution ExplainChord(const Form& before) {
    SolutionBuilder b;
    const bool radians = InRadians(before);
    const Number r = Read(before, chord::Radius), c = Read(before, chord::Chord), d = Read(before, chord::Distance);
    const Number typed = Read(before, chord::Angle);
    const Number theta = ReadAngle(before, chord::Angle, radians);
    if (!AllRead(b, {&r, &c, &d, &typed})) return b.Finish();
    b.Line("垂径定理：垂直于弦的直径平分这条弦，所以 r² = (c/2)² + d²，tan(θ/2) = (c/2)/d。");
    auto given = [](const Number& x) { return !x.IsZero(); };
    const Number half = theta / Int(2);
    if (given(r) && given(c)) {
        b.Given(Measure::Radius, "r", r);
        b.Given(Measure::Chord, "c", c);
        const Number dd = (r * r - c / Int(2) * (c / Int(2))).Sqrt();
        b.Quantity(Measure::Distance, "弦心距", "d", "√(r² − (c/2)²)", "√(" + Squared(r) + " − (" + In(c) + "/2)²)",
                   dd) &&
            Angle(b, c, dd, radians);
    } else if (given(r) && given(d)) {
        b.Given(Measure::Radius, "r", r);
        b.Given(Measure::Distance, "d", d);
        const Number cc = Int(2) * (r * r - d * d).Sqrt();
        b.Quantity(Measure::Chord, "弦长", "c", "2√(r² − d²)", "2√(" + Squared(r) + " − " + Squared(d) + ")", cc) &&
            Angle(b, cc, d, radians);
    } else if (given(c) && given(d)) {
        b.Given(Measure::Chord, "c", c);
        b.Given(Measure::Distance, "d", d);
        const Number rr = (c / Int(2) * (c / Int(2)) + d * d).Sqrt();
        b.Quantity(Measure::Radius, "半径", "r", "√((c/2)² + d²)", "√((" + In(c) + "/2)² + " + Squared(d) + ")", rr) &&
            Angle(b, c, d, radians);
    } else if (given(theta) && given(c)) {
        b.GivenAngle(Measure::CentralAngle, "θ", typed, radians);
        b.Given(Measure::Chord, "c", c);
        if (!FigureAngleExplained(b, theta, radians, "圆心角", "弦")) return b.Finish();
        const Number dd = c / Int(2) / half.Tan();
        const Number rr = (c / Int(2) * (c / Int(2)) + dd * dd).Sqrt();
        b.Quantity(Measure::Distance, "弦心距", "d", "(c/2)/tan(θ/2)",
                   "(" + In(c) + "/2)/tan(" + AngleText(half, radians) + ")", dd) &&
            b.Quantity(Measure::Radius, "半径", "r", "√((c/2)² + d²)", "√((" + In(c) + "/2)² + " + Squared(dd) + ")",
                       rr);
    } else if (given(theta) && given(d)) {
        b.GivenAngle(Measure::CentralAngle, "θ", typed, radians);
        b.Given(Measure::Distance, "d", d);
        if (!FigureAngleExplained(b, theta, radians, "圆心角", "弦")) return b.Finish();
        const Number rr = d / half.Cos();
        const Number cc = Int(2) * (rr * rr - d * d).Sqrt();
        b.Quantity(Measure::Radius, "半径", "r", "d/cos(θ/2)", Grouped(d) + "/cos(" + AngleText(half, radians) + ")",
                   rr) &&
            b.Quantity(Measure::Chord, "弦长", "c", "2√(r² − d²)", "2√(" + Squared(rr) + " − " + Squared(d) + ")", cc);
    } else if (given(theta) && given(r)) {
        b.GivenAngle(Measure::CentralAngle, "θ", typed, radians);
        b.Given(Measure::Radius, "r", r);
        if (!FigureAngleExplained(b, theta, radians, "圆心角", "弦")) return b.Finish();
        const Number dd = half.Cos() * r;
        const Number cc = Int(2) * (r * r - dd * dd).Sqrt();
        b.Quantity(Measure::Distance, "弦心距", "d", "r·cos(θ/2)",
                   Grouped(r) + " × cos(" + AngleText(half, radians) + ")", dd) &&
            b.Quantity(Measure::Chord, "弦长", "c", "2√(r² − d²)", "2√(" + Squared(r) + " − " + Squared(dd) + ")", cc);
    } else {
        b.Line("需要两个不为 0 的已知量（r、c、d、θ 中任意两个），所以不计算。");
    }
    return b.Finish();
}

namespace {

// Half the central angle, where it is given.
Number HalfGivenAngle(const Solved& s) { return s.given("θ") / Int(2); }

}  // namespace

std::vector<SlipRule> ChordSlips() {
    return {
        {"d", "垂径定理里用的是半条弦，这里没有把弦长除以 2",
         [](const Solved& s) { return (s.given("r") * s.given("r") - s.given("c") * s.given("c")).Sqrt(); }},
        {"d", "忘了开平方，r² − (c/2)² 是弦心距的平方",
         [](const Solved& s) { return s.given("r") * s.given("r") - s.given("c") * s.given("c") / Int(4); }},
        {"d", "弦心距是 r·cos(θ/2)，这里用了 sin(θ/2)",
         [](const Solved& s) { return s.given("r") * HalfGivenAngle(s).Sin(); }},
        {"c", "√(r² − d²) 只是半条弦，忘了乘 2", [](const Solved& s) { return s("c") / Int(2); }},
        {"r", "垂径定理里用的是半条弦，这里没有把弦长除以 2",
         [](const Solved& s) { return (s.given("c") * s.given("c") + s.given("d") * s.given("d")).Sqrt(); }},
        {"r", "半径是 d/cos(θ/2)，这里乘了 cos(θ/2)",
         [](const Solved& s) { return s.given("d") * HalfGivenAngle(s).Cos(); }},
        {"θ", "(c/2)/d 是半个圆心角的正切，这里忘了乘 2", [](const Solved& s) { return s("θ") / Int(2); }},
        {"θ", "把弦心距当成了 θ/2 的对边，算成了 2arctan(d/(c/2))",
         [](const Solved& s) { return Int(2) * (s("d") / (s("c") / Int(2))).Atan(); }},
    };
}

}  // namespace velunda
