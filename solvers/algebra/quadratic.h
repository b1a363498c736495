#pragma once

#include "numeric/form.h"

namespace velunda {

// A·x² + B·x + C = 0 from the coefficient texts of Text1, Text2 and Text3: the root
// with plus the square root goes into Text4 (beside "X2="), the one with minus into
// Text5 (beside "X1="). Without a real root both are emptied after "无解".
void QuadraticEquation(Form& f);

}  // namespace velunda
