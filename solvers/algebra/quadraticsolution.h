// The worked solution of the quadratic equation window (see quadratic.h).
#pragma once

#include "exact/workedsolution.h"

namespace velunda {

WorkedSolution ExplainQuadraticEquation(const Form& before);  // QuadraticEquation

}  // namespace velunda
