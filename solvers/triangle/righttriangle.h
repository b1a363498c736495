#pragma once

#include "numeric/form.h"

namespace velunda {

// "计  算" of the right-triangle window: from two of the first leg (Text1), second leg
// (Text2), hypotenuse (Text3) and area (Text4) the other two.
void SolveRightTriangle(Form& f);

}  // namespace velunda
