#pragma once

#include <string_view>
#include <vector>

#include "exact/workedsolution.h"
#include "numeric/form.h"
#include "solvers/plane/angleunit.h"

namespace velunda {

// The fields of the chord window.
namespace chord {
inline constexpr std::string_view Radius = "Text1", Chord = "Text2", Distance = "Text3", Angle = "Text4";
// Every name the window's computations read or write: its fields and the angle unit.
inline constexpr std::string_view Names[] = {Radius, Chord, Distance, Angle, angleunit::Radians, angleunit::Degrees};
}  // namespace chord

// "计  算" of the chord window: from two of radius (Text1), chord (Text2), distance
// of the chord from the centre (Text3) and central angle (Text4, in the unit of the
// option buttons) the first rule that applies finds the other two; all four fields
// are then rewritten.
void SolveChord(Form& f);

// Worked solution of the chord window's "计  算" (SolveChord).
WorkedSolution ExplainChord(const Form& before);

// The known slips of the chord window's exercises.
std::vector<SlipRule> ChordSlips();

}  // namespace velunda
