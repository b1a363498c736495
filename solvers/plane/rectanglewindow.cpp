#include "solvers/plane/planewindows.h"
#include "solvers/plane/rectangle.h"

namespace velunda::ui {

// clang-format off
WindowDesign RectangleWindowDesign() {
    WindowDesign design{
        .name = "frm6", .title = "解长方形", .width = 5640, .height = 2040, .background = kBrightGreen,
        .controls = {
            {Kind::Label, "Label1", "长方形的一边", 60, 180, 1110, 255},
            {Kind::Field, rectangle::Side, "", 1200, 120, 1095, 375},
            {Kind::Label, "Label2", "长方形的另一边", 2940, 180, 1350, 255},
            {Kind::Field, rectangle::OtherSide, "", 4320, 120, 1095, 375},
            {Kind::Label, "Label3", "长方形的周长", 60, 780, 1110, 255},
            {Kind::Field, rectangle::Perimeter, "", 1200, 720, 1095, 375},
            {Kind::Label, "Label4", "长方形的面积", 2940, 780, 1350, 255},
            {Kind::Field, rectangle::Area, "", 4320, 720, 1095, 375},
            {Kind::Label, "Label5", "长方形对角线     的长", 60, 1320, 1110, 375, {.wrap = true}},
            {Kind::Field, rectangle::Diagonal, "", 1200, 1320, 1095, 375},
            {Kind::Button, "Command2", "清零", 2400, 1320, 975, 375},
            {Kind::Button, "Command1", "计算", 3480, 1320, 975, 375},
            {Kind::Button, "Command3", "结束", 4560, 1320, 975, 375},
        },
        .clearButton = "Command2",
        .clearedFields = {rectangle::Side, rectangle::OtherSide, rectangle::Perimeter, rectangle::Area,
                          rectangle::Diagonal},
        .exitButton = "Command3",
    };
    design.triggers = {
        {Event::Click, "Command1", SolveRectangle, ExplainRectangle},
    };
    design.figure = RectangleSketch;
    // Both sides found from the perimeter and the area may be told in either order.
    design.answers = {{rectangle::Side, "a", Unit::Number, {}, "b"},
                      {rectangle::OtherSide, "b", Unit::Number, {}, "a"},
                      {rectangle::Perimeter, "P"},
                      {rectangle::Area, "S"},
                      {rectangle::Diagonal, "d"}};
    design.slips = RectangleSlips();
    // Givens that give a true rectangle or a message: a perimeter with one side, or a
    // diagonal with a side as long, would give a side of 0 or less without one.
    design.exercises = {
        {"Command1", {{rectangle::Side}, {rectangle::OtherSide}}},
        {"Command1", {{rectangle::Side}, {rectangle::Area}}},
        {"Command1", {{rectangle::Perimeter}, {rectangle::Area}}},
    };
    return design;
}
// clang-format on

}  // namespace velunda::ui
