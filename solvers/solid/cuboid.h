#pragma once

#include "numeric/form.h"

namespace velunda {

// "计  算" on the cuboid window: from three of length (Text1), width (Text2), height
// (Text3), cross-section width × height (Text4), surface area (Text5) and volume
// (Text6), the other three; then all six fields are written again.
void CuboidCompute(Form& f);

}  // namespace velunda
