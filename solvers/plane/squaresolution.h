// Worked solutions of the square window, one per field's Enter (see square.h).
#pragma once

#include "exact/workedsolution.h"

namespace velunda {

WorkedSolution ExplainSquareFromSide(const Form& before);       // SquareFromSide
WorkedSolution ExplainSquareFromPerimeter(const Form& before);  // SquareFromPerimeter
WorkedSolution ExplainSquareFromArea(const Form& before);       // SquareFromArea
WorkedSolution ExplainSquareFromDiagonal(const Form& before);   // SquareFromDiagonal

}  // namespace velunda
