#pragma once

#include <string_view>
#include <vector>

#include "exact/workedsolution.h"
#include "numeric/form.h"

namespace velunda {

// The fields of the sides-and-angles window, each side after its opposite angle, and its angle unit.
namespace sidesangles {
inline constexpr std::string_view FirstAngle = "Text1", FirstSide = "Text2", SecondAngle = "Text3",
                                  SecondSide = "Text4", ThirdAngle = "Text5", ThirdSide = "Text6", Radians = "Opt1",
                                  Degrees = "Opt2";
// Every name the window's computations read or write: its fields and the angle unit.
inline constexpr std::string_view Names[] = {FirstAngle, FirstSide, SecondAngle, SecondSide,
                                             ThirdAngle, ThirdSide, Radians,     Degrees};
}  // namespace sidesangles

// Where the sides-and-angles window sends the pupil when it is given angles but no side.
inline constexpr std::string_view kUpdateAddress = "https://velunda.example.org";

// "计 算" of the sides-and-angles window: the three sides (Text2, Text4, Text6) from the
// sides and opposite angles typed (Text1, Text3, Text5), in radians when Opt1 is
// selected and in degrees otherwise. The angle fields are only read.
void TriangleSidesAndAngles(Form& f);

// Its worked solution: which rule gives each quantity, with exact values.
WorkedSolution ExplainTriangleSidesAndAngles(const Form& before);

// The known slips of its exercises.
std::vector<SlipRule> SidesAnglesSlips();

}  // namespace velunda
