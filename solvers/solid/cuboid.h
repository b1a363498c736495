#pragma once

#include <string_view>
#include <vector>

#include "exact/workedsolution.h"
#include "numeric/form.h"

namespace velunda {

// The fields of the cuboid window.
namespace cuboid {
inline constexpr std::string_view Length = "Text1", Width = "Text2", Height = "Text3", CrossSection = "Text4",
                                  Surface = "Text5", Volume = "Text6";
// Every name the window's computations read or write: its fields.
inline constexpr std::string_view Names[] = {Length, Width, Height, CrossSection, Surface, Volume};
}  // namespace cuboid

// "计  算" on the cuboid window: from three of length (Text1), width (Text2), height
// (Text3), cross-section width × height (Text4), surface area (Text5) and volume
// (Text6), the other three; then all six fields are written again.
void CuboidCompute(Form& f);

// Worked solution of the cuboid window's "计  算" (CuboidCompute).
WorkedSolution ExplainCuboid(const Form& before);

// The known slips of the cuboid's exercises.
std::vector<SlipRule> CuboidSlips();

}  // namespace velunda
