#include "solvers/plane/planewindows.h"
#include "solvers/plane/square.h"

namespace velunda::ui {

// clang-format off
WindowDesign SquareWindowDesign() {
    const FontStyle instruction = KaiTi(15.75);
    WindowDesign design{
        .name = "frm12", .title = "解正方形", .width = 4680, .height = 2355, .background = kBrightGreen,
        .controls = {
            {Kind::Label, "Label2(0)", "正方形的边长", 120, 300, 1080, 255},
            {Kind::Field, square::Side, "", 1200, 240, 975, 375},
            {Kind::Label, "Label2(1)", "正方形的周长", 2520, 300, 1080, 255},
            {Kind::Field, square::Perimeter, "", 3600, 240, 975, 375},
            {Kind::Label, "Label2(2)", "正方形的面积", 120, 900, 1080, 255},
            {Kind::Field, square::Area, "", 1200, 840, 975, 375},
            {Kind::Label, "Label2(3)", "正方形对角线     的长", 2520, 840, 1080, 375, {.wrap = true}},
            {Kind::Field, square::Diagonal, "", 3600, 840, 975, 375},
            {Kind::Label, "Label1(1)", "填入一个数后按回车，即可得到另外三个元素的值", 0, 1560, 3480, 735,
             {.font = instruction, .color = kRed, .wrap = true}},
            {Kind::Button, "Command1", "清 零", 3600, 1440, 975, 375},
            {Kind::Button, "Command2", "结 束", 3600, 1920, 975, 375},
        },
        .clearButton = "Command1", .clearedFields = {square::Side, square::Perimeter, square::Area, square::Diagonal},
        .exitButton = "Command2",
    };
    design.triggers = {
        {Event::Enter, square::Side, SquareFromSide, ExplainSquareFromSide},
        {Event::Enter, square::Perimeter, SquareFromPerimeter, ExplainSquareFromPerimeter},
        {Event::Enter, square::Area, SquareFromArea, ExplainSquareFromArea},
        {Event::Enter, square::Diagonal, SquareFromDiagonal, ExplainSquareFromDiagonal},
    };
    design.figure = SquareSketch;
    design.answers = {{square::Side, "a"}, {square::Perimeter, "P"}, {square::Area, "S"}, {square::Diagonal, "d"}};
    design.slips = SquareSlips();
    design.exercises = {
        {square::Side, {{square::Side}}},
        {square::Perimeter, {{square::Perimeter}}},
        {square::Area, {{square::Area}}},
    };
    return design;
}
// clang-format on

}  // namespace velunda::ui
