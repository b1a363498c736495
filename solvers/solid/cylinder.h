#pragma once

#include <string_view>
#include <vector>

#include "exact/workedsolution.h"
#include "numeric/form.h"

namespace velunda {

// The fields of the cylinder window.
namespace cylinder {
inline constexpr std::string_view Radius = "Text1", Circumference = "Text2", LateralArea = "Text3", Surface = "Text4",
                                  Volume = "Text5", Height = "Text6", BaseArea = "Text7";
// Every name the window's computations read or write: its fields.
inline constexpr std::string_view Names[] = {Radius, Circumference, LateralArea, Surface, Volume, Height, BaseArea};
}  // namespace cylinder

// "计  算" on the cylinder window: from two independent quantities among radius
// (Text1), circumference (Text2), lateral area (Text3), surface area (Text4), volume
// (Text5), height (Text6) and base area (Text7), the other five; then all seven fields
// are written again.
void CylinderCompute(Form& f);

// Worked solution of the cylinder window's "计  算" (CylinderCompute): each
// quantity exactly in π, then with the window's π of 3.14.
WorkedSolution ExplainCylinder(const Form& before);

// The known slips of the cylinder's exercises.
std::vector<SlipRule> CylinderSlips();

}  // namespace velunda
