#pragma once

#include <string_view>
#include <vector>

#include "exact/workedsolution.h"
#include "numeric/form.h"

namespace velunda {

// The fields of the base-height-area window.
namespace baseheightarea {
inline constexpr std::string_view Base = "Text1", Height = "Text2", Area = "Text3";
// Every name the window's computations read or write: its fields.
inline constexpr std::string_view Names[] = {Base, Height, Area};
}  // namespace baseheightarea

// "计 算" of the base-height-area window: the missing one of base (Text1), height
// (Text2) and area (Text3) from the other two, with area = base × height / 2.
void TriangleBaseHeightArea(Form& f);

// Its worked solution: which rule gives each quantity, with exact values.
WorkedSolution ExplainTriangleBaseHeightArea(const Form& before);

// The known slips of its exercises.
std::vector<SlipRule> BaseHeightAreaSlips();

}  // namespace velunda
