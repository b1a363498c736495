// Worked solutions of the triangle windows, all but the sides-and-angles one
// (sidesanglessolution.cpp); the steps they share are in trianglesteps.h.

#include "solvers/common/steps.h"
#include "solvers/triangle/baseheightarea.h"
#include "solvers/triangle/equilateral.h"
#include "solvers/triangle/righttriangle.h"
#include "solvers/triangle/sidesperimeterarea.h"
#include "solvers/triangle/threesides.h"
#include "solvers/triangle/trianglesteps.h"

namespace velunda {

using namespace exact;
using namespace trianglesteps;

WorkedSolution ExplainTriangleFromThreeSides(const Form& before) {
    SolutionBuilder b;
    const std::array<Number, 3> s = {Read(before, threesides::BC), Read(before, threesides::AC),
                                     Read(before, threesides::AB)};
    const Number &a = s[0], &bb = s[1], &c = s[2];
    if (!AllRead(b, {&a, &bb, &c})) return b.Finish();
    b.Given(Measure::SideA, "a = BC", a);
    b.Given(Measure::SideB, "b = AC", bb);
    b.Given(Measure::SideC, "c = AB", c);
    if (TestSides(b, s, {"a", "b", "c"}) != Shape::Triangle) {
        b.Answer("这样的三角形不存在。");
        return b.Finish();
    }
    const auto near = [](const Number& x) { return static_cast<double>(x.Approximate()); };
    if (NoTriangle(near(a), near(bb), near(c))) {
        b.Line(
            "但两边之和与第三边相差不到三边之和的 "
            "2⁻⁵⁰，在窗口的计算精度内三个点在一条直线上，窗口提示“不能构成三角形”。");
        b.Answer("在窗口的计算精度内，这样的三角形不存在。");
        return b.Finish();
    }
    AnglesFromSides(b, s, true);
    const Number P = a + bb + c;
    b.Quantity(Measure::Perimeter, "周长", "P", "a + b + c", In(a) + " + " + In(bb) + " + " + In(c), P);
    const Number cosA = CosineOf(s, 0), sinA = (Int(1) - cosA * cosA).Sqrt();
    b.Line("sin A = √(1 − cos²A) = √(1 − " + Squared(cosA) + ")" + ResultText(sinA));
    const Number S = bb * c * sinA / Int(2);
    b.Quantity(Measure::Area, "面积", "S", "½bc·sin A", "1/2 × " + In(bb) + " × " + In(c) + " × " + Grouped(sinA), S);
    const Number h1 = Int(2) * S / a, h2 = Int(2) * S / bb, h3 = Int(2) * S / c, R = a / (Int(2) * sinA),
                 r = Int(2) * S / P;
    b.Quantity(Measure::HeightA, "BC 上的高", "h₁", "2S/a", "2 × " + Grouped(S) + "/" + Divisor(a), h1);
    b.Quantity(Measure::HeightB, "AC 上的高", "h₂", "2S/b", "2 × " + Grouped(S) + "/" + Divisor(bb), h2);
    b.Quantity(Measure::HeightC, "AB 上的高", "h₃", "2S/c", "2 × " + Grouped(S) + "/" + Divisor(c), h3);
    b.Quantity(Measure::Circumradius, "外接圆半径", "R", "a/(2sin A)", In(a) + "/(2 × " + Grouped(sinA) + ")", R);
    b.Quantity(Measure::Inradius, "内切圆半径", "r", "2S/P", "2 × " + Grouped(S) + "/" + Divisor(P), r);
    // A thin triangle leaves the window's area with few correct digits.
    using namespace threesides;
    steps::FieldsAgree(b, before, TriangleFromThreeSides,
                       {{Area, "S", S},
                        {HeightToBC, "h₁", h1},
                        {HeightToAC, "h₂", h2},
                        {HeightToAB, "h₃", h3},
                        {Circumradius, "R", R},
                        {Inradius, "r", r}});
    return b.Finish();
}

WorkedSolution ExplainTriangleBaseHeightArea(const Form& before) {
    SolutionBuilder b;
    const Number a = Read(before, baseheightarea::Base), h = Read(before, baseheightarea::Height),
                 S = Read(before, baseheightarea::Area);
    if (!AllRead(b, {&a, &h, &S})) return b.Finish();
    b.Line("三角形的面积 S = ah/2（a 底，h 底上的高）。");
    steps::OneOfThree(
        b, {{{Measure::SideA, "a", a}, {Measure::Height, "h", h}, {Measure::Area, "S", S}}},
        {[&] { b.Quantity(Measure::SideA, "底", "a", "2S/h", "2 × " + In(S) + "/" + Divisor(h), Int(2) * S / h); },
         [&] { b.Quantity(Measure::Height, "高", "h", "2S/a", "2 × " + In(S) + "/" + Divisor(a), Int(2) * S / a); },
         [&] { b.Quantity(Measure::Area, "面积", "S", "ah/2", In(a) + " × " + In(h) + "/2", a * h / Int(2)); }},
        "需要底、高、面积中两个不为 0 的已知量，所以不计算（窗口提示“请下载新版本或查看帮助”，"
        "没有填的框写成 0）。");
    return b.Finish();
}

WorkedSolution ExplainRightTriangle(const Form& before) {
    SolutionBuilder b;
    const Number a = Read(before, righttriangle::Leg), bb = Read(before, righttriangle::OtherLeg),
                 c = Read(before, righttriangle::Hypotenuse), S = Read(before, righttriangle::Area);
    if (!AllRead(b, {&a, &bb, &c, &S})) return b.Finish();
    b.Line("勾股定理：直角三角形两条直角边 a、b 与斜边 c 满足 a² + b² = c²；面积 S = ab/2。");
    if (!a.IsZero() && !bb.IsZero()) {
        b.Given(Measure::SideA, "a", a);
        b.Given(Measure::SideB, "b", bb);
        b.Quantity(Measure::SideC, "斜边", "c", "√(a² + b²)", "√(" + Squared(a) + " + " + Squared(bb) + ")",
                   (a * a + bb * bb).Sqrt());
        b.Quantity(Measure::Area, "面积", "S", "ab/2", In(a) + " × " + In(bb) + "/2", a * bb / Int(2));
    } else if (!a.IsZero() && !c.IsZero()) {
        b.Given(Measure::SideA, "a", a);
        b.Given(Measure::SideC, "c", c);
        const Number other = (c * c - a * a).Sqrt();
        if (!other.ok()) b.Line("斜边必须比直角边长，而 c² = " + Plain(c * c) + " < a² = " + Plain(a * a) + "。");
        b.Quantity(Measure::SideB, "第二直角边", "b", "√(c² − a²)", "√(" + Squared(c) + " − " + Squared(a) + ")",
                   other) &&
            b.Quantity(Measure::Area, "面积", "S", "ab/2", In(a) + " × " + In(other) + "/2", a * other / Int(2));
    } else if (!a.IsZero() && !S.IsZero()) {
        b.Given(Measure::SideA, "a", a);
        b.Given(Measure::Area, "S", S);
        const Number other = Int(2) * S / a;
        b.Quantity(Measure::SideB, "第二直角边", "b", "2S/a", "2 × " + In(S) + "/" + Divisor(a), other);
        b.Quantity(Measure::SideC, "斜边", "c", "√(a² + b²)", "√(" + Squared(a) + " + " + Squared(other) + ")",
                   (a * a + other * other).Sqrt());
    } else if (!c.IsZero() && !S.IsZero()) {
        b.Given(Measure::SideC, "c", c);
        b.Given(Measure::Area, "S", S);
        b.Line("由 a² + b² = c²，ab = 2S 得 (a + b)² = c² + 4S，(a − b)² = c² − 4S（取 a ≥ b）：");
        const Number sum = (c * c + Int(4) * S).Sqrt(), difference = (c * c - Int(4) * S).Sqrt();
        if (!difference.ok())
            b.Line("面积不能大于斜边平方的四分之一，而 4S = " + Plain(Int(4) * S) + " > c² = " + Plain(c * c) + "。");
        const bool found =
            b.Quantity("两直角边的和", "a + b", "√(c² + 4S)", "√(" + Squared(c) + " + 4 × " + In(S) + ")", sum) &&
            b.Quantity("两直角边的差", "a − b", "√(c² − 4S)", "√(" + Squared(c) + " − 4 × " + In(S) + ")", difference);
        if (found) {
            const Number leg = Sum(sum, difference) / Int(2);
            const Number other = Int(2) * S / leg;
            if (b.Quantity(Measure::SideA, "第一直角边", "a", "((a + b) + (a − b))/2",
                           "(" + In(sum) + " + " + In(difference) + ")/2", leg) &&
                b.Quantity(Measure::SideB, "第二直角边", "b", "2S/a", "2 × " + In(S) + "/" + Divisor(leg), other))
                b.Answer("第一直角边为 " + Plain(leg) + "，第二直角边为 " + Plain(other) + "。");
        }
    } else {
        b.Line(
            "需要第一直角边与另一个量（第二直角边、斜边或面积），或者斜边与面积，两个都不为 0；"
            "只给第二直角边时，请把它填在第一直角边的框里。所以不计算（窗口提示“请下载新版本”）。");
    }
    return b.Finish();
}

WorkedSolution ExplainTriangleSidesPerimeterArea(const Form& before) {
    SolutionBuilder b;
    const Number a = Read(before, sidesperimeterarea::SideA), bb = Read(before, sidesperimeterarea::SideB),
                 c = Read(before, sidesperimeterarea::SideC), P = Read(before, sidesperimeterarea::Perimeter),
                 S = Read(before, sidesperimeterarea::Area);
    if (!AllRead(b, {&a, &bb, &c, &P, &S})) return b.Finish();
    b.Line("海伦公式：三边为 a、b、c，半周长 s = (a + b + c)/2 时，面积 S = √(s(s − a)(s − b)(s − c))。");
    if (!a.IsZero() && !bb.IsZero() && !c.IsZero()) {
        b.Given(Measure::SideA, "a", a);
        b.Given(Measure::SideB, "b", bb);
        b.Given(Measure::SideC, "c", c);
        const Number perimeter = a + bb + c;
        b.Quantity(Measure::Perimeter, "周长", "P", "a + b + c", In(a) + " + " + In(bb) + " + " + In(c), perimeter);
        HeronArea(b, perimeter, {a, bb, c});
    } else if (!a.IsZero() && !bb.IsZero() && !P.IsZero()) {
        b.Given(Measure::SideA, "a", a);
        b.Given(Measure::SideB, "b", bb);
        b.Given(Measure::Perimeter, "P", P);
        const Number third = P - a - bb;
        b.Quantity(Measure::SideC, "第三边", "c", "P − a − b", In(P) + " − " + In(a) + " − " + In(bb), third);
        HeronArea(b, P, {a, bb, third});
    } else if (!a.IsZero() && !bb.IsZero() && !S.IsZero()) {
        b.Given(Measure::SideA, "a", a);
        b.Given(Measure::SideB, "b", bb);
        b.Given(Measure::Area, "S", S);
        b.Line(
            "由海伦公式得 16S² = 4a²b² − (a² + b² − c²)²，把第三边的平方 c² 看作未知数 x，得"
            " x² − 2(a² + b²)x + (a² − b²)² + 16S² = 0：");
        const Number q = Int(-2) * (a * a + bb * bb), r = (a * a - bb * bb) * (a * a - bb * bb) + Int(16) * S * S;
        b.Line("一次项系数 q = −2(a² + b²) = −2 × (" + Squared(a) + " + " + Squared(bb) + ")" + ResultText(q) +
               "，常数项 r = (a² − b²)² + 16S² = (" + Squared(a) + " − " + Squared(bb) + ")² + 16 × " + Squared(S) +
               ResultText(r));
        const Number delta = q * q - Int(4) * r;
        const std::string line =
            delta.ok() ? "Δ = q² − 4r = " + Squared(q) + " − 4 × " + Grouped(r) + ResultText(delta) : "";
        const std::optional<int> sign =
            steps::DiscriminantCase(b, delta, "Δ = q² − 4r", line, "，方程有两个相等的实数根（两边的夹角是直角）。",
                                    "（两边的夹角一个是钝角，一个是锐角）。");
        if (!sign) return b.Finish();
        if (*sign < 0) {
            b.Line("三角形的面积 S = ½ab·sin C 不能大于 ab/2 = " + Plain(a * bb / Int(2)) + "，所以无解。");
            b.Answer("无解：这样的三角形不存在。");
            return b.Finish();
        }
        const Number root = delta.Sqrt();
        const Number x1 = (-q + root) / Int(2), x2 = (-q - root) / Int(2);
        b.Line("x₁ = (−q + √Δ)/2" + ResultText(x1) + "，x₂ = (−q − √Δ)/2" + ResultText(x2));
        const Number c1 = Root(x1), c2 = Root(x2);
        const Number P1 = a + bb + c1, P2 = a + bb + c2;
        const bool found =
            b.Quantity(Measure::SideC, "第三边", "c₁", "√x₁", RootOf(x1), c1) &&
            b.Quantity("第三边", "c₂", "√x₂", RootOf(x2), c2) &&
            b.Quantity(Measure::Perimeter, "周长", "P₁", "a + b + c₁", In(a) + " + " + In(bb) + " + " + In(c1), P1) &&
            b.Quantity("周长", "P₂", "a + b + c₂", In(a) + " + " + In(bb) + " + " + In(c2), P2);
        // Each field holds both values; either is the one asked for.
        if (found) {
            b.Solved("第三边", "c", c1);
            b.Solved("周长", "P", P1);
        }
        if (found && delta.IsZero())
            b.Answer("第三边为 " + Plain(c1) + "，周长为 " + Plain(P1) + "。");
        else if (found)
            b.Answer("第三边为 " + Plain(c1) + " 或 " + Plain(c2) + "，周长为 " + Plain(P1) + " 或 " + Plain(P2) +
                     "。");
    } else {
        b.Line(
            "需要三条边，或第一边、第二边与周长，或第一边、第二边与面积（都不为 0），所以不计算"
            "（窗口提示“请下载新版本或查看帮助”，没有填的框写成 0）。");
    }
    return b.Finish();
}

WorkedSolution ExplainEquilateralTriangle(const Form& before) {
    SolutionBuilder b;
    const Number a0 = Read(before, equilateral::Side), P0 = Read(before, equilateral::Perimeter),
                 h0 = Read(before, equilateral::Height), S0 = Read(before, equilateral::Area);
    if (!AllRead(b, {&a0, &P0, &h0, &S0})) return b.Finish();
    b.Line("等边三角形的边长为 a 时，周长 P = 3a，高 h = √3·a/2，面积 S = √3·a²/4。");
    const Number root3 = Int(3).Sqrt();
    Number a;
    if (!a0.IsZero()) {
        b.Given(Measure::SideA, "a", a0);
        a = a0;
    } else if (!P0.IsZero()) {
        b.Given(Measure::Perimeter, "P", P0);
        a = P0 / Int(3);
        b.Quantity(Measure::SideA, "边长", "a", "P/3", In(P0) + "/3", a);
    } else if (!h0.IsZero()) {
        b.Given(Measure::Height, "h", h0);
        a = Int(2) * h0 / root3;
        b.Quantity(Measure::SideA, "边长", "a", "2h/√3", "2 × " + In(h0) + "/√3", a);
    } else if (!S0.IsZero()) {
        b.Given(Measure::Area, "S", S0);
        a = Root(Int(4) * S0 / root3);
        if (!b.Quantity(Measure::SideA, "边长", "a", "√(4S/√3)", "√(4 × " + In(S0) + "/√3)", a)) return b.Finish();
    } else {
        b.Line("边长、周长、高、面积都是 0（或没有填写），窗口不计算，四个框都写成 0。");
        return b.Finish();
    }
    if (a.Sign() < 0) b.Line("边长是负数，这样的三角形不存在；窗口仍按公式计算：");
    // The quantity typed keeps its value; the other three come from the side.
    const bool fromSide = !a0.IsZero(), fromPerimeter = !fromSide && !P0.IsZero(),
               fromHeight = !fromSide && !fromPerimeter && !h0.IsZero();
    const bool fromArea = !fromSide && !fromPerimeter && !fromHeight;
    if (!fromPerimeter) b.Quantity(Measure::Perimeter, "周长", "P", "3a", "3 × " + Grouped(a), Int(3) * a);
    if (!fromHeight) b.Quantity(Measure::Height, "高", "h", "√3·a/2", "√3 × " + Grouped(a) + "/2", root3 * a / Int(2));
    if (!fromArea)
        b.Quantity(Measure::Area, "面积", "S", "√3·a²/4", "√3 × " + Squared(a) + "/4", root3 * a * a / Int(4));
    return b.Finish();
}

std::vector<SlipRule> ThreeSidesSlips() {
    // The sides are given as "a = BC", "b = AC", "c = AB".
    return {
        {"P", "把周长算成了半周长 (a + b + c)/2", [](const Solved& s) { return s("P") / Int(2); }},
        {"S", "忘了乘 ½，算成了 bc·sin A", [](const Solved& s) { return Int(2) * s("S"); }},
        {"S", "把 sin A 用成了 cos A",
         [](const Solved& s) {
             const Number a = s.given("a = BC"), b = s.given("b = AC"), c = s.given("c = AB");
             return (b * b + c * c - a * a) / Int(4);
         }},
        {"h₁", "高是 2S/a，忘了乘 2", [](const Solved& s) { return s("S") / s.given("a = BC"); }},
        {"h₂", "高是 2S/b，忘了乘 2", [](const Solved& s) { return s("S") / s.given("b = AC"); }},
        {"h₃", "高是 2S/c，忘了乘 2", [](const Solved& s) { return s("S") / s.given("c = AB"); }},
        {"R", "外接圆半径是 a/(2sin A)，忘了除以 2", [](const Solved& s) { return Int(2) * s("R"); }},
        {"r", "内切圆半径是 2S/P，忘了乘 2", [](const Solved& s) { return s("r") / Int(2); }},
        {"A", "把 arccos 当成了 arcsin", [](const Solved& s) { return Number::Pi() / Int(2) - s("A"); }},
        {"B", "把 arccos 当成了 arcsin", [](const Solved& s) { return Number::Pi() / Int(2) - s("B"); }},
        {"C", "把 arccos 当成了 arcsin", [](const Solved& s) { return Number::Pi() / Int(2) - s("C"); }},
    };
}

std::vector<SlipRule> BaseHeightAreaSlips() {
    return {
        {"S", "忘了除以 2，算成了 ah", [](const Solved& s) { return s.given("a") * s.given("h"); }},
        {"h", "高是 2S/a，忘了乘 2", [](const Solved& s) { return s.given("S") / s.given("a"); }},
        {"a", "底是 2S/h，忘了乘 2", [](const Solved& s) { return s.given("S") / s.given("h"); }},
    };
}

std::vector<SlipRule> RightTriangleSlips() {
    return {
        {"c", "没有开平方，算出的是 c²", [](const Solved& s) { return s("c") * s("c"); }},
        {"c", "斜边不是两条直角边的和", [](const Solved& s) { return s("a") + s("b"); }},
        {"b", "把斜边当成了直角边，算成了 √(a² + c²)",
         [](const Solved& s) {
             const Number a = s.given("a"), c = s.given("c");
             return (a * a + c * c).Sqrt();
         }},
        {"b", "直角边是 2S/a，忘了乘 2", [](const Solved& s) { return s.given("S") / s.given("a"); }},
        {"S", "忘了除以 2，算成了 ab", [](const Solved& s) { return s("a") * s("b"); }},
    };
}

std::vector<SlipRule> SidesPerimeterAreaSlips() {
    return {
        {"P", "把周长算成了半周长",
         [](const Solved& s) { return (s.given("a") + s.given("b") + s.given("c")) / Int(2); }},
        {"S", "海伦公式最后没有开平方", [](const Solved& s) { return s("S") * s("S"); }},
        {"S", "海伦公式里要用半周长 s = P/2，这里用了周长 P",
         [](const Solved& s) {
             const Number P = s("P"), a = s.given("a"), b = s.given("b"), c = s("c");
             return Root(P * (P - a) * (P - b) * (P - c));
         }},
        {"c", "第三边是 P − a − b，忘了减去第二边", [](const Solved& s) { return s.given("P") - s.given("a"); }},
        {"c", "没有开平方，求出的是第三边的平方", [](const Solved& s) { return s("c₁") * s("c₁"); }},
    };
}

std::vector<SlipRule> EquilateralSlips() {
    return {
        {"h", "高是 √3·a/2，忘了除以 2", [](const Solved& s) { return Int(3).Sqrt() * s("a"); }},
        {"S", "把边长当成了高，算成了 a·a/2", [](const Solved& s) { return s("a") * s("a") / Int(2); }},
        {"S", "面积是 ah/2，忘了除以 2", [](const Solved& s) { return s("a") * s("h"); }},
        {"a", "把高和边长的关系弄反了，算成了 √3·h/2",
         [](const Solved& s) { return Int(3).Sqrt() * s.given("h") / Int(2); }},
    };
}

}  // namespace velunda
