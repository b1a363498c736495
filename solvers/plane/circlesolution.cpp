
#include "exact/solutionbuilder.h"
#include "solvers/plane/circle.h"

namespace velunda {

using namespace exact;

namespace {

// The window refuses to compute without its π; the solution still gives the exact values.
const char* const kNoPi =
    "圆周率 π 还没有选定（π 的文本框为空或为 0），所以窗口提示“无法计算，请检查输入的数据”，不写结果；"
    "请先选取 3.14、3.1415926 或输入 π 的值。下面用 π 本身计算：";

// One quantity computed twice: with π itself and with the window's π.
struct Both {
    Number exact, window;
};

// The window's π and its text; false (after saying so) where it is 0 or unreadable.
bool WindowPi(SolutionBuilder& b, const Form& before, Number* pi, std::string* text) {
    *pi = Read(before, circle::Pi);
    if (!pi->ok() || pi->IsZero()) {
        b.Line(kNoPi);
        return false;
    }
    *text = In(*pi);
    return true;
}

// The circumference and area lines from the radius (and diameter); in the window's π too
// when there is one.
void CircumferenceAndArea(SolutionBuilder& b, const Both& r, const Both& d, bool havePi, const Number& pi,
                          const std::string& piText, bool circumference, bool area) {
    const Number P = Number::Pi();
    if (circumference) {
        const std::string in = "π × " + Grouped(d.exact);
        if (havePi)
            b.Quantity(Measure::Circumference, "周长", "C", "πd", in, P * d.exact, piText, d.window * pi);
        else
            b.Quantity(Measure::Circumference, "周长", "C", "πd", in, P * d.exact);
    }
    if (area) {
        const std::string in = "π × " + Squared(r.exact);
        if (havePi)
            b.Quantity(Measure::Area, "面积", "S", "πr²", in, P * r.exact * r.exact, piText, r.window * r.window * pi);
        else
            b.Quantity(Measure::Area, "面积", "S", "πr²", in, P * r.exact * r.exact);
    }
}

}  // namespace

WorkedSolution ExplainCircleFromRadius(const Form& before) {
    SolutionBuilder b;
    const Number r = Read(before, circle::Radius);
    b.Given(Measure::Radius, "r", r);
    if (!r.ok()) return b.Finish();
    Number pi;
    std::string piText;
    const bool havePi = WindowPi(b, before, &pi, &piText);
    const Number d = Int(2) * r;
    b.Quantity(Measure::Diameter, "直径", "d", "2r", "2 × " + Grouped(r), d);
    CircumferenceAndArea(b, {r, r}, {d, d}, havePi, pi, piText, true, true);
    return b.Finish();
}

WorkedSolution ExplainCircleFromDiameter(const Form& before) {
    SolutionBuilder b;
    const Number d = Read(before, circle::Diameter);
    b.Given(Measure::Diameter, "d", d);
    if (!d.ok()) return b.Finish();
    Number pi;
    std::string piText;
    const bool havePi = WindowPi(b, before, &pi, &piText);
    const Number r = d / Int(2);
    b.Quantity(Measure::Radius, "半径", "r", "d/2", In(d) + "/2", r);
    CircumferenceAndArea(b, {r, r}, {d, d}, havePi, pi, piText, true, true);
    return b.Finish();
}

WorkedSolution ExplainCircleFromCircumference(const Form& before) {
    SolutionBuilder b;
    const Number C = Read(before, circle::Circumference);
    b.Given(Measure::Circumference, "C", C);
    if (!C.ok()) return b.Finish();
    Number pi;
    std::string piText;
    if (!WindowPi(b, before, &pi, &piText)) return b.Finish();
    const Both r{C / (Int(2) * Number::Pi()), C / Int(2) / pi};
    const Both d{Int(2) * r.exact, Int(2) * r.window};
    b.Quantity(Measure::Diameter, "直径", "d", "C/π", In(C) + "/π", d.exact, piText, d.window);
    b.Quantity(Measure::Radius, "半径", "r", "C/(2π)", In(C) + "/(2π)", r.exact, piText, r.window);
    CircumferenceAndArea(b, r, d, true, pi, piText, false, true);
    return b.Finish();
}

WorkedSolution ExplainCircleFromArea(const Form& before) {
    SolutionBuilder b;
    const Number S = Read(before, circle::Area);
    b.Given(Measure::Area, "S", S);
    if (!S.ok()) return b.Finish();
    Number pi;
    std::string piText;
    if (!WindowPi(b, before, &pi, &piText)) return b.Finish();
    const Both r{(S / Number::Pi()).Sqrt(), (S / pi).Sqrt()};
    const Both d{Int(2) * r.exact, Int(2) * r.window};
    const std::string root = "√(" + In(S) + "/π)";
    b.Quantity(Measure::Diameter, "直径", "d", "2√(S/π)", "2" + root, d.exact, piText, d.window) &&
        b.Quantity(Measure::Radius, "半径", "r", "√(S/π)", root, r.exact, piText, r.window) &&
        (CircumferenceAndArea(b, r, d, true, pi, piText, true, false), true);
    return b.Finish();
}

namespace {
WorkedSolution PiChosen(const char* value) {
    SolutionBuilder b;
    b.Line(std::string("圆周率 π 取 ") + value + "，以后的计算都用这个值。");
    return b.Finish();
}
}  // namespace

WorkedSolution ExplainPiFromOption1(const Form&) { return PiChosen("3.14"); }
WorkedSolution ExplainPiFromOption2(const Form&) { return PiChosen("3.1415926"); }

std::vector<SlipRule> CircleSlips() {
    return {
        {"C", "把直径当成了半径，算成了 2πd", [](const Solved& s) { return Int(2) * Number::Pi() * s("d"); }},
        {"C", "把 2πr 算成了 πr²", [](const Solved& s) { return Number::Pi() * s("r") * s("r"); }},
        {"S", "把 πr² 算成了 2πr", [](const Solved& s) { return Int(2) * Number::Pi() * s("r"); }},
        {"S", "把直径当成了半径，算成了 πd²", [](const Solved& s) { return Number::Pi() * s("d") * s("d"); }},
        {"r", "周长除以 π 得的是直径，半径还要再除以 2", [](const Solved& s) { return s.given("C") / Number::Pi(); }},
        {"r", "把面积除以 π 后忘了开平方", [](const Solved& s) { return s.given("S") / Number::Pi(); }},
        {"d", "直径是半径的 2 倍，这里除以了 2", [](const Solved& s) { return s.given("r") / Int(2); }},
        {"r", "半径是直径的一半，这里乘了 2", [](const Solved& s) { return s.given("d") * Int(2); }},
        {"d", "把半径当成了直径，直径是周长除以 π",
         [](const Solved& s) { return s.given("C") / (Int(2) * Number::Pi()); }},
    };
}

}  // namespace velunda
