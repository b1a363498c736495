// A worked solution: what the solution panel of a window shows for one computation.
#pragma once

#include <string>

#include "numeric/form.h"

namespace velunda {

struct WorkedSolution {
    std::string plain;  // the lines of the solution in the plain-text notation, joined by '\n'
    std::string html;   // the same, typeset for the panel
};

// Explains one computation from its window's field texts and options as they were when the
// computation started (before any of its writes). Never throws.
using Explanation = WorkedSolution (*)(const Form& before);

}  // namespace velunda
