#pragma once

#include "numeric/form.h"

namespace velunda {

// "计算" of the trapezoid window: the first quantity that is 0, in the order area
// (Text4), height (Text3), lower base (Text2), upper base (Text1), is computed from
// the other three and written into its field alone.
void SolveTrapezoid(Form& f);

}  // namespace velunda
