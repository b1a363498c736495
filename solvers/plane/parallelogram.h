#pragma once

#include "numeric/form.h"

namespace velunda {

// "计  算" of the base, height and area window: two of base (Text1), height (Text2)
// and area (Text3) give the third; all three are written back with a sign position.
void SolveParallelogramArea(Form& f);

// "计  算" of the sides and perimeter window: two of base side (Text1), adjacent side
// (Text2) and perimeter (Text3) give the third; all three are written back the same way.
void SolveParallelogramPerimeter(Form& f);

// "计  算" of the window with two sides (Text1, Text2), their included angle (Text3, in
// the unit of the option buttons) and the area (Text4), with S = a·b·sin θ. Sought,
// the angle is written as both angles with that sine, joined by "或".
void SolveParallelogramAngle(Form& f);

}  // namespace velunda
