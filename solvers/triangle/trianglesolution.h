// Worked solutions of the triangle windows' "计算" buttons, one per window.
#pragma once

#include "exact/workedsolution.h"

namespace velunda {

WorkedSolution ExplainTriangleFromThreeSides(const Form& before);      // TriangleFromThreeSides
WorkedSolution ExplainTriangleSidesAndAngles(const Form& before);      // TriangleSidesAndAngles
WorkedSolution ExplainRightTriangle(const Form& before);               // SolveRightTriangle
WorkedSolution ExplainTriangleSidesPerimeterArea(const Form& before);  // TriangleSidesPerimeterArea
WorkedSolution ExplainTriangleBaseHeightArea(const Form& before);      // TriangleBaseHeightArea
WorkedSolution ExplainEquilateralTriangle(const Form& before);         // SolveEquilateralTriangle

}  // namespace velunda
