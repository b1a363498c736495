// Worked solutions of the circle window (see circle.h): the exact form in π, then the
// value with the π of the window's π field.
#pragma once

#include "exact/workedsolution.h"

namespace velunda {

WorkedSolution ExplainCircleFromRadius(const Form& before);         // CircleFromRadius
WorkedSolution ExplainCircleFromDiameter(const Form& before);       // CircleFromDiameter
WorkedSolution ExplainCircleFromCircumference(const Form& before);  // CircleFromCircumference
WorkedSolution ExplainCircleFromArea(const Form& before);           // CircleFromArea
WorkedSolution ExplainPiFromOption1(const Form& before);            // PiFromOption1
WorkedSolution ExplainPiFromOption2(const Form& before);            // PiFromOption2

}  // namespace velunda
