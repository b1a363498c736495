#include <vector>

#include "solvers/triangle/sidesangles.h"
#include "solvers/triangle/trianglesteps.h"

namespace velunda {

using namespace exact;
using namespace trianglesteps;

namespace {

constexpr std::array<const char*, 3> kSide = {"a", "b", "c"};
constexpr std::array<const char*, 3> kAngle = {"A", "B", "C"};
constexpr std::array<Measure, 3> kSideMeasure = {Measure::SideA, Measure::SideB, Measure::SideC};
constexpr std::array<Measure, 3> kAngleMeasure = {Measure::AngleA, Measure::AngleB, Measure::AngleC};

using Triple = std::array<Number, 3>;

// Two sides and the angle opposite one of them: the sine rule gives the angle opposite the other side, which can be
// acute or obtuse, so there are no, one or two triangles. Side i and its angle are given, side j too.
void SideSideAngle(SolutionBuilder& b, const Triple& s, const Triple& angle, int i, int j, bool radians) {
    const int k = 3 - i - j;
    const std::string A = kAngle[i], B = kAngle[j], C = kAngle[k], a = kSide[i], bs = kSide[j], c = kSide[k];
    b.Line("已知两边 " + a + "、" + bs + " 和其中一边 " + a + " 的对角 " + A + "，求第三边 " + c + "。先用正弦定理 " +
           a + "/sin " + A + " = " + bs + "/sin " + B + " 看有几个三角形：");
    const Number pi = Number::Pi();
    if (s[i].Sign() <= 0 || s[j].Sign() <= 0) {
        b.Line("边长必须大于 0，而 " + a + " = " + Plain(s[i]) + "，" + bs + " = " + Plain(s[j]) + "。");
        b.Answer("这样的三角形不存在。");
        return;
    }
    if (angle[i].Sign() <= 0 || (angle[i] - pi).Sign() >= 0) {
        b.Line("三角形的角必须大于 0 且小于 " + std::string(StraightAngle(radians)) + "，而 " + A + " = " +
               AngleIn(angle[i], radians) + "。");
        b.Answer("这样的三角形不存在。");
        return;
    }
    const Number sinA = angle[i].Sin(), sinB = s[j] * sinA / s[i];
    b.Line("sin " + B + " = " + bs + "·sin " + A + "/" + a + " = " + In(s[j]) + " × sin " + AngleIn(angle[i], radians) +
           "/" + Divisor(s[i]) + ResultText(sinB));
    const int aboveOne = (sinB - Int(1)).Sign();
    if (aboveOne > 0) {
        b.Line("sin " + B + " > 1，没有这样的角 " + B + "：边 " + a + " 比顶点到对边的距离 " + bs + "·sin " + A +
               " 还短，够不着对边，所以没有三角形（无解）。");
        b.Answer("没有三角形，这样的三角形不存在。");
        return;
    }
    const Number first = sinB.Asin();
    std::vector<Number> candidates = {first};
    if (aboveOne == 0) {
        b.Line(B + " = 90°，" + B + " 是直角。");
    } else {
        b.Line(B + "₁ = arcsin(sin " + B + ")" + AngleResult(first) + "（锐角）");
        candidates.push_back(pi - first);
        b.Line(B + "₂ = " + StraightAngle(radians) + " − " + B + "₁" + AngleResult(candidates[1]) + "（钝角，sin " + B +
               "₂ = sin " + B + "₁）");
    }
    std::vector<std::pair<Number, bool>> valid;  // each angle that fits, and whether it is the obtuse one
    const auto fit = [&](std::size_t t) {
        const std::string name = B + (candidates.size() > 1 ? (t ? "₂" : "₁") : "");
        const Number sum = angle[i] + candidates[t];
        const bool fits = (sum - pi).Sign() < 0;
        b.Line(A + " + " + name + AngleIs(sum, radians) + (fits ? " < " : " ≥ ") + StraightAngle(radians) +
               (fits ? "，可以。" : "，三角形的内角和不够，舍去。"));
        if (fits) valid.emplace_back(candidates[t], t == 1);
    };
    for (std::size_t t = 0; t < candidates.size(); ++t) fit(t);
    if (valid.empty()) {
        b.Line("没有三角形（无解）。");
        b.Answer("没有三角形，这样的三角形不存在。");
        return;
    }
    b.Line(valid.size() == 2 ? "所以有两个三角形：" : "所以只有一个三角形：");
    // From the cosine rule a² = b² + c² − 2bc·cos A: c = b·cos A ± √(a² − (b·sin A)²), the
    // root added for the acute angle and taken away for the obtuse one.
    b.Line("由余弦定理 " + a + "² = " + bs + "² + " + c + "² − 2" + bs + c + "·cos " + A + " 得 " + c + " = " + bs +
           "·cos " + A + " ± √(" + a + "² − (" + bs + "·sin " + A + ")²)：");
    const Number projection = s[j] * angle[i].Cos(), height = s[j] * sinA;
    const Number root = Root(s[i] * s[i] - height * height);
    const std::string angleA = AngleIn(angle[i], radians);
    std::string answer = valid.size() == 2 ? "有两个三角形：" : "只有一个三角形：";
    const auto solve = [&](std::size_t t) {
        const std::string suffix = valid.size() == 2 ? (t ? "₂" : "₁") : "";
        const auto& [angleB, obtuse] = valid[t];
        const Number third = pi - angle[i] - angleB;
        b.Line(C + suffix + " = " + StraightAngle(radians) + " − " + A + " − " + B + suffix + AngleResult(third));
        const char* sign = obtuse ? " − " : " + ";
        const Number side = Sum(projection, obtuse ? -root : root);
        // Of two triangles the figure draws the first where the third side is c, as it
        // draws the first of the two the sides-perimeter-area window finds.
        const bool drawn = t == 0 && (valid.size() == 1 || k == 2);
        // Where the engine has no short form of the sum, its two parts still have one: 2√3 + √5,
        // over one denominator where they have any: (4√3+√5)/2.
        const bool parts = side.ExactText().empty() && !projection.ExactText().empty() && !root.ExactText().empty();
        const std::string shared = parts ? OverOneDenominator(projection, obtuse, root) : "";
        if (!b.Quantity(drawn ? kSideMeasure[k] : Measure::None, "第三边", c + suffix,
                        bs + "·cos " + A + sign + "√(" + a + "² − (" + bs + "·sin " + A + ")²)",
                        In(s[j]) + " × cos " + angleA + sign + "√(" + Squared(s[i]) + " − (" + In(s[j]) + " × sin " +
                            angleA + ")²)" + (root.IsZero() ? "" : " = " + In(projection) + sign + In(root)) +
                            (shared.empty() ? "" : " = " + shared),
                        side))
            return false;
        // The window writes both third sides into one field: the first stands for them.
        if (valid.size() == 2 && t == 0) b.Solved("第三边", c, side);
        answer += (t ? "；或 " : "") + B + AngleAnswer(angleB, radians) + "，" + C + AngleAnswer(third, radians) +
                  "，" + c +
                  (parts ? " = " + (shared.empty() ? In(projection) + sign + In(root) : shared)
                         : (RoundedDecimal(side, Plain(side)) ? " ≈ " : " = ") + Plain(side));
        return true;
    };
    for (std::size_t t = 0; t < valid.size(); ++t)
        if (!solve(t)) return;
    b.Answer(answer + "。");
}

// Slips in finding side o: by the cosine rule from the two other sides and the angle o
// between them, or by the sine rule from the first side typed.
Number CosineRuleSlip(const Solved& s, int o, int sign, bool root) {
    const Number x = s.given(kSide[(o + 1) % 3]), y = s.given(kSide[(o + 2) % 3]), angle = s.given(kAngle[o]);
    const Number square = x * x + y * y - Int(2 * sign) * x * y * angle.Cos();
    return root ? Root(square) : square;
}

Number InvertedSineRule(const Solved& s, int o) {
    int base = 0;
    while (base < 3 && !s.given(kSide[base]).ok()) ++base;
    if (base == 3 || base == o) return Number::Failed(Fault::Undefined);
    return s.given(kSide[base]) * s(kAngle[base]).Sin() / s(kAngle[o]).Sin();
}

}  // namespace

std::vector<SlipRule> SidesAnglesSlips() {
    constexpr const char* kSign = "余弦定理里 −2ab·cos C 的符号弄反了";
    constexpr const char* kRoot = "用余弦定理算出的是第三边的平方，还要开平方";
    constexpr const char* kSine = "正弦定理的比写反了，把 sin 的比倒过来乘了";
    return {
        {"a", kSign, [](const Solved& s) { return CosineRuleSlip(s, 0, -1, true); }},
        {"b", kSign, [](const Solved& s) { return CosineRuleSlip(s, 1, -1, true); }},
        {"c", kSign, [](const Solved& s) { return CosineRuleSlip(s, 2, -1, true); }},
        {"a", kRoot, [](const Solved& s) { return CosineRuleSlip(s, 0, 1, false); }},
        {"b", kRoot, [](const Solved& s) { return CosineRuleSlip(s, 1, 1, false); }},
        {"c", kRoot, [](const Solved& s) { return CosineRuleSlip(s, 2, 1, false); }},
        {"a", kSine, [](const Solved& s) { return InvertedSineRule(s, 0); }},
        {"b", kSine, [](const Solved& s) { return InvertedSineRule(s, 1); }},
        {"c", kSine, [](const Solved& s) { return InvertedSineRule(s, 2); }},
    };
}

WorkedSolution ExplainTriangleSidesAndAngles(const Form& before) {
    SolutionBuilder b;
    const bool radians = before.selected(sidesangles::Radians);
    Triple s = {Read(before, sidesangles::FirstSide), Read(before, sidesangles::SecondSide),
                Read(before, sidesangles::ThirdSide)};
    const Triple typed = {Read(before, sidesangles::FirstAngle), Read(before, sidesangles::SecondAngle),
                          Read(before, sidesangles::ThirdAngle)};
    if (!AllRead(b, {&s[0], &s[1], &s[2], &typed[0], &typed[1], &typed[2]})) return b.Finish();
    Triple angle;
    for (int i = 0; i < 3; ++i) angle[i] = radians ? typed[i] : typed[i] * Number::Pi() / Int(180);
    b.Line(std::string("记第一边为 a、第四边为 b、第六边为 c，它们的对角依次为 A、B、C；角的单位是") +
           (radians ? "弧度。" : "度。"));
    const auto given = [&](int i) {
        if (!typed[i].IsZero()) b.GivenAngle(kAngleMeasure[i], kAngle[i], typed[i], radians);
        if (!s[i].IsZero()) b.Given(kSideMeasure[i], kSide[i], s[i]);
    };
    for (int i = 0; i < 3; ++i) given(i);
    const std::array<bool, 3> typedSide = {!s[0].IsZero(), !s[1].IsZero(), !s[2].IsZero()};

    // Two sides and the angle between them give the third side, in the window's order.
    constexpr int kRules[3][3] = {{0, 1, 2}, {1, 2, 0}, {0, 2, 1}};
    bool ruleApplied = false;
    const auto cosineRule = [&](int x, int y, int o) {
        const std::string X = kSide[x], Y = kSide[y];
        b.Line("已知两边 " + X + "、" + Y + " 及其夹角 " + kAngle[o] + "，由余弦定理求 " + kSide[o] +
               (typedSide[o] ? "（填写的 " + std::string(kSide[o]) + " 被重新计算）：" : "："));
        const Number side = Root(s[x] * s[x] + s[y] * s[y] - Int(2) * s[x] * s[y] * angle[o].Cos());
        if (!b.Quantity(kSideMeasure[o], "边", kSide[o],
                        "√(" + X + "² + " + Y + "² − 2" + X + Y + "·cos " + kAngle[o] + ")",
                        "√(" + Squared(s[x]) + " + " + Squared(s[y]) + " − 2 × " + In(s[x]) + " × " + In(s[y]) +
                            " × cos " + AngleIn(angle[o], radians) + ")",
                        side))
            return false;
        s[o] = side;
        ruleApplied = true;
        return true;
    };
    for (const auto& rule : kRules) {
        const int x = rule[0], y = rule[1], o = rule[2];
        if (s[x].IsZero() || s[y].IsZero() || angle[o].IsZero()) continue;
        if (!cosineRule(x, y, o)) return b.Finish();
    }

    const int angles = !angle[0].IsZero() + !angle[1].IsZero() + !angle[2].IsZero();
    if (angles >= 2) {
        // The third angle from the first two given, then the other sides from the first side.
        const int third = angle[0].IsZero() ? 0 : angle[1].IsZero() ? 1 : 2;
        const int p = third == 0 ? 1 : 0, q = third == 2 ? 1 : 2;
        const Number value = Number::Pi() - angle[p] - angle[q];
        b.Line(std::string("三角形的内角和为 ") + StraightAngle(radians) +
               (typed[third].IsZero()
                    ? "："
                    : "，已知两个角时第三个角由它算出（填写的 " + std::string(kAngle[third]) + " 不用）："));
        b.Line("角 " + std::string(kAngle[third]) + " = " + StraightAngle(radians) + " − " + kAngle[p] + " − " +
               kAngle[q] + " = " + StraightAngle(radians) + " − " + AngleIn(angle[p], radians) + " − " +
               AngleIn(angle[q], radians) + AngleResult(value));
        if (value.Sign() <= 0)
            b.Line(std::string("两个角的和不小于 ") + StraightAngle(radians) +
                   "，这样的三角形不存在；窗口仍按正弦定理算出下面的数：");
        angle[third] = value;
        b.RecordAngle(kAngleMeasure[third], kAngle[third], value);
        const int base = !s[0].IsZero() ? 0 : !s[1].IsZero() ? 1 : !s[2].IsZero() ? 2 : -1;
        if (base < 0) {
            b.Line(
                "但三条边都没有给出：三个角只确定三角形的形状，不确定它的大小，所以求不出边。"
                "窗口提示“请登陆" +
                std::string(kUpdateAddress) + "下载更新版本”，三条边都写成 0。");
            b.Answer("还需要一条边，才能求出三角形的边。");
            return b.Finish();
        }
        const std::string a = kSide[base], A = kAngle[base];
        b.Line("由正弦定理 a/sin A = b/sin B = c/sin C，从 " + a + " 求另外两边：");
        const auto sineRule = [&](int o) {
            const Number side = s[base] * angle[o].Sin() / angle[base].Sin();
            if (!b.Quantity(
                    kSideMeasure[o], "边", kSide[o], a + "·sin " + kAngle[o] + "/sin " + A,
                    In(s[base]) + " × sin " + AngleIn(angle[o], radians) + "/sin " + AngleIn(angle[base], radians),
                    side))
                return false;
            s[o] = side;
            return true;
        };
        for (int o = 0; o < 3; ++o)
            if (o != base && !sineRule(o)) return b.Finish();
    } else if (!ruleApplied) {
        const int sides = typedSide[0] + typedSide[1] + typedSide[2];
        const int known = !angle[0].IsZero() ? 0 : !angle[1].IsZero() ? 1 : 2;
        if (sides == 3 && angles == 0) {
            b.Line("三条边都已知，窗口不用计算，三条边照写。下面求出三个角：");
            if (TestSides(b, s, kSide) == Shape::Triangle) AnglesFromSides(b, s, false);
            return b.Finish();
        }
        if (sides == 2 && angles == 1 && typedSide[known]) {
            SideSideAngle(b, s, angle, known, typedSide[(known + 1) % 3] ? (known + 1) % 3 : (known + 2) % 3, radians);
            return b.Finish();
        }
        b.Line(
            "已知条件不足：需要两边及其夹角，或两个角及一边，或两边及其中一边的对角（都不为 0），"
            "所以窗口不计算，只把边照写（没有填的写成 0）。");
        return b.Finish();
    }
    // "c ≈ 0.000174532924977909" where a side is a rounded decimal.
    const auto side = [&](const char* name, const Number& x) {
        const std::string text = Plain(x);
        return name + std::string(RoundedDecimal(x, text) ? " ≈ " : " = ") + text;
    };
    b.Answer(side("a", s[0]) + "，" + side("b", s[1]) + "，" + side("c", s[2]) + "。");
    return b.Finish();
}

}  // namespace velunda
