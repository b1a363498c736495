// Worked solution of the chord window's "计  算" (SolveChord in chord.h).
#pragma once

#include "exact/workedsolution.h"

namespace velunda {

WorkedSolution ExplainChord(const Form& before);

}  // namespace velunda
