// A worked solution: what the solution panel of a window shows for one computation.
#pragma once

#include <string>
#include <vector>

#include "exact/solutionsteps.h"
#include "numeric/form.h"

namespace velunda {

// One quantity of the solution as its figure shows it: the side a = 5√2 drawn 7.07 long.
struct FigureValue {
    std::string symbol;  // "a", "h₁", "θ"
    double value = 0;    // a length, or an angle in radians
    std::string label;   // "5√2", "7.07", "36.9°": short exact forms, else 3 significant figures
    bool given = false;  // typed by the pupil rather than computed
};

struct WorkedSolution {
    std::string plain;                // the steps in the plain-text notation, one line a step (WritePlain)
    std::string html;                 // the steps typeset for the panel and the sheet (WriteHtml)
    std::vector<FigureValue> figure;  // the quantities the figure is drawn from, in order
    std::vector<exact::Step> steps;   // the solution itself, from which plain and html are written
};

// Explains one computation from its window's field texts and options as they were when the
// computation started (before any of its writes). Never throws.
using Explanation = WorkedSolution (*)(const Form& before);

}  // namespace velunda
