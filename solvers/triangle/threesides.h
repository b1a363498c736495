#pragma once

#include <string>

#include "numeric/form.h"

namespace velunda {

// "计  算" of the three-sides window: from the sides BC, AC and AB (Text1, Text2,
// Text3) the perimeter, area, heights, angles, circumradius and inradius.
void TriangleFromThreeSides(Form& f);

// An angle in radians as a multiple of π, rounded to four places (ties to the even
// digit), then "π≈", then the angle itself: a right angle reads "0.5π≈1.5707963267949".
std::string RadianText(double x);

}  // namespace velunda
