// Worked solution of the trapezoid window's "计算" (SolveTrapezoid in trapezoid.h).
#pragma once

#include "exact/workedsolution.h"

namespace velunda {

WorkedSolution ExplainTrapezoid(const Form& before);

}  // namespace velunda
