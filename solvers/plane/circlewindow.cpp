#include "solvers/plane/circle.h"
#include "solvers/plane/planewindows.h"

namespace velunda::ui {

// clang-format off
WindowDesign CircleWindowDesign() {
    WindowDesign design{
        .name = "frm10", .title = "解圆", .width = 4635, .height = 2775, .background = kBrightGreen,
        .controls = {
            {Kind::Label, "Label1", "圆周率π=", 120, 300, 780, 255},
            {Kind::Field, circle::Pi, "", 960, 240, 975, 375},
            {Kind::Option, "Option1", "3.14", 2040, 360, 855, 255},
            {Kind::Option, "Option2", "3.1415926", 3000, 360, 1455, 255},
            {Kind::Label, "Label2", "圆的半径", 120, 780, 780, 255},
            {Kind::Field, circle::Radius, "", 960, 720, 975, 375},
            {Kind::Label, "Label3", "圆的直径", 2520, 780, 900, 255},
            {Kind::Field, circle::Diameter, "", 3480, 720, 975, 375},
            {Kind::Label, "Label4", "圆的周长", 120, 1260, 780, 255},
            {Kind::Field, circle::Circumference, "", 960, 1200, 975, 375},
            {Kind::Label, "Label5", "圆的面积", 2520, 1260, 900, 255},
            {Kind::Field, circle::Area, "", 3480, 1200, 975, 375},
            {Kind::Label, "Label6", "先选取或自定义圆周率，然后填入一个元素，按回车，即可得到另外的三个元素。",
             120, 1680, 3135, 855, {.font = SimSun(12), .color = kRed, .wrap = true}},
            {Kind::Button, "Command1", "清零", 3480, 1680, 975, 375},
            {Kind::Button, "Command2", "结束", 3480, 2160, 975, 375},
        },
        // The focus starts in the radius field; the π controls come after the four
        // quantities.
        .tabOrder = {circle::Radius, circle::Diameter, circle::Circumference, circle::Area, "Option1", "Option2",
                     circle::Pi, "Command1", "Command2"},
        .clearButton = "Command1",
        .clearedFields = {circle::Radius, circle::Diameter, circle::Circumference, circle::Area},
        .exitButton = "Command2",
    };
    design.triggers = {
        {Event::Enter, circle::Radius, CircleFromRadius, ExplainCircleFromRadius},
        {Event::Enter, circle::Diameter, CircleFromDiameter, ExplainCircleFromDiameter},
        {Event::Enter, circle::Circumference, CircleFromCircumference, ExplainCircleFromCircumference},
        {Event::Enter, circle::Area, CircleFromArea, ExplainCircleFromArea},
        {Event::Selected, "Option1", PiFromOption1, ExplainPiFromOption1},
        {Event::Click, "Option1", PiFromOption1, ExplainPiFromOption1},
        {Event::Selected, "Option2", PiFromOption2, ExplainPiFromOption2},
        {Event::Click, "Option2", PiFromOption2, ExplainPiFromOption2},
    };
    design.figure = CircleSketch;
    design.answers = {{circle::Radius, "r"}, {circle::Diameter, "d"}, {circle::Circumference, "C"}, {circle::Area, "S"}};
    design.slips = CircleSlips();
    const std::vector<std::string_view> pi = {"Option1"};
    design.exercises = {
        {circle::Radius, {{circle::Radius}}, pi},
        {circle::Diameter, {{circle::Diameter}}, pi},
        {circle::Circumference, {{circle::Circumference}}, pi},
        {circle::Area, {{circle::Area}}, pi},
    };
    return design;
}
// clang-format on

}  // namespace velunda::ui
