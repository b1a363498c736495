#pragma once

#include "numeric/form.h"

namespace velunda {

// Enter in one field of the square window computes the other three from it.
void SquareFromSide(Form& f);       // Text1
void SquareFromPerimeter(Form& f);  // Text2
void SquareFromArea(Form& f);       // Text3
void SquareFromDiagonal(Form& f);   // Text4

}  // namespace velunda
