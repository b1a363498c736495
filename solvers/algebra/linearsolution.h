// Worked solutions of the windows of two and three linear equations (see linear.h), and
// the writing of an equation's left side that the quadratic equation shares.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "exact/exactnumber.h"
#include "exact/workedsolution.h"

namespace velunda {

// The left side of an equation from its terms, each a coefficient and its unknown ("x²",
// "x", "" for the constant): "x² − 3x + 2", "(1/2)x − y". Terms with the coefficient 0
// are left out; with none left it is "0".
std::string EquationSide(const std::vector<std::pair<exact::Number, std::string>>& terms);

WorkedSolution ExplainTwoLinearEquations(const Form& before);    // TwoLinearEquations
WorkedSolution ExplainThreeLinearEquations(const Form& before);  // ThreeLinearEquations

}  // namespace velunda
