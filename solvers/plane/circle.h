#pragma once

#include <string_view>
#include <vector>

#include "exact/workedsolution.h"
#include "numeric/form.h"

namespace velunda {

// The fields of the circle window.
namespace circle {
inline constexpr std::string_view Radius = "Text1", Diameter = "Text2", Circumference = "Text3", Area = "Text4",
                                  Pi = "Text5";
// Every name the window's computations read or write: its fields and the two values of π, Option1 "3.14" and Option2
// "3.1415926".
inline constexpr std::string_view Names[] = {Radius, Diameter, Circumference, Area, Pi, "Option1", "Option2"};
}  // namespace circle

// Enter in one field of the circle window computes the other three with the π typed
// or chosen in Text5.
void CircleFromRadius(Form& f);         // Text1
void CircleFromDiameter(Form& f);       // Text2
void CircleFromCircumference(Form& f);  // Text3
void CircleFromArea(Form& f);           // Text4

// The π option buttons write their value into Text5.
void PiFromOption1(Form& f);  // "3.14"
void PiFromOption2(Form& f);  // "3.1415926"

// Worked solutions of the circle window: the exact form in π, then the
// value with the π of the window's π field.
WorkedSolution ExplainCircleFromRadius(const Form& before);         // CircleFromRadius
WorkedSolution ExplainCircleFromDiameter(const Form& before);       // CircleFromDiameter
WorkedSolution ExplainCircleFromCircumference(const Form& before);  // CircleFromCircumference
WorkedSolution ExplainCircleFromArea(const Form& before);           // CircleFromArea
WorkedSolution ExplainPiFromOption1(const Form& before);            // PiFromOption1
WorkedSolution ExplainPiFromOption2(const Form& before);            // PiFromOption2

// The known slips of the circle's exercises.
std::vector<SlipRule> CircleSlips();

}  // namespace velunda
