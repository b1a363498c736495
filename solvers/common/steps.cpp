#include "solvers/common/steps.h"

#include <string>

namespace velunda::steps {

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

}  // namespace velunda::steps
