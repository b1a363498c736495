#pragma once

#include "numeric/form.h"

namespace velunda {

// "计  算" of the equilateral-triangle window: the first non-zero of side (Text1),
// perimeter (Text2), height (Text3) and area (Text4) gives the other three.
void SolveEquilateralTriangle(Form& f);

}  // namespace velunda
