// Worked solution of the rectangle window's "计算" (SolveRectangle in rectangle.h).
#pragma once

#include "exact/workedsolution.h"

namespace velunda {

WorkedSolution ExplainRectangle(const Form& before);

}  // namespace velunda
