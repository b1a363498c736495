#include "solvers/plane/layouts.h"
#include "solvers/plane/parallelogram.h"
#include "solvers/plane/planewindows.h"

namespace velunda::ui {

WindowDesign ParallelogramAreaWindowDesign() {
    WindowDesign design = ThreeRowWindow(
        "frm3", "解平行四边形（底，高，面积互换）", 4470, 1950,
        {{{"Label1(0)", " 平行四边形的底"}, {"Label1(2)", " 平行四边形的高"}, {"Label1(1)", "平行四边形的面积"}}},
        {120, 1680, 1335, 3240, 1005, 240, 540});
    design.triggers = {
        {Event::Click, "Command2", SolveParallelogramArea, ExplainParallelogramArea},
    };
    design.figure = ParallelogramSketch;
    design.answers = {{parallelogram::FirstRow, "a"}, {parallelogram::SecondRow, "h"}, {parallelogram::ThirdRow, "S"}};
    design.slips = ParallelogramAreaSlips();
    design.exercises = {
        {"Command2", {{parallelogram::FirstRow}, {parallelogram::SecondRow}}},
        {"Command2", {{parallelogram::FirstRow}, {parallelogram::ThirdRow}}},
        {"Command2", {{parallelogram::SecondRow}, {parallelogram::ThirdRow}}},
    };
    return design;
}

}  // namespace velunda::ui
