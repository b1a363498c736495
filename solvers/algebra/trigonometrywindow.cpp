#include "solvers/algebra/algebrawindows.h"
#include "solvers/algebra/trigonometry.h"

namespace velunda::ui {

// Each label stands above its field; the two unit labels have full-width brackets.
// clang-format off
WindowDesign TrigonometryWindowDesign() {
    WindowDesign design{
        .name = "frm18", .title = "角度，弧度，三角函数转化", .width = 4890, .height = 2790, .background = kBrightGreen,
        .controls = {
            {Kind::Label, "Label1(0)", "   角度（1）", 90, 120, 1815, 255},
            {Kind::Field, trigonometry::Degrees, "", 90, 375, 1815, 375},
            {Kind::Label, "Label1(5)", "弧度（1）", 2010, 120, 1815, 255},
            {Kind::Field, trigonometry::Radians, "", 2010, 375, 1815, 375},
            {Kind::Label, "Label1(3)", "正弦(sin)", 90, 1020, 1815, 255},
            {Kind::Field, trigonometry::Sine, "", 90, 1275, 1815, 375},
            {Kind::Label, "Label1(2)", "余弦(cos)", 2010, 1020, 1815, 255},
            {Kind::Field, trigonometry::Cosine, "", 2010, 1275, 1815, 375},
            {Kind::Label, "Label1(1)", "正切(tan)", 90, 1920, 1815, 255},
            {Kind::Field, trigonometry::Tangent, "", 90, 2175, 1815, 375},
            {Kind::Label, "Label1(7)", "余切(cot)", 2010, 1920, 1815, 255},
            {Kind::Field, trigonometry::Cotangent, "", 2010, 2175, 1815, 375},
            {Kind::Button, "Command1", "清  零", 3930, 375, 870, 375},
            {Kind::Button, "Command2", "计  算", 3930, 1275, 870, 375},
            {Kind::Button, "Command3", "退  出", 3930, 2175, 870, 375},
        },
        .clearButton = "Command1",
        .clearedFields = {trigonometry::Degrees, trigonometry::Radians, trigonometry::Sine, trigonometry::Cosine,
                          trigonometry::Tangent, trigonometry::Cotangent},
        .exitButton = "Command3",
    };
    design.triggers = {
        {Event::Click, "Command2", AngleAndFunctions, ExplainAngleAndFunctions},
    };
    {
        using namespace trigonometry;
        design.answers = {{Degrees, "α", Unit::Degrees}, {Radians, "α", Unit::Radians}, {Sine, "sin α"},
                          {Cosine, "cos α"}, {Tangent, "tan α"}, {Cotangent, "cot α"}};
        design.exercises = {
            {"Command2", {{Degrees, GivenDraw::Angle}}},
            {"Command2", {{Sine, GivenDraw::Ratio}}},
            {"Command2", {{Cosine, GivenDraw::Ratio}}},
            {"Command2", {{Tangent, GivenDraw::Ratio}}},
        };
    }
    design.slips = TrigonometrySlips();
    return design;
}
// clang-format on

}  // namespace velunda::ui
