#include "solvers/algebra/algebrawindows.h"
#include "solvers/algebra/quadratic.h"

namespace velunda::ui {

// clang-format off
WindowDesign QuadraticWindowDesign() {
    const FontStyle caption = SimSun(15.75);
    WindowDesign design{
        .name = "frm16", .title = "解形如Ax^2+Bx+C=0的一元二次方程",
        .width = 5520, .height = 2040, .background = kBrightGreen,
        .controls = {
            {Kind::Label, "Label1(0)", "A=", 120, 240, 480, 375, caption},
            {Kind::Field, quadratic::A, "", 600, 240, 1095, 375},
            {Kind::Label, "Label1(4)", "B=", 1920, 240, 480, 375, caption},
            {Kind::Field, quadratic::B, "", 2400, 240, 1095, 375},
            {Kind::Label, "Label1(3)", "C=", 3720, 240, 480, 375, caption},
            {Kind::Field, quadratic::C, "", 4200, 240, 1095, 375},
            // The field beside "X1=" is Text5, the one beside "X2=" is Text4.
            {Kind::Label, "Label1(1)", "X1=", 120, 840, 600, 375, caption},
            {Kind::Field, quadratic::X1, "", 720, 840, 1935, 375},
            {Kind::Label, "Label1(2)", "X2=", 2880, 840, 600, 375, caption},
            {Kind::Field, quadratic::X2, "", 3480, 840, 1815, 375},
            {Kind::Button, "Command1", "清  零", 600, 1440, 1215, 375},
            {Kind::Button, "Command2", "计  算", 2160, 1440, 1215, 375},
            {Kind::Button, "Command3", "退  出", 3720, 1440, 1215, 375},
        },
        .tabOrder = {quadratic::A, quadratic::B, quadratic::C, quadratic::X2, quadratic::X1, "Command1", "Command2",
                     "Command3"},
        .clearButton = "Command1",
        .clearedFields = {quadratic::A, quadratic::B, quadratic::C, quadratic::X2, quadratic::X1},
        .exitButton = "Command3",
    };
    design.triggers = {
        {Event::Click, "Command2", QuadraticEquation, ExplainQuadraticEquation},
    };
    // Either root may stand in either field.
    design.answers = {{quadratic::X2, "X2", Unit::Number, {}, "X1"}, {quadratic::X1, "X1", Unit::Number, {}, "X2"}};
    design.results = {quadratic::X2, quadratic::X1};
    design.slips = QuadraticSlips();
    design.exercises = {
        {"Command2",
         {{quadratic::A, GivenDraw::Coefficient}, {quadratic::B, GivenDraw::Coefficient},
          {quadratic::C, GivenDraw::Coefficient}}},
    };
    return design;
}
// clang-format on

}  // namespace velunda::ui
