#pragma once

#include <string_view>
#include <vector>

#include "exact/workedsolution.h"
#include "numeric/form.h"

namespace velunda {

// The fields of the trigonometry window.
namespace trigonometry {
inline constexpr std::string_view Degrees = "Text1", Radians = "Text2", Sine = "Text5", Cosine = "Text6",
                                  Tangent = "Text7", Cotangent = "Text8";
// The radian text the right-angle case answers to: the double nearest to
// 1.57079632679489, which lies 30 units in the last place below π/2.
inline constexpr double kRightAngleRadians = 1.57079632679489;
// Every name the window's computations read or write: its fields.
inline constexpr std::string_view Names[] = {Degrees, Radians, Sine, Cosine, Tangent, Cotangent};
}  // namespace trigonometry

// One known quantity of an angle fills in all six: degrees (Text1), radians (Text2),
// sine (Text5), cosine (Text6), tangent (Text7) and cotangent (Text8). The tangent and
// a computed cotangent are single-precision values.
void AngleAndFunctions(Form& f);

// Its worked solution: exact values at the special angles, "无意义" explained.
WorkedSolution ExplainAngleAndFunctions(const Form& before);  // AngleAndFunctions

// The known slips of its exercises.
std::vector<SlipRule> TrigonometrySlips();

}  // namespace velunda
