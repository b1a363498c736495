// Worked solution of the cylinder window's "计  算" (CylinderCompute in cylinder.h): each
// quantity exactly in π, then with the window's π of 3.14.
#pragma once

#include "exact/workedsolution.h"

namespace velunda {

WorkedSolution ExplainCylinder(const Form& before);

}  // namespace velunda
