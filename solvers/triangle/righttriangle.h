#pragma once

#include <string_view>
#include <vector>

#include "exact/workedsolution.h"
#include "numeric/form.h"

namespace velunda {

// The fields of the right-triangle window.
namespace righttriangle {
inline constexpr std::string_view Leg = "Text1", OtherLeg = "Text2", Hypotenuse = "Text3", Area = "Text4";
// Every name the window's computations read or write: its fields.
inline constexpr std::string_view Names[] = {Leg, OtherLeg, Hypotenuse, Area};
}  // namespace righttriangle

// "计  算" of the right-triangle window: from two of the first leg (Text1), second leg
// (Text2), hypotenuse (Text3) and area (Text4) the other two.
void SolveRightTriangle(Form& f);

// Its worked solution: which rule gives each quantity, with exact values.
WorkedSolution ExplainRightTriangle(const Form& before);

// The known slips of its exercises.
std::vector<SlipRule> RightTriangleSlips();

}  // namespace velunda
