// The angle unit of the chord window and of the parallelogram window with an angle:
// `opt1` "弧度" means radians; any other state (`opt2` "角度", or neither selected)
// means degrees. Computations hold angles in radians.
#pragma once

#include <string_view>

#include "exact/solutionbuilder.h"
#include "numeric/form.h"

namespace velunda {

// The option buttons of the angle unit.
namespace angleunit {
inline constexpr std::string_view Radians = "opt1", Degrees = "opt2";
}  // namespace angleunit

bool InRadians(const Form& f);

// The angle typed into the field, in radians (ParseNumber, then DegToRad in degrees).
double ReadAngle(const Form& f, std::string_view field);

// The angle typed into the field as the angle of a parallelogram or a chord, in radians.
// One that is not strictly between 0° and 180° in the unit it was typed in (radians 60
// is about 3437.75°) makes no such figure: the computation is refused with
// ComputationFault rather than writing a negative area or radius. In radians the bound is
// the double nearest π, which lies below π, so that typed value still counts as inside.
double ReadFigureAngle(const Form& f, std::string_view field);

// The worked-solution side of ReadFigureAngle: whether θ, typed and held in radians, lies
// strictly between 0° and 180°; otherwise a line says that it cannot be the figure's
// angle and why the window refuses, and the answer that there is no such figure.
bool FigureAngleExplained(exact::SolutionBuilder& b, const exact::Number& theta, bool radians, std::string_view whose,
                          std::string_view figure);

// An angle held in radians, as a number in the unit the options show.
double AngleInUnit(const Form& f, double theta);

}  // namespace velunda
