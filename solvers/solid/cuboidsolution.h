// Worked solution of the cuboid window's "计  算" (CuboidCompute in cuboid.h).
#pragma once

#include "exact/workedsolution.h"

namespace velunda {

WorkedSolution ExplainCuboid(const Form& before);

}  // namespace velunda
