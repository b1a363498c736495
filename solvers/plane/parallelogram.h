#pragma once

#include <string_view>
#include <vector>

#include "exact/workedsolution.h"
#include "numeric/form.h"
#include "solvers/plane/angleunit.h"

namespace velunda {

// The fields of the window of two sides, their included angle and the area.
namespace parallelogram {
inline constexpr std::string_view Side = "Text1", AdjacentSide = "Text2", Angle = "Text3", Area = "Text4";
// The two windows of three rows hold one quantity a row: base, height and area, or
// side, adjacent side and perimeter.
inline constexpr std::string_view FirstRow = "Text1", SecondRow = "Text2", ThirdRow = "Text3";
// Every name the computations of the window of two sides, angle and area read or write:
// its fields and the angle unit; and those of the two windows of three rows.
inline constexpr std::string_view Names[] = {Side, AdjacentSide, Angle, Area, angleunit::Radians, angleunit::Degrees};
inline constexpr std::string_view ThreeRowNames[] = {FirstRow, SecondRow, ThirdRow};
}  // namespace parallelogram

// "计  算" of the base, height and area window: two of base (Text1), height (Text2)
// and area (Text3) give the third; all three are written back with a sign position.
void SolveParallelogramArea(Form& f);

// "计  算" of the sides and perimeter window: two of base side (Text1), adjacent side
// (Text2) and perimeter (Text3) give the third; all three are written back the same way.
void SolveParallelogramPerimeter(Form& f);

// "计  算" of the window with two sides (Text1, Text2), their included angle (Text3, in
// the unit of the option buttons) and the area (Text4), with S = a·b·sin θ. Sought,
// the angle is written as both angles with that sine, joined by "或".
void SolveParallelogramAngle(Form& f);

// Worked solutions of the three parallelogram windows.
WorkedSolution ExplainParallelogramArea(const Form& before);       // SolveParallelogramArea (frm3)
WorkedSolution ExplainParallelogramPerimeter(const Form& before);  // SolveParallelogramPerimeter (frm2)
WorkedSolution ExplainParallelogramAngle(const Form& before);      // SolveParallelogramAngle (frm4)

// The known slips of their exercises.
std::vector<SlipRule> ParallelogramAreaSlips();       // frm3
std::vector<SlipRule> ParallelogramPerimeterSlips();  // frm2
std::vector<SlipRule> ParallelogramAngleSlips();      // frm4

}  // namespace velunda
