#pragma once

#include <string_view>
#include <vector>

#include "exact/workedsolution.h"
#include "numeric/form.h"

namespace velunda {

// The fields of the rectangle window.
namespace rectangle {
inline constexpr std::string_view Side = "Text1", OtherSide = "Text2", Perimeter = "Text3", Area = "Text4",
                                  Diagonal = "Text5";
// Every name the window's computations read or write: its fields.
inline constexpr std::string_view Names[] = {Side, OtherSide, Perimeter, Area, Diagonal};
}  // namespace rectangle

// "计算" of the rectangle window: the first rule whose two quantities are not 0
// computes the other three of side a (Text1), other side b (Text2), perimeter (Text3),
// area (Text4) and diagonal (Text5).
void SolveRectangle(Form& f);

// Worked solution of the rectangle window's "计算" (SolveRectangle).
WorkedSolution ExplainRectangle(const Form& before);

// The known slips of the rectangle's exercises.
std::vector<SlipRule> RectangleSlips();

}  // namespace velunda
