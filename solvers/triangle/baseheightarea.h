#pragma once

#include "numeric/form.h"

namespace velunda {

// "计 算" of the base-height-area window: the missing one of base (Text1), height
// (Text2) and area (Text3) from the other two, with area = base × height / 2.
void TriangleBaseHeightArea(Form& f);

}  // namespace velunda
