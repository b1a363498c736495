// Steps that the worked solutions of several families share: the case a quadratic's
// discriminant decides, and one quantity of three from the two others given.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string_view>

#include "exact/solutionbuilder.h"

namespace velunda::steps {

// The case a quadratic's discriminant Δ decides, on the line of Δ (`line`: "Δ = B² − 4AC =
// 1² − 4 × 1 × 2 = -7"): " < 0，方程没有实数根。", or `equal` where Δ = 0 (" = 0，方程有两个相等的
// 实数根。"), or " > 0，方程有两个不相等的实数根" and `unequal` ("。"). Where Δ could not be
// computed, `what` and the reason instead. Returns the sign of Δ, nullopt where it failed.
std::optional<int> DiscriminantCase(exact::SolutionBuilder& b, const exact::Number& delta, std::string_view what,
                                    std::string_view line, std::string_view equal, std::string_view unequal);

// A quantity of a formula in three (S = ah: a, h and S), with its measure for the figure
// and its symbol.
struct Known {
    Measure measure;
    const char* symbol;
    const exact::Number& value;
};

// The windows that find one of three quantities from the other two take the first two
// that are not 0, in the order first and second, first and third, second and third: writes
// those two as given and runs find[i] for the third, the i-th; with fewer than two given,
// the line `otherwise`.
void OneOfThree(exact::SolutionBuilder& b, const std::array<Known, 3>& known,
                const std::array<std::function<void()>, 3>& find, std::string_view otherwise);

}  // namespace velunda::steps
