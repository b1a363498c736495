#include "solvers/plane/planewindows.h"
#include "solvers/plane/trapezoid.h"

namespace velunda::ui {

// clang-format off
WindowDesign TrapezoidWindowDesign() {
    WindowDesign design{
        .name = "frm9", .title = "解梯形", .width = 4680, .height = 2415, .background = kLightGreen,
        .controls = {
            {Kind::Label, "Label1(0)", "梯形的上底", 120, 240, 1020, 255},
            {Kind::Field, trapezoid::UpperBase, "", 1140, 180, 1095, 375},
            {Kind::Label, "Label1(2)", "梯形的下底", 2400, 240, 1020, 255},
            {Kind::Field, trapezoid::LowerBase, "", 3420, 180, 1095, 375},
            {Kind::Label, "Label1(1)", "梯形的高", 120, 780, 1020, 255},
            {Kind::Field, trapezoid::Height, "", 1140, 720, 1095, 375},
            {Kind::Label, "Label1(4)", "梯形的面积", 2400, 780, 1020, 255},
            {Kind::Field, trapezoid::Area, "", 3420, 720, 1095, 375},
            // Thirteen characters to the line keep the instruction to three lines.
            {Kind::Label, "Label1(3)", "按提示在以上文本框内填入梯形的3个元素，然后点击“计算”，就可得另一元素。",
             60, 1260, 3180, 1035, {.font = SimSun(12), .color = kRed, .wrap = true}},
            {Kind::Button, "Command3", "计算", 3300, 1260, 1215, 375},
            {Kind::Button, "Command1", "清零", 3300, 1800, 585, 375},
            {Kind::Button, "Command2", "结束", 3930, 1800, 585, 375},
        },
        .tabOrder = {trapezoid::UpperBase, trapezoid::LowerBase, trapezoid::Height, trapezoid::Area, "Command1",
                     "Command2", "Command3"},
        .clearButton = "Command1",
        .clearedFields = {trapezoid::UpperBase, trapezoid::LowerBase, trapezoid::Height, trapezoid::Area},
        .exitButton = "Command2",
    };
    design.triggers = {
        {Event::Click, "Command3", SolveTrapezoid, ExplainTrapezoid},
    };
    design.figure = TrapezoidSketch;
    design.answers = {{trapezoid::UpperBase, "a"}, {trapezoid::LowerBase, "b"}, {trapezoid::Height, "h"},
                      {trapezoid::Area, "S"}};
    design.slips = TrapezoidSlips();
    // A base from the area and the other base can come out negative: not drawn.
    design.exercises = {
        {"Command3", {{trapezoid::UpperBase}, {trapezoid::LowerBase}, {trapezoid::Height}}},
        {"Command3", {{trapezoid::UpperBase}, {trapezoid::LowerBase}, {trapezoid::Area}}},
    };
    return design;
}
// clang-format on

}  // namespace velunda::ui
