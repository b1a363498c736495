#include "solvers/common/steps.h"

#include <cmath>
#include <string>

#include "numeric/numbertext.h"

namespace velunda {

std::string Replay::text(std::string_view name) const {
    const auto it = written_.find(name);
    return it == written_.end() ? before_.text(name) : it->second;
}

namespace steps {

using namespace exact;

std::optional<int> DiscriminantCase(SolutionBuilder& b, const Number& delta, std::string_view what,
                                    std::string_view line, std::string_view equal, std::string_view unequal) {
    if (!delta.ok()) {
        b.Cannot(what, FaultText(delta.fault()));
        return std::nullopt;
    }
    const int sign = delta.Sign();
    const std::string text(line);
    if (sign < 0)
        b.Line(text + " < 0，方程没有实数根。");
    else if (sign == 0)
        b.Line(text + std::string(equal));
    else
        b.Line(text + " > 0，方程有两个不相等的实数根" + std::string(unequal));
    return sign;
}

void OneOfThree(SolutionBuilder& b, const std::array<Known, 3>& known, const std::array<std::function<void()>, 3>& find,
                std::string_view otherwise) {
    constexpr int kPairs[3][3] = {{0, 1, 2}, {0, 2, 1}, {1, 2, 0}};
    for (const auto& [first, second, third] : kPairs) {
        if (known[first].value.IsZero() || known[second].value.IsZero()) continue;
        b.Given(known[first].measure, known[first].symbol, known[first].value);
        b.Given(known[second].measure, known[second].symbol, known[second].value);
        find[third]();
        return;
    }
    b.Line(std::string(otherwise));
}

bool LostDigits(std::string_view text, const Number& value) {
    // Only whether the field is near enough is judged in floating point; the digits the
    // solution shows are the exact value's.
    const long double field = ParseNumber(text), exact = value.Approximate();
    return std::fabs(field - exact) > 1e-12L * std::fabs(exact) + 1e-300L;
}

void FieldsAgree(SolutionBuilder& b, const Form& before, Computation computation, std::initializer_list<Shown> shown) {
    Replay window(before);
    if (!RunComputation(window, computation) || window.messaged) return;
    std::string lost;
    for (const Shown& s : shown) {
        if (!s.value.ok()) continue;
        const std::string text = window.text(s.field);
        if (LostDigits(text, s.value)) lost += std::string(lost.empty() ? "" : "，") + s.symbol + " = " + text;
    }
    if (!lost.empty()) b.Line("窗口的小数计算在这里丢失了有效数字（窗口中 " + lost + "），以上面的值为准。");
}

}  // namespace steps
}  // namespace velunda
