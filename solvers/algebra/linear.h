#pragma once

#include <string_view>
#include <vector>

#include "exact/workedsolution.h"
#include "numeric/form.h"

namespace velunda {

// The fields of the window of two equations: the coefficients of each and the answer.
namespace twoequations {
inline constexpr std::string_view A1 = "Text1", B1 = "Text2", C1 = "Text6", A2 = "Text3", B2 = "Text4", C2 = "Text7",
                                  Answer = "Text5";
// Every name the window's computations read or write: the coefficients and the answer.
inline constexpr std::string_view Names[] = {A1, B1, C1, A2, B2, C2, Answer};
}  // namespace twoequations

// The answer field of the window of three equations.
namespace threeequations {
inline constexpr std::string_view Answer = "Text2";
// Every name the window's computations read or write: the coefficients, Text1(1) …
// Text1(12), and the answer.
inline constexpr std::string_view Names[] = {"Text1(1)",  "Text1(2)",  "Text1(3)", "Text1(4)", "Text1(5)",
                                             "Text1(6)",  "Text1(7)",  "Text1(8)", "Text1(9)", "Text1(10)",
                                             "Text1(11)", "Text1(12)", Answer};
}  // namespace threeequations

// a1·x + b1·y + c1 = 0 and a2·x + b2·y + c2 = 0, with a1, b1, c1 in Text1, Text2,
// Text6 and a2, b2, c2 in Text3, Text4, Text7; the answer line goes into Text5.
void TwoLinearEquations(Form& f);

// Three equations a·x + b·y + c·z + d = 0, one per row of Text1(1) … Text1(12);
// x is eliminated through the second row. The answer line goes into Text2.
void ThreeLinearEquations(Form& f);

// Worked solutions of the two windows: determinants, elimination and exact answers.
WorkedSolution ExplainTwoLinearEquations(const Form& before);    // TwoLinearEquations
WorkedSolution ExplainThreeLinearEquations(const Form& before);  // ThreeLinearEquations

// The known slips of their exercises.
std::vector<SlipRule> TwoEquationsSlips();
std::vector<SlipRule> ThreeEquationsSlips();

}  // namespace velunda
