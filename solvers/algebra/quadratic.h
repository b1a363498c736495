#pragma once

#include <string_view>
#include <vector>

#include "exact/workedsolution.h"
#include "numeric/form.h"

namespace velunda {

// The fields of the quadratic equation window: the coefficients and the roots.
namespace quadratic {
inline constexpr std::string_view A = "Text1", B = "Text2", C = "Text3", X2 = "Text4", X1 = "Text5";
// Every name the window's computations read or write: its fields.
inline constexpr std::string_view Names[] = {A, B, C, X2, X1};
}  // namespace quadratic

// A·x² + B·x + C = 0 from the coefficient texts of Text1, Text2 and Text3: the root
// with plus the square root goes into Text4 (beside "X2="), the one with minus into
// Text5 (beside "X1="). Without a real root both are emptied after "无解".
void QuadraticEquation(Form& f);

// Its worked solution: the discriminant, the case it decides and the roots in exact form.
WorkedSolution ExplainQuadraticEquation(const Form& before);  // QuadraticEquation

// The known slips of its exercises.
std::vector<SlipRule> QuadraticSlips();

}  // namespace velunda
