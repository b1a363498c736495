#pragma once

#include <string_view>
#include <vector>

#include "exact/workedsolution.h"
#include "numeric/form.h"

namespace velunda {

// The fields of the sides-perimeter-area window.
namespace sidesperimeterarea {
inline constexpr std::string_view SideA = "Text1", SideB = "Text2", SideC = "Text3", Perimeter = "Text4",
                                  Area = "Text5";
// Every name the window's computations read or write: its fields.
inline constexpr std::string_view Names[] = {SideA, SideB, SideC, Perimeter, Area};
}  // namespace sidesperimeterarea

// p·x² + q·x + r = 0: writes the two roots, the larger first when p > 0, and returns
// true; with a negative discriminant shows "无解" and returns false. A discriminant
// negative only by rounding counts as 0.
bool QIUGEN(Form& f, double p, double q, double r, double& x1, double& x2);

// "计算" of the sides-perimeter-area window: sides a, b, c (Text1 to Text3), perimeter
// (Text4) and area (Text5). Three sides, or two sides and the perimeter, give the rest;
// two sides and the area give both possible third sides and perimeters.
void TriangleSidesPerimeterArea(Form& f);

// Its worked solution: which rule gives each quantity, with exact values.
WorkedSolution ExplainTriangleSidesPerimeterArea(const Form& before);

// The known slips of its exercises.
std::vector<SlipRule> SidesPerimeterAreaSlips();

}  // namespace velunda
