#pragma once

#include <string_view>
#include <vector>

#include "exact/workedsolution.h"
#include "numeric/form.h"

namespace velunda {

// The fields of the equilateral-triangle window.
namespace equilateral {
inline constexpr std::string_view Side = "Text1", Perimeter = "Text2", Height = "Text3", Area = "Text4";
// Every name the window's computations read or write: its fields.
inline constexpr std::string_view Names[] = {Side, Perimeter, Height, Area};
}  // namespace equilateral

// "计  算" of the equilateral-triangle window: the first non-zero of side (Text1),
// perimeter (Text2), height (Text3) and area (Text4) gives the other three.
void SolveEquilateralTriangle(Form& f);

// Its worked solution: which rule gives each quantity, with exact values.
WorkedSolution ExplainEquilateralTriangle(const Form& before);

// The known slips of its exercises.
std::vector<SlipRule> EquilateralSlips();

}  // namespace velunda
