#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "exact/workedsolution.h"
#include "numeric/form.h"

namespace velunda {

// The fields of the three-sides window: the sides typed, then what they give.
namespace threesides {
inline constexpr std::string_view BC = "Text1", AC = "Text2", AB = "Text3", Perimeter = "txt1", Area = "txt2",
                                  HeightToBC = "txt3", HeightToAC = "txt4", HeightToAB = "txt5", AngleA = "txt6",
                                  AngleAInRadians = "txt7", AngleB = "txt8", AngleBInRadians = "txt9", AngleC = "txt10",
                                  AngleCInRadians = "txt11", Circumradius = "txt12", Inradius = "txt13";
// Every name the window's computations read or write: its fields.
inline constexpr std::string_view Names[] = {BC,           AC,
                                             AB,           Perimeter,
                                             Area,         HeightToBC,
                                             HeightToAC,   HeightToAB,
                                             AngleA,       AngleAInRadians,
                                             AngleB,       AngleBInRadians,
                                             AngleC,       AngleCInRadians,
                                             Circumradius, Inradius};
}  // namespace threesides

// Whether three lengths make no triangle: a sum of two no longer than the third, within
// the rounding of lengths typed as decimals.
bool NoTriangle(double a, double b, double c);

// "计  算" of the three-sides window: from the sides BC, AC and AB (Text1, Text2,
// Text3) the perimeter, area, heights, angles, circumradius and inradius.
void TriangleFromThreeSides(Form& f);

// Its worked solution: which rule gives each quantity, with exact values.
WorkedSolution ExplainTriangleFromThreeSides(const Form& before);

// The known slips of its exercises.
std::vector<SlipRule> ThreeSidesSlips();

// An angle in radians as a multiple of π, rounded to four places (ties to the even
// digit), then "π≈", then the angle itself: a right angle reads "0.5π≈1.5707963267949".
std::string RadianText(double x);

}  // namespace velunda
