// The worked solution of the window of an angle and its trigonometric functions (see
// trigonometry.h).
#pragma once

#include "exact/workedsolution.h"

namespace velunda {

WorkedSolution ExplainAngleAndFunctions(const Form& before);  // AngleAndFunctions

}  // namespace velunda
