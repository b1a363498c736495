#pragma once

#include <string_view>
#include <vector>

#include "exact/workedsolution.h"
#include "numeric/form.h"

namespace velunda {

// The fields of the square window.
namespace square {
inline constexpr std::string_view Side = "Text1", Perimeter = "Text2", Area = "Text3", Diagonal = "Text4";
// Every name the window's computations read or write: its fields.
inline constexpr std::string_view Names[] = {Side, Perimeter, Area, Diagonal};
}  // namespace square

// Enter in one field of the square window computes the other three from it.
void SquareFromSide(Form& f);       // Text1
void SquareFromPerimeter(Form& f);  // Text2
void SquareFromArea(Form& f);       // Text3
void SquareFromDiagonal(Form& f);   // Text4

// Worked solutions of the square window, one per field's Enter.
WorkedSolution ExplainSquareFromSide(const Form& before);       // SquareFromSide
WorkedSolution ExplainSquareFromPerimeter(const Form& before);  // SquareFromPerimeter
WorkedSolution ExplainSquareFromArea(const Form& before);       // SquareFromArea
WorkedSolution ExplainSquareFromDiagonal(const Form& before);   // SquareFromDiagonal

// The known slips of the square's exercises.
std::vector<SlipRule> SquareSlips();

}  // namespace velunda
