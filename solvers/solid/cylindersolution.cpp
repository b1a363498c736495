
#include "exact/solutionbuilder.h"
#include "solvers/common/steps.h"
#include "solvers/solid/cylinder.h"

namespace velunda {

using namespace exact;

namespace {

// A quantity computed with π itself and with the window's 3.14.
struct Both {
    Number exact, window;
};

Both Typed(const Number& x) { return {x, x}; }
Both operator+(const Both& x, const Both& y) { return {x.exact + y.exact, x.window + y.window}; }
Both operator-(const Both& x, const Both& y) { return {x.exact - y.exact, x.window - y.window}; }
Both operator*(const Both& x, const Both& y) { return {x.exact * y.exact, x.window * y.window}; }
Both operator/(const Both& x, const Both& y) { return {x.exact / y.exact, x.window / y.window}; }
Both Sqrt(const Both& x) { return {x.exact.Sqrt(), x.window.Sqrt()}; }

const Both& Pi() {
    static const Both pi{Number::Pi(), Number::Fraction(314, 100)};
    return pi;
}
Both Two() { return Typed(Int(2)); }

// A quantity as it is put into a formula: its exact value in π, never the window's
// 3.14 (the value with that π stands after "π 取 3.14 时").
std::string InBoth(const Both& x) { return Grouped(x.exact); }

// The same as a divisor.
std::string OverBoth(const Both& x) { return Divisor(x.exact); }

class Cylinder {
public:
    explicit Cylinder(SolutionBuilder& b) : b_(b) {}

    bool Line(Measure measure, const char* name, const char* symbol, const char* formula, const std::string& in,
              const Both& x) {
        return b_.Quantity(measure, name, symbol, formula, in, x.exact, "3.14", x.window);
    }

    bool Circumference(const Both& r) {
        return Line(Measure::Circumference, "底面周长", "C", "2πr", "2π × " + InBoth(r), Two() * Pi() * r);
    }
    bool Base(const Both& r) {
        return Line(Measure::BaseArea, "底面积", "S底", "πr²", "π × " + InBoth(r) + "²", Pi() * r * r);
    }
    bool Lateral(const Both& C, const Both& h) {
        return Line(Measure::LateralArea, "侧面积", "S侧", "Ch", InBoth(C) + " × " + InBoth(h), C * h);
    }
    bool Volume(const Both& B, const Both& h) {
        return Line(Measure::Volume, "体积", "V", "S底·h", InBoth(B) + " × " + InBoth(h), B * h);
    }
    bool Surface(const Both& L, const Both& B) {
        return Line(Measure::Surface, "表面积", "S表", "S侧 + 2S底", InBoth(L) + " + 2 × " + InBoth(B), L + Two() * B);
    }

private:
    SolutionBuilder& b_;
};

Number P() { return Number::Fraction(314, 100); }

// Height and surface area: 2πr² + 2πhr − S表 = 0, solved with the window's π.
void FromHeightAndSurface(SolutionBuilder& b, const Number& h, const Number& S) {
    b.Line("由 S表 = 2πr² + 2πrh 得 2πr² + 2πh·r − S表 = 0，这一步直接用 π = 3.14 解方程：");
    const Number qa = Int(2) * P(), qb = h * Int(2) * P(), qc = -S;
    b.Line("a = 2π = " + qa.Text() + "，b = 2πh = " + qb.Text() + "，c = −S表 = " + qc.Text());
    const Number delta = qb * qb - Int(4) * qa * qc;
    const std::string line = "Δ = b² − 4ac = " + Squared(qb) + " − 4 × " + In(qa) + " × " + Grouped(qc) + " = " +
                             (delta.ok() ? delta.Text() : "");
    const std::optional<int> sign =
        steps::DiscriminantCase(b, delta, line, line, " = 0，方程有两个相等的实数根。", "。");
    if (!sign) return;
    if (*sign < 0) {
        b.Answer("无解：没有这样的圆柱。");
        return;
    }
    const Number root = delta.Sqrt();
    const Number x1 = (-qb + root) / (Int(2) * qa), x2 = (-qb - root) / (Int(2) * qa);
    b.Line("r₁ = (−b + √Δ)/(2a) = " + x1.Text());
    b.Line("r₂ = (−b − √Δ)/(2a) = " + x2.Text());
    auto rest = [&](const Number& r, const char* suffix) {
        const Number C = Int(2) * P() * r, B = P() * r * r;
        const std::string s = suffix;
        b.Quantity("底面周长", "C" + s, "2πr", "2 × 3.14 × " + Grouped(r), C);
        b.Quantity("底面积", "S底" + s, "πr²", "3.14 × " + Squared(r), B);
        b.Quantity("侧面积", "S侧" + s, "Ch", In(C) + " × " + Grouped(h), C * h);
        b.Quantity("体积", "V" + s, "S底·h", In(B) + " × " + Grouped(h), B * h);
    };
    if (x2.Sign() > 0) {
        b.Line("两个根都是正数，两个半径都可以，窗口把两组结果用“或”连起来：");
        b.Line("第一组（r = r₁ = " + Plain(x1) + "）：");
        rest(x1, "₁");
        b.Line("第二组（r = r₂ = " + Plain(x2) + "）：");
        rest(x2, "₂");
        b.Answer("底面半径为 " + Plain(x1) + " 或 " + Plain(x2) + "。");
        return;
    }
    if (x1.Sign() < 0) {
        b.Line("两个根都是负数，半径不能是负数。");
        b.Answer("无解：没有这样的圆柱。");
        return;
    }
    if (x1.Sign() == 0) {
        b.Line("没有正的根，窗口不求半径。");
        return;
    }
    b.Line("r₂ ≤ 0，舍去（半径必须是正数），所以 r = r₁。");
    b.Quantity(Measure::Radius, "底面半径", "r", "r₁", "", x1);
    const Number C = Int(2) * P() * x1, B = P() * x1 * x1, L = C * h;
    b.Quantity(Measure::Circumference, "底面周长", "C", "2πr", "2 × 3.14 × " + Grouped(x1), C);
    b.Quantity(Measure::BaseArea, "底面积", "S底", "πr²", "3.14 × " + Squared(x1), B);
    b.Quantity(Measure::LateralArea, "侧面积", "S侧", "Ch", In(C) + " × " + Grouped(h), L);
    b.Quantity(Measure::Volume, "体积", "V", "S底·h", In(B) + " × " + Grouped(h), B * h);
    b.Quantity(Measure::Surface, "表面积", "S表", "S侧 + 2S底", In(L) + " + 2 × " + Grouped(B), L + Int(2) * B);
}

}  // namespace

WorkedSolution ExplainCylinder(const Form& before) {
    SolutionBuilder b;
    const Number r0 = Read(before, cylinder::Radius), C0 = Read(before, cylinder::Circumference),
                 L0 = Read(before, cylinder::LateralArea), S0 = Read(before, cylinder::Surface),
                 V0 = Read(before, cylinder::Volume), h0 = Read(before, cylinder::Height),
                 B0 = Read(before, cylinder::BaseArea);
    if (!AllRead(b, {&r0, &C0, &L0, &S0, &V0, &h0, &B0})) return b.Finish();
    b.Line(
        "圆柱的底面半径 r，底面周长 C = 2πr，底面积 S底 = πr²，侧面积 S侧 = Ch，表面积 S表 = S侧 + 2S底，体积 "
        "V = S底·h；窗口取 π = 3.14。");
    Cylinder c(b);
    Both r, C, B;
    bool haveRadius = true;
    if (!r0.IsZero()) {
        b.Given(Measure::Radius, "r", r0);
        r = Typed(r0);
        if (r0.Sign() < 0) {
            b.Line("半径是负数，窗口取它的绝对值：");
            r = Typed(-r0);
            b.Quantity(Measure::Radius, "底面半径", "r", "|r|", "", r0 * Int(-1));
        }
        haveRadius = c.Circumference(r) && c.Base(r);
        C = Two() * Pi() * r;
        B = Pi() * r * r;
    } else if (!C0.IsZero()) {
        b.Given(Measure::Circumference, "C", C0);
        const Number a = C0.Sign() < 0 ? -C0 : C0;
        if (C0.Sign() < 0) b.Line("底面周长是负数，窗口取它的绝对值。");
        C = Typed(a);
        r = C / (Two() * Pi());
        haveRadius = c.Line(Measure::Radius, "底面半径", "r", "C/(2π)", In(a) + "/(2π)", r) && c.Base(r);
        B = Pi() * r * r;
    } else if (!B0.IsZero()) {
        b.Given(Measure::BaseArea, "S底", B0);
        B = Typed(B0);
        r = Sqrt(B / Pi());
        haveRadius =
            c.Line(Measure::Radius, "底面半径", "r", "√(S底/π)", "√(" + In(B0) + "/π)", r) && c.Circumference(r);
        C = Two() * Pi() * r;
    } else {
        haveRadius = false;
    }
    if (!r0.IsZero() || !C0.IsZero() || !B0.IsZero()) {
        if (!haveRadius) return b.Finish();
        haveRadius = true;
    }
    const Both h = Typed(h0), L = Typed(L0), S = Typed(S0), V = Typed(V0);
    if (haveRadius && !h0.IsZero()) {
        b.Given(Measure::Height, "h", h0);
        const Both lateral = C * h;
        c.Lateral(C, h) && c.Volume(B, h) && c.Surface(lateral, B);
    } else if (haveRadius && !L0.IsZero()) {
        b.Given(Measure::LateralArea, "S侧", L0);
        const Both height = L / C;
        c.Line(Measure::Height, "高", "h", "S侧/C", In(L0) + "/" + OverBoth(C), height) && c.Volume(B, height) &&
            c.Surface(L, B);
    } else if (haveRadius && !S0.IsZero()) {
        b.Given(Measure::Surface, "S表", S0);
        const Both lateral = S - Two() * B;
        const Both height = lateral / C;
        c.Line(Measure::LateralArea, "侧面积", "S侧", "S表 − 2S底", In(S0) + " − 2 × " + InBoth(B), lateral) &&
            c.Line(Measure::Height, "高", "h", "S侧/C", InBoth(lateral) + "/" + OverBoth(C), height) &&
            c.Volume(B, height);
    } else if (haveRadius && !V0.IsZero()) {
        b.Given(Measure::Volume, "V", V0);
        const Both height = V / B;
        const Both lateral = height * C;
        c.Line(Measure::Height, "高", "h", "V/S底", In(V0) + "/" + OverBoth(B), height) && c.Lateral(C, height) &&
            c.Surface(lateral, B);
    } else if (!h0.IsZero() && !L0.IsZero()) {
        b.Given(Measure::Height, "h", h0);
        b.Given(Measure::LateralArea, "S侧", L0);
        const Both circ = L / h;
        const Both radius = circ / (Two() * Pi());
        const Both base = Pi() * radius * radius;
        c.Line(Measure::Circumference, "底面周长", "C", "S侧/h", In(L0) + "/" + Divisor(h0), circ) &&
            c.Line(Measure::Radius, "底面半径", "r", "C/(2π)", InBoth(circ) + "/(2π)", radius) && c.Base(radius) &&
            c.Volume(base, h) && c.Surface(L, base);
    } else if (!h0.IsZero() && !S0.IsZero()) {
        b.Given(Measure::Height, "h", h0);
        b.Given(Measure::Surface, "S表", S0);
        FromHeightAndSurface(b, h0, S0);
    } else if (!h0.IsZero() && !V0.IsZero()) {
        b.Given(Measure::Height, "h", h0);
        b.Given(Measure::Volume, "V", V0);
        const Both base = V / h;
        const Both radius = Sqrt(base / Pi());
        const Both circ = Two() * Pi() * radius;
        const Both lateral = circ * h;
        c.Line(Measure::BaseArea, "底面积", "S底", "V/h", In(V0) + "/" + Divisor(h0), base) &&
            c.Line(Measure::Radius, "底面半径", "r", "√(S底/π)", "√(" + InBoth(base) + "/π)", radius) &&
            c.Circumference(radius) && c.Lateral(circ, h) && c.Surface(lateral, base);
    } else if (!L0.IsZero() && !S0.IsZero()) {
        b.Given(Measure::LateralArea, "S侧", L0);
        b.Given(Measure::Surface, "S表", S0);
        const Both base = (S - L) / Two();
        const Both radius = Sqrt(base / Pi());
        const Both circ = Two() * Pi() * radius;
        const Both height = L / circ;
        c.Line(Measure::BaseArea, "底面积", "S底", "(S表 − S侧)/2", "(" + In(S0) + " − " + Grouped(L0) + ")/2", base) &&
            c.Line(Measure::Radius, "底面半径", "r", "√(S底/π)", "√(" + InBoth(base) + "/π)", radius) &&
            c.Circumference(radius) &&
            c.Line(Measure::Height, "高", "h", "S侧/C", In(L0) + "/" + OverBoth(circ), height) &&
            c.Volume(base, height);
    } else if (!L0.IsZero() && !V0.IsZero()) {
        b.Given(Measure::LateralArea, "S侧", L0);
        b.Given(Measure::Volume, "V", V0);
        b.Line("由 V = πr²h 与 S侧 = 2πrh 得 r = 2V/S侧：");
        const Both radius = Two() * V / L;
        const Both circ = Two() * Pi() * radius;
        const Both base = Pi() * radius * radius;
        c.Line(Measure::Radius, "底面半径", "r", "2V/S侧", "2 × " + Grouped(V0) + "/" + Divisor(L0), radius) &&
            c.Circumference(radius) && c.Base(radius) && c.Surface(L, base) &&
            c.Line(Measure::Height, "高", "h", "S侧/C", In(L0) + "/" + OverBoth(circ), L / circ);
    } else if (!S0.IsZero() && !V0.IsZero()) {
        b.Given(Measure::Surface, "S表", S0);
        b.Given(Measure::Volume, "V", V0);
        b.Line("只知道表面积和体积，要解一个三次方程，本窗口不能计算（窗口提示“请下载更新版本”）。");
    } else if (!haveRadius) {
        b.Line("需要两个不为 0 的已知量（高 h 与另一个量，或半径、底面周长、底面积之一与另一个量），所以不计算。");
    }
    return b.Finish();
}

std::vector<SlipRule> CylinderSlips() {
    return {
        {"S表", "把侧面积当成了表面积，还要加上两个底面", [](const Solved& s) { return s("S侧"); }},
        {"S表", "圆柱有两个底面，这里只加了一个", [](const Solved& s) { return s("S侧") + s("S底"); }},
        {"S侧", "侧面积是 2πrh，这里忘了乘 2", [](const Solved& s) { return Number::Pi() * s("r") * s("h"); }},
        {"S侧", "把侧面积和体积弄混了，算成了 πr²h", [](const Solved& s) { return s("S底") * s("h"); }},
        {"C", "周长是 2πr，这里忘了乘 2", [](const Solved& s) { return Number::Pi() * s("r"); }},
        {"S底", "把 πr² 算成了 2πr", [](const Solved& s) { return Int(2) * Number::Pi() * s("r"); }},
        {"V", "把体积算成了侧面积 2πrh", [](const Solved& s) { return s("C") * s("h"); }},
        {"V", "体积是底面积乘高，这里忘了乘高", [](const Solved& s) { return s("S底"); }},
        {"h", "高是体积除以底面积，这里除以了底面周长", [](const Solved& s) { return s.given("V") / s("C"); }},
        {"r", "周长除以 π 得的是直径，半径还要再除以 2", [](const Solved& s) { return s.given("C") / Number::Pi(); }},
        {"r", "把底面积除以 π 后忘了开平方", [](const Solved& s) { return s.given("S底") / Number::Pi(); }},
    };
}

}  // namespace velunda
