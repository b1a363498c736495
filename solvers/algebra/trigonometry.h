#pragma once

#include "numeric/form.h"

namespace velunda {

// One known quantity of an angle fills in all six: degrees (Text1), radians (Text2),
// sine (Text5), cosine (Text6), tangent (Text7) and cotangent (Text8). The tangent and
// a computed cotangent are single-precision values.
void AngleAndFunctions(Form& f);

}  // namespace velunda
