
#include "exact/solutionbuilder.h"
#include "solvers/common/steps.h"
#include "solvers/plane/rectangle.h"

namespace velunda {

using namespace exact;

namespace {

const char* const kUsage =
    "需要两个不为 0 的已知量（a 与 b、a 与 P、a 与 S、a 与 d、P 与 S、P 与 d、d 与 S 之一），所以不计算。";

bool Diagonal(SolutionBuilder& b, const Number& a, const Number& c) {
    return b.Quantity(Measure::Diagonal, "对角线", "d", "√(a² + b²)", "√(" + Squared(a) + " + " + Squared(c) + ")",
                      (a * a + c * c).Sqrt());
}

bool Perimeter(SolutionBuilder& b, const Number& a, const Number& c) {
    return b.Quantity(Measure::Perimeter, "周长", "P", "2(a + b)", "2 × (" + In(a) + " + " + In(c) + ")",
                      Int(2) * (a + c));
}

bool Area(SolutionBuilder& b, const Number& a, const Number& c) {
    return b.Quantity(Measure::Area, "面积", "S", "ab", In(a) + " × " + In(c), a * c);
}

// The sides from perimeter and area: a and b are the roots of x² − (P/2)x + S = 0, the
// longer one is a. Returns false where the square root has a negative radicand.
bool SidesFromPerimeterAndArea(SolutionBuilder& b, const Number& P, const Number& S, Number* a, Number* c) {
    b.Line("a、b 是方程 x² − (P/2)x + S = 0 的两根，较长的一边为 a：");
    const Number root = (P * P - Int(16) * S).Sqrt();
    *a = (P + root) / Int(4);
    if (!b.Quantity(Measure::SideA, "一边", "a", "(P + √(P² − 16S))/4",
                    "(" + In(P) + " + √(" + Squared(P) + " − 16 × " + Grouped(S) + "))/4", *a))
        return false;
    *c = P / Int(2) - *a;
    return b.Quantity(Measure::SideB, "另一边", "b", "P/2 − a", In(P) + "/2 − " + Grouped(*a), *c);
}

// The sides found from a sum and a product: where they differ much in size, the window's
// P/2 − a loses the digits of the shorter one.
void SidesAgree(SolutionBuilder& b, const Form& before, const Number& a, const Number& c) {
    steps::FieldsAgree(b, before, SolveRectangle, {{rectangle::Side, "a", a}, {rectangle::OtherSide, "b", c}});
}

}  // namespace

WorkedSolution ExplainRectangle(const Form& before) {
    SolutionBuilder b;
    const Number a = Read(before, rectangle::Side), c = Read(before, rectangle::OtherSide),
                 P = Read(before, rectangle::Perimeter), S = Read(before, rectangle::Area),
                 d = Read(before, rectangle::Diagonal);
    if (!AllRead(b, {&a, &c, &P, &S, &d})) return b.Finish();
    auto given = [](const Number& x) { return !x.IsZero(); };
    if (given(a) && given(c)) {
        b.Given(Measure::SideA, "a", a);
        b.Given(Measure::SideB, "b", c);
        Perimeter(b, a, c) && Area(b, a, c) && Diagonal(b, a, c);
    } else if (given(a) && given(P)) {
        b.Given(Measure::SideA, "a", a);
        b.Given(Measure::Perimeter, "P", P);
        const Number other = P / Int(2) - a;
        b.Quantity(Measure::SideB, "另一边", "b", "P/2 − a", In(P) + "/2 − " + Grouped(a), other) &&
            Area(b, a, other) && Diagonal(b, a, other);
    } else if (given(a) && given(S)) {
        b.Given(Measure::SideA, "a", a);
        b.Given(Measure::Area, "S", S);
        const Number other = S / a;
        b.Quantity(Measure::SideB, "另一边", "b", "S/a", In(S) + "/" + Divisor(a), other) && Perimeter(b, a, other) &&
            Diagonal(b, a, other);
    } else if (given(a) && given(d)) {
        b.Given(Measure::SideA, "a", a);
        b.Given(Measure::Diagonal, "d", d);
        const Number other = (d * d - a * a).Sqrt();
        b.Quantity(Measure::SideB, "另一边", "b", "√(d² − a²)", "√(" + Squared(d) + " − " + Squared(a) + ")", other) &&
            Area(b, a, other) && Perimeter(b, a, other);
    } else if (given(P) && given(S)) {
        b.Given(Measure::Perimeter, "P", P);
        b.Given(Measure::Area, "S", S);
        Number x, y;
        if (SidesFromPerimeterAndArea(b, P, S, &x, &y) && Diagonal(b, x, y)) SidesAgree(b, before, x, y);
    } else if (given(P) && given(d)) {
        b.Given(Measure::Perimeter, "P", P);
        b.Given(Measure::Diagonal, "d", d);
        const Number area = P * P / Int(8) - d * d / Int(2);
        Number x, y;
        b.Line("由 (a + b)² = a² + b² + 2ab 得 S = ab = ((P/2)² − d²)/2：");
        b.Quantity(Measure::Area, "面积", "S", "P²/8 − d²/2", Squared(P) + "/8 − " + Squared(d) + "/2", area) &&
            SidesFromPerimeterAndArea(b, P, area, &x, &y) && (SidesAgree(b, before, x, y), true);
    } else if (given(d) && given(S)) {
        b.Given(Measure::Diagonal, "d", d);
        b.Given(Measure::Area, "S", S);
        const Number perimeter = (Int(8) * S + Int(4) * d * d).Sqrt();
        Number x, y;
        b.Line("由 (a + b)² = d² + 2S 得 P = 2(a + b) = √(8S + 4d²)：");
        b.Quantity(Measure::Perimeter, "周长", "P", "√(8S + 4d²)", "√(8 × " + Grouped(S) + " + 4 × " + Squared(d) + ")",
                   perimeter) &&
            SidesFromPerimeterAndArea(b, perimeter, S, &x, &y) && (SidesAgree(b, before, x, y), true);
    } else {
        b.Line(kUsage);
    }
    return b.Finish();
}

std::vector<SlipRule> RectangleSlips() {
    return {
        {"P", "周长是 2(a + b)，这里只算了 a + b", [](const Solved& s) { return s("a") + s("b"); }},
        {"P", "把周长和面积弄混了，算成了 ab", [](const Solved& s) { return s("a") * s("b"); }},
        {"S", "把周长和面积弄混了，算成了 2(a + b)", [](const Solved& s) { return Int(2) * (s("a") + s("b")); }},
        {"S", "面积是长乘宽，这里算成了长加宽", [](const Solved& s) { return s("a") + s("b"); }},
        {"d", "对角线是 √(a² + b²)，这里算成了 a + b", [](const Solved& s) { return s("a") + s("b"); }},
        {"d", "忘了开平方，a² + b² 还要开平方才是对角线",
         [](const Solved& s) { return s("a") * s("a") + s("b") * s("b"); }},
        {"b", "周长是两条长和两条宽的和，这里没有先除以 2", [](const Solved& s) { return s.given("P") - s("a"); }},
        {"b", "另一边是面积除以一边，这里用面积减了一边", [](const Solved& s) { return s.given("S") - s("a"); }},
        {"b", "另一边是 √(d² − a²)，这里算成了 d − a", [](const Solved& s) { return s.given("d") - s("a"); }},
    };
}

}  // namespace velunda
