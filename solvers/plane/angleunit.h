// The angle unit of the chord window and of the parallelogram window with an angle:
// `opt1` "弧度" means radians; any other state (`opt2` "角度", or neither selected)
// means degrees. Computations hold angles in radians.
#pragma once

#include <string_view>

#include "numeric/form.h"

namespace velunda {

// The option buttons of the angle unit.
namespace angleunit {
inline constexpr std::string_view Radians = "opt1", Degrees = "opt2";
}  // namespace angleunit

bool InRadians(const Form& f);

// The angle typed into the field, in radians (ParseNumber, then DegToRad in degrees).
double ReadAngle(const Form& f, std::string_view field);

// An angle held in radians, as a number in the unit the options show.
double AngleInUnit(const Form& f, double theta);

}  // namespace velunda
