#include "solvers/solid/cube.h"
#include "solvers/solid/solidwindows.h"

namespace velunda::ui {

// Two rows of caption and field; below them the red instruction beside the buttons.
// clang-format off
WindowDesign CubeWindowDesign() {
    WindowDesign design{
        .name = "frm11", .title = "解正方体", .width = 4470, .height = 2460, .background = kBrightGreen,
        .controls = {
            {Kind::Label, "Label1(4)", " 正方体的    棱长", 120, 180, 1020, 495, {.wrap = true}},
            {Kind::Field, cube::Edge, "", 1140, 240, 975, 375},
            {Kind::Label, "Label1(0)", "正方体的棱长     总和", 2220, 180, 1170, 495, {.wrap = true}},
            {Kind::Field, cube::EdgeSum, "", 3420, 240, 975, 375},
            {Kind::Label, "Label1(1)", "正方体的   表面积", 120, 780, 1020, 495, {.wrap = true}},
            {Kind::Field, cube::Surface, "", 1140, 840, 975, 375},
            {Kind::Label, "Label1(2)", "正方体的体积", 2220, 900, 1170, 255},
            {Kind::Field, cube::Volume, "", 3420, 840, 975, 375},
            {Kind::Label, "Label1(3)", "填入一个数后按回车，即可得到另外三个元素的值。", 120, 1440, 3180, 900,
             {.font = SimSun(12), .color = kRed, .wrap = true}},
            {Kind::Button, "Command2", "清 零", 3420, 1440, 975, 375},
            {Kind::Button, "Command3", "结 束", 3420, 1920, 975, 375},
        },
        .clearButton = "Command2", .clearedFields = {cube::Edge, cube::EdgeSum, cube::Surface, cube::Volume},
        .exitButton = "Command3",
    };
    design.triggers = {
        {Event::Enter, cube::Edge, CubeFromEdge, ExplainCubeFromEdge},
        {Event::Enter, cube::EdgeSum, CubeFromEdgeSum, ExplainCubeFromEdgeSum},
        {Event::Enter, cube::Surface, CubeFromSurface, ExplainCubeFromSurface},
        {Event::Enter, cube::Volume, CubeFromVolume, ExplainCubeFromVolume},
    };
    design.figure = CubeSketch;
    design.answers = {{cube::Edge, "a"}, {cube::EdgeSum, "L"}, {cube::Surface, "S"}, {cube::Volume, "V"}};
    design.slips = CubeSlips();
    design.exercises = {
        {cube::Edge, {{cube::Edge}}},
        {cube::EdgeSum, {{cube::EdgeSum}}},
        {cube::Surface, {{cube::Surface}}},
        {cube::Volume, {{cube::Volume}}},
    };
    return design;
}
// clang-format on

}  // namespace velunda::ui
