#pragma once

#include "numeric/form.h"

namespace velunda {

// "计  算" on the cylinder window: from two independent quantities among radius
// (Text1), circumference (Text2), lateral area (Text3), surface area (Text4), volume
// (Text5), height (Text6) and base area (Text7), the other five; then all seven fields
// are written again.
void CylinderCompute(Form& f);

}  // namespace velunda
