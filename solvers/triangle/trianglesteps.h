// Steps that the worked solutions of the triangle windows share: whether three lengths
// make a triangle, the cosine rule for an angle, Heron's formula, and angles written in
// the window's unit.
#pragma once

#include <array>
#include <string>

#include "exact/solutionbuilder.h"

namespace velunda::trianglesteps {

using exact::Number;
using exact::SolutionBuilder;

// A result after its formula: " = 4/5 = 0.8", or " ≈ 0.639234051472271" where the decimal
// is not the whole value.
std::string ResultText(const Number& x);

// √x. The root of a value that is itself written with a root is a nested root, which the
// notation cannot write and the engine takes long to look for: it is kept as a decimal.
Number Root(const Number& x);
// x + y. The sum of two values written with different roots has no short form either and is
// kept as a decimal; the solution writes its two parts.
Number Sum(const Number& x, const Number& y);

// How three lengths lie: a triangle, on one line (a sum equal to the third), or no
// triangle at all (a length not above 0, or a sum shorter than the third).
enum class Shape { Triangle, OnOneLine, None };

// Tests a, b and c (named by the symbols) and writes the line that says why:
// "两边之和 1 + 2 = 3 不大于第三边 10，不能构成三角形".
Shape TestSides(SolutionBuilder& b, const std::array<Number, 3>& sides, const std::array<const char*, 3>& symbols);

// cos of the angle opposite side i (0, 1, 2 for A, B, C) by the cosine rule.
Number CosineOf(const std::array<Number, 3>& sides, int i);

// The three angles of a triangle from its sides by the cosine rule, each as
// "cos A = (b² + c² − a²)/(2bc) = … = 4/5 = 0.8" and
// "角 A = arccos(4/5) ≈ 0.643501108793284（弧度）≈ 36.869897645844°". With `fieldNote` a
// cosine that rounds to ±1 in double precision gets a note on what the window shows.
// Returns the angles in radians; the answer gains one part per angle.
std::array<Number, 3> AnglesFromSides(SolutionBuilder& b, const std::array<Number, 3>& sides, bool fieldNote);

// The area by Heron's formula from the perimeter and the sides a, b and c, which are tested
// first (where they make no triangle the window still computes by the formula): the half
// perimeter "半周长 s = P/2 = 12/2 = 6", then "面积 S = √(s(s − a)(s − b)(s − c)) = √(6 × 3 × 2 × 1) = 6".
bool HeronArea(SolutionBuilder& b, const Number& perimeter, const std::array<Number, 3>& sides);

// An angle in radians as it is put into a formula, in the window's unit: "30°", "0.5".
std::string AngleIn(const Number& radians, bool inRadians);
// The same after its relation sign: " = 90°", or " ≈ 71.8103148957786°" where it is rounded.
std::string AngleIs(const Number& radians, bool inRadians);
// An angle as an answer gives it: " = 60°", " = arccos(4/5) ≈ 36.869897645844°", or
// " ≈ 101.810314895779°" where only the decimal is known.
std::string AngleAnswer(const Number& radians, bool inRadians);
// The straight angle in that unit: "180°" or "π".
const char* StraightAngle(bool inRadians);
// An angle as a result, from its relation sign on: " = 60° = π/3" where it is a rational
// multiple of π, else " = arccos(4/5) ≈ 36.869897645844° ≈ 0.643501108793284（弧度）"
// (the exact form where there is one, then degrees and radians).
std::string AngleResult(const Number& radians);

}  // namespace velunda::trianglesteps
