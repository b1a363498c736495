// One worked example per window, the kind a pupil meets first: the pictures of the
// windows are taken with them, and the bench times each computation on them.
#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include "exact/workedsolution.h"
#include "figure/sketch.h"
#include "numeric/form.h"

namespace velunda::examples {

// The options chosen first, the texts typed into fields in order, then the trigger (a
// field gets Enter, a button a click). A drill window answers its problems instead:
// true is the right answer, false a wrong one.
struct Example {
    std::string_view window;
    std::vector<std::string_view> options;
    std::vector<std::pair<std::string_view, std::string_view>> typed;
    std::string_view trigger;
    std::vector<bool> answers = {};
};

// In the order of the menu's groups; a window's first example is the one its picture shows.
const std::vector<Example>& Examples();

// The first example of the window, or nullptr.
const Example* ExampleFor(std::string_view window);

// The computation that the control of the window sets off, from the window's design;
// nullptr for a control (or a window) without one.
Computation ComputationOf(std::string_view window, std::string_view control);
// The worked solution of that computation; nullptr where there is none.
Explanation ExplanationOf(std::string_view window, std::string_view control);
// The figure over the window's worked solutions; nullptr for a window without one.
ui::SketchMaker SketchOf(std::string_view window);

}  // namespace velunda::examples
