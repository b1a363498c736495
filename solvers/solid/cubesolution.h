// Worked solutions of the cube window, one per field's Enter (see cube.h).
#pragma once

#include "exact/workedsolution.h"

namespace velunda {

WorkedSolution ExplainCubeFromEdge(const Form& before);     // CubeFromEdge
WorkedSolution ExplainCubeFromEdgeSum(const Form& before);  // CubeFromEdgeSum
WorkedSolution ExplainCubeFromSurface(const Form& before);  // CubeFromSurface
WorkedSolution ExplainCubeFromVolume(const Form& before);   // CubeFromVolume

}  // namespace velunda
