#include "solvers/plane/layouts.h"
#include "solvers/plane/parallelogram.h"
#include "solvers/plane/planewindows.h"

namespace velunda::ui {

WindowDesign ParallelogramPerimeterWindowDesign() {
    WindowDesign design = ThreeRowWindow("frm2", "解平行四边形(边与周长互换)", 4815, 2040,
                                         {{{"Label1(0)", "底边"}, {"Label1(1)", "邻边"}, {"Label1(2)", "周长"}}},
                                         {360, 1080, 1935, 3360, 1215, 240, 600});
    design.triggers = {
        {Event::Click, "Command2", SolveParallelogramPerimeter, ExplainParallelogramPerimeter},
    };
    design.figure = ParallelogramSketch;
    design.answers = {{parallelogram::FirstRow, "a"}, {parallelogram::SecondRow, "b"}, {parallelogram::ThirdRow, "P"}};
    design.slips = ParallelogramPerimeterSlips();
    // A side from the perimeter and the other side can come out negative: not drawn.
    design.exercises = {
        {"Command2", {{parallelogram::FirstRow}, {parallelogram::SecondRow}}},
    };
    return design;
}

}  // namespace velunda::ui
