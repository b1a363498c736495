#include "solvers/plane/angleunit.h"
#include "solvers/plane/layouts.h"
#include "solvers/plane/parallelogram.h"
#include "solvers/plane/planewindows.h"

namespace velunda::ui {

// clang-format off
WindowDesign ParallelogramAngleWindowDesign() {
    WindowDesign design{
        .name = "frm4", .title = "解平行四边形（两边，夹角，面积互换）",
        .width = 5175, .height = 2475, .background = kBrightGreen,
        .controls = {
            {Kind::Label, "Label1(0)", "平行四边形的底边", 120, 180, 1500, 255},
            {Kind::Field, parallelogram::Side, "", 1680, 120, 1215, 375},
            {Kind::Label, "Label1(1)", "平行四边形的邻边", 120, 720, 1500, 255},
            {Kind::Field, parallelogram::AdjacentSide, "", 1680, 660, 1215, 375},
            {Kind::Label, "Label1(2)", "底边与邻边的夹角", 120, 1260, 1500, 255},
            {Kind::Field, parallelogram::Angle, "", 1680, 1200, 1215, 375},
            {Kind::Label, "Label1(3)", "平行四边形的面积", 120, 1800, 1500, 255},
            {Kind::Field, parallelogram::Area, "", 1680, 1740, 1215, 375},
            RadianOption(3000, 390),
            DegreeOption(3000, 1200),
            {Kind::Button, "Command1", "清  零", 3960, 120, 1095, 375},
            {Kind::Button, "Command2", "计  算", 3960, 930, 1095, 375},
            {Kind::Button, "Command3", "退  出", 3960, 1740, 1095, 375},
        },
        .tabOrder = {angleunit::Radians, parallelogram::Side, parallelogram::AdjacentSide, "Command1",
                     parallelogram::Angle, parallelogram::Area, "Command2", "Command3", angleunit::Degrees},
        .clearButton = "Command1",
        .clearedFields = {parallelogram::Side, parallelogram::AdjacentSide, parallelogram::Angle, parallelogram::Area},
        .exitButton = "Command3",
    };
    design.triggers = {
        {Event::Click, "Command2", SolveParallelogramAngle, ExplainParallelogramAngle},
    };
    design.figure = ParallelogramSketch;
    // The angle sought is either of the two with the sine S/(ab).
    design.answers = {{parallelogram::Side, "a"},
                      {parallelogram::AdjacentSide, "b"},
                      {parallelogram::Angle, "θ", Unit::Degrees, angleunit::Radians, "θ₂"},
                      {parallelogram::Area, "S"}};
    design.slips = ParallelogramAngleSlips();
    const std::vector<std::string_view> degrees = {angleunit::Degrees};
    design.exercises = {
        {"Command2", {{parallelogram::Side}, {parallelogram::AdjacentSide}, {parallelogram::Angle, GivenDraw::Angle}},
         degrees},
        {"Command2", {{parallelogram::Side}, {parallelogram::AdjacentSide}, {parallelogram::Area}}, degrees},
        {"Command2", {{parallelogram::Side}, {parallelogram::Angle, GivenDraw::Angle}, {parallelogram::Area}}, degrees},
        {"Command2", {{parallelogram::AdjacentSide}, {parallelogram::Angle, GivenDraw::Angle}, {parallelogram::Area}},
         degrees},
    };
    return design;
}
// clang-format on

}  // namespace velunda::ui
