#include <array>
#include <string_view>

#include "exact/solutionbuilder.h"
#include "solvers/algebra/algebrasolution.h"
#include "solvers/algebra/linear.h"

namespace velunda {

using namespace exact;

namespace {

std::string Times(const Number& x, const Number& y) { return Grouped(x) + " × " + Grouped(y); }

// A value to 5 decimals is what the window writes for x (and y of three equations).
bool FiveDecimalsExact(const Number& x) { return (x * Int(100000)).IsInteger(); }

// a₁·u + b₁·v + c₁ = 0 and a₂·u + b₂·v + c₂ = 0, with the names of the coefficients and
// the unknowns as the solution writes them.
struct Pair {
    std::array<Number, 6> k;  // a₁ b₁ c₁ a₂ b₂ c₂
    std::array<std::string, 6> names;
    std::string u, v;
    std::array<std::string, 2> labels;  // "①", "②"
};

enum class Outcome { Unique, None, Infinite, NoUnknowns, Failed };

struct PairSolution {
    Outcome outcome = Outcome::Failed;
    Number u, v;
};

// "D = a₁b₂ − a₂b₁ = 1 × (-1) − 2 × 1 = -3"
Number Determinant(SolutionBuilder& b, const std::string& name, const Pair& p, int i, int j, int m, int n) {
    const Number d = p.k[i] * p.k[j] - p.k[m] * p.k[n];
    const std::string line = name + " = " + p.names[i] + p.names[j] + " − " + p.names[m] + p.names[n] + " = " +
                             Times(p.k[i], p.k[j]) + " − " + Times(p.k[m], p.k[n]);
    if (d.ok())
        b.Line(line + " = " + d.Text());
    else
        b.Cannot(line, FaultText(d.fault()));
    return d;
}

// Solves the pair by determinants (Cramer's rule), or says why it has no single solution.
PairSolution SolvePair(SolutionBuilder& b, const Pair& p) {
    const auto& k = p.k;
    const auto& n = p.names;
    b.Line("写成 " + n[0] + p.u + " + " + n[1] + p.v + " = −" + n[2] + "，" + n[3] + p.u + " + " + n[4] + p.v + " = −" +
           n[5] + "，用行列式（克莱姆法则）求解：");
    PairSolution s;
    const Number D = Determinant(b, "D", p, 0, 4, 3, 1);
    if (!D.ok()) return s;
    const Number Du = Determinant(b, "D" + p.u, p, 1, 5, 4, 2);
    if (!Du.ok()) return s;
    const Number Dv = Determinant(b, "D" + p.v, p, 3, 2, 0, 5);
    if (!Dv.ok()) return s;
    if (!D.IsZero()) {
        b.Line("D = " + Plain(D) + " ≠ 0，方程组有唯一一组解：");
        s.u = Du / D;
        s.v = Dv / D;
        b.Line(p.u + " = D" + p.u + "/D = " + In(Du) + "/" + Divisor(D) + " = " + s.u.Text());
        b.Line(p.v + " = D" + p.v + "/D = " + In(Dv) + "/" + Divisor(D) + " = " + s.v.Text());
        s.outcome = Outcome::Unique;
        return s;
    }
    // D = 0: an equation without unknowns decides, otherwise the two lines are parallel or one.
    for (int e = 0; e < 2; ++e) {
        const Number &a = k[3 * e], &c = k[3 * e + 2], &bb = k[3 * e + 1];
        if (a.IsZero() && bb.IsZero() && !c.IsZero()) {
            b.Line("D = 0。方程" + p.labels[e] + "化为 " + Plain(c) + " = 0，不成立，所以方程组无解。");
            s.outcome = Outcome::None;
            return s;
        }
    }
    for (int e = 0; e < 2; ++e) {
        if (k[3 * e].IsZero() && k[3 * e + 1].IsZero()) {
            b.Line("D = 0。方程" + p.labels[e] + "化为 0 = 0，不含未知数，只剩一个方程，" + p.u + "、" + p.v +
                   " 不能唯一确定。");
            s.outcome = Outcome::NoUnknowns;
            return s;
        }
    }
    if (Du.IsZero() && Dv.IsZero()) {
        b.Line("D = D" + p.u + " = D" + p.v + " = 0，两个方程的系数成比例，是同一个方程，方程组有无数组解。");
        s.outcome = Outcome::Infinite;
    } else {
        b.Line("D = 0 而 D" + (Du.IsZero() ? p.v : p.u) + " ≠ 0，两个方程互相矛盾，方程组无解。");
        s.outcome = Outcome::None;
    }
    return s;
}

bool ReadAll(SolutionBuilder& b, const Form& before, const std::vector<std::string>& fields, std::vector<Number>* k) {
    for (const std::string& field : fields) {
        k->push_back(Read(before, field));
        if (!k->back().ok()) {
            b.Cannot("已知量", FaultText(k->back().fault()));
            return false;
        }
    }
    return true;
}

const char* const kSub[] = {"₁", "₂", "₃"};
const char* const kLabel[] = {"①", "②", "③", "④", "⑤"};

}  // namespace

WorkedSolution ExplainTwoLinearEquations(const Form& before) {
    SolutionBuilder b;
    std::vector<Number> k;
    using namespace twoequations;
    if (!ReadAll(b, before,
                 {std::string(A1), std::string(B1), std::string(C1), std::string(A2), std::string(B2), std::string(C2)},
                 &k))
        return b.Finish();
    for (int e = 0; e < 2; ++e)
        b.Given(std::string(kLabel[e]) + " " +
                EquationSide({{k[3 * e], "x"}, {k[3 * e + 1], "y"}, {k[3 * e + 2], ""}}) + " = 0");
    const Pair p{{k[0], k[1], k[2], k[3], k[4], k[5]}, {"a₁", "b₁", "c₁", "a₂", "b₂", "c₂"}, "x", "y", {"①", "②"}};
    const PairSolution s = SolvePair(b, p);
    switch (s.outcome) {
        case Outcome::Unique:
            b.Solved("解", "x", s.u);
            b.Solved("解", "y", s.v);
            if (!FiveDecimalsExact(s.u)) b.Line("窗口中的 x 保留 5 位小数。");
            b.Answer("x = " + Plain(s.u) + "，y = " + Plain(s.v) + "。");
            break;
        case Outcome::None:
            b.Answer("方程组无解。");
            break;
        case Outcome::Infinite:
            if (k[1].IsZero() && k[4].IsZero()) {
                const Number x = -k[2] / k[0];
                b.Line("方程中没有 y：由①得 x = −c₁/a₁ = " + Plain(-k[2]) + "/" + Divisor(k[0]) + " = " + x.Text());
                b.Solved("解", "x", x);
                b.Answer("x = " + Plain(x) + "，y 为任何实数。");
            } else if (k[0].IsZero() && k[3].IsZero()) {
                const Number y = -k[2] / k[1];
                b.Line("方程中没有 x：由①得 y = −c₁/b₁ = " + Plain(-k[2]) + "/" + Divisor(k[1]) + " = " + y.Text());
                b.Answer("x 为任何实数，y = " + Plain(y) + "。");
            } else {
                b.Answer("方程组有无数组解（满足①的每一对 x、y 都是解）。");
            }
            break;
        case Outcome::NoUnknowns:
            b.Answer("这个不是二元一次方程组。");
            break;
        case Outcome::Failed:
            break;
    }
    return b.Finish();
}

WorkedSolution ExplainThreeLinearEquations(const Form& before) {
    SolutionBuilder b;
    std::vector<std::string> fields;
    for (int i = 1; i <= 12; ++i) fields.push_back("Text1(" + std::to_string(i) + ")");
    std::vector<Number> k;
    if (!ReadAll(b, before, fields, &k)) return b.Finish();
    const auto row = [&k](int r, int c) -> const Number& {
        return k[4 * static_cast<std::size_t>(r) + static_cast<std::size_t>(c)];
    };
    for (int r = 0; r < 3; ++r)
        b.Given(std::string(kLabel[r]) + " " +
                EquationSide({{row(r, 0), "x"}, {row(r, 1), "y"}, {row(r, 2), "z"}, {row(r, 3), ""}}) + " = 0");

    Replay replay(before);
    const bool windowSolves = RunComputation(replay, ThreeLinearEquations) && !replay.messaged;

    // Equation i times s minus equation j times t: x drops out, y and z are left.
    struct Reduced {
        int i, j;
        Number s, t;
    };
    int pivot = 0;
    std::array<Reduced, 2> reduced{};
    // The window eliminates x through the second row where a₁ and a₂ are not 0, and
    // solves every other system with one solution in another order.
    if (windowSolves && !row(0, 0).IsZero() && !row(1, 0).IsZero()) {
        b.Line("用加减消元法：先消去 x，得到关于 y、z 的二元一次方程组。");
        reduced = {Reduced{0, 1, row(1, 0), row(0, 0)}, Reduced{1, 2, row(2, 0), row(1, 0)}};
    } else {
        std::string why = row(0, 0).IsZero()   ? "这里 a₁ = 0"
                          : row(1, 0).IsZero() ? "这里 a₂ = 0"
                                               : "这里消元后的两个方程没有唯一解";
        if (windowSolves)
            b.Line("用②消去①和③中的 x 要求 a₁、a₂ 不为 0；" + why + "，所以换一个方程来消元。");
        else
            b.Line("窗口用②消去①和③中的 x，要求 a₁、a₂ 不为 0（括号内不准为 0）；" + why +
                   "，所以窗口提示“请下载更新版本”。");
        while (pivot < 3 && row(pivot, 0).IsZero()) ++pivot;
        if (pivot == 3) {
            b.Line("三个方程都不含 x，x 可以取任何值，方程组没有唯一解。");
            b.Answer("方程组没有唯一解。");
            return b.Finish();
        }
        const int i = pivot == 0 ? 1 : 0, j = pivot == 2 ? 1 : 2;
        b.Line("换用方程" + std::string(kLabel[pivot]) + "消去另外两个方程中的 x：");
        reduced = {Reduced{i, pivot, row(pivot, 0), row(i, 0)}, Reduced{j, pivot, row(pivot, 0), row(j, 0)}};
    }

    std::array<Number, 6> pk;
    for (int e = 0; e < 2; ++e) {
        const Reduced& r = reduced[std::size_t(e)];
        for (int c = 1; c < 4; ++c) pk[std::size_t(3 * e + c - 1)] = row(r.i, c) * r.s - row(r.j, c) * r.t;
        b.Line(std::string(kLabel[r.i]) + " × " + Grouped(r.s) + " − " + kLabel[r.j] + " × " + Grouped(r.t) + " 得 " +
               kLabel[3 + e] + " " + EquationSide({{pk[3 * e], "y"}, {pk[3 * e + 1], "z"}, {pk[3 * e + 2], ""}}) +
               " = 0");
    }
    const Pair p{pk, {"p₄", "q₄", "r₄", "p₅", "q₅", "r₅"}, "y", "z", {"④", "⑤"}};
    const PairSolution s = SolvePair(b, p);
    switch (s.outcome) {
        case Outcome::Unique: {
            const std::string n = kSub[pivot];
            const Number x = -(row(pivot, 1) * s.u + row(pivot, 2) * s.v + row(pivot, 3)) / row(pivot, 0);
            b.Line("x = −(b" + n + "y + c" + n + "z + d" + n + ")/a" + n + " = −(" + Times(row(pivot, 1), s.u) + " + " +
                   Times(row(pivot, 2), s.v) + " + " + In(row(pivot, 3)) + ")/" + Divisor(row(pivot, 0)) + " = " +
                   x.Text());
            b.Solved("解", "x", x);
            b.Solved("解", "y", s.u);
            b.Solved("解", "z", s.v);
            if (windowSolves && !(FiveDecimalsExact(x) && FiveDecimalsExact(s.u)))
                b.Line("窗口中的 x、y 保留 5 位小数。");
            b.Answer("x = " + Plain(x) + "，y = " + Plain(s.u) + "，z = " + Plain(s.v) + "。");
            break;
        }
        case Outcome::None:
            b.Answer("方程组无解。");
            break;
        case Outcome::Infinite:
        case Outcome::NoUnknowns:
            b.Answer("方程组有无数组解。");
            break;
        case Outcome::Failed:
            break;
    }
    return b.Finish();
}

// The answer field holds the whole solution; x stands for it.
std::vector<SlipRule> TwoEquationsSlips() {
    return {
        {"x", "移项时常数项没有变号", [](const Solved& s) { return -s("x"); }},
        {"x", "把 x 和 y 弄混了", [](const Solved& s) { return s("y"); }},
        {"x", "x = Dx/D，这里把分子分母弄反了", [](const Solved& s) { return Int(1) / s("x"); }},
    };
}

std::vector<SlipRule> ThreeEquationsSlips() {
    return {
        {"x", "移项时常数项没有变号", [](const Solved& s) { return -s("x"); }},
        {"x", "把 x 和 y 弄混了", [](const Solved& s) { return s("y"); }},
        {"x", "把 x 和 z 弄混了", [](const Solved& s) { return s("z"); }},
    };
}

}  // namespace velunda
