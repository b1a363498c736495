// Worked solutions of the three parallelogram windows (see parallelogram.h).
#pragma once

#include "exact/workedsolution.h"

namespace velunda {

WorkedSolution ExplainParallelogramArea(const Form& before);       // SolveParallelogramArea (frm3)
WorkedSolution ExplainParallelogramPerimeter(const Form& before);  // SolveParallelogramPerimeter (frm2)
WorkedSolution ExplainParallelogramAngle(const Form& before);      // SolveParallelogramAngle (frm4)

}  // namespace velunda
