// What the worked solutions of the algebra windows share: the left side of an equation
// written from its coefficients, a value's text worked out once, and the window's own
// computation run on the typed texts.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "exact/exactnumber.h"
#include "numeric/form.h"
#include "solvers/common/steps.h"

namespace velunda {

// The left side of an equation from its terms, each a coefficient and its unknown ("x²",
// "x", "" for the constant): "x² − 3x + 2", "(1/2)x − y". Terms with the coefficient 0
// are left out; with none left it is "0".
std::string EquationSide(const std::vector<std::pair<exact::Number, std::string>>& terms);

// " = 7/3 ≈ 2.33333333333333", or " ≈ 0.841470984807897" where the decimal alone is not the
// whole value; *plain is the value as an answer writes it ("7/3", "0.5", "(√6-√2)/4"), taken
// from the same text, since working out an exact form of a higher degree takes a while.
std::string Valued(const exact::Number& x, std::string* plain);

}  // namespace velunda
