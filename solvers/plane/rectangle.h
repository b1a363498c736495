#pragma once

#include "numeric/form.h"

namespace velunda {

// "计算" of the rectangle window: the first rule whose two quantities are not 0
// computes the other three of side a (Text1), other side b (Text2), perimeter (Text3),
// area (Text4) and diagonal (Text5).
void SolveRectangle(Form& f);

}  // namespace velunda
