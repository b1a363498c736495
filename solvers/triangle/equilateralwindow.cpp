#include "solvers/triangle/equilateral.h"
#include "solvers/triangle/trianglewindows.h"

namespace velunda::ui {

// clang-format off
WindowDesign EquilateralWindowDesign() {
    constexpr int L = 120, F = 1800, B = 3720;
    constexpr int LW = 1560, FW = 1695, BW = 1095, H = 375;
    constexpr int R1 = 240, R2 = 780, R3 = 1320, R4 = 1860;
    WindowDesign design{
        .name = "frm13", .title = "解等边三角形", .width = 5025, .height = 2475, .background = kBrightGreen,
        .controls = {
            {Kind::Label, "Label1(0)", "等边三角形的边长", L, R1 + 60, LW, 255},
            {Kind::Field, equilateral::Side, "", F, R1, FW, H},
            {Kind::Label, "Label1(3)", "等边三角形的周长", L, R2 + 60, LW, 255},
            {Kind::Field, equilateral::Perimeter, "", F, R2, FW, H},
            {Kind::Label, "Label1(4)", " 等边三角形的高", L, R3 + 60, LW, 255},
            {Kind::Field, equilateral::Height, "", F, R3, FW, H},
            {Kind::Label, "Label1(2)", "等边三角形的面积", L, R4 + 60, LW, 255},
            {Kind::Field, equilateral::Area, "", F, R4, FW, H},
            // The first two buttons stand level with the gaps between the rows.
            {Kind::Button, "Command1", "清  零", B, (R1 + R2) / 2, BW, H},
            {Kind::Button, "Command2", "计  算", B, (R2 + R3) / 2, BW, H},
            {Kind::Button, "Command3", "退  出", B, R4, BW, H},
        },
        .tabOrder = {equilateral::Side, equilateral::Perimeter, equilateral::Height, equilateral::Area, "Command1",
                     "Command2", "Command3"},
        .clearButton = "Command1",
        .clearedFields = {equilateral::Side, equilateral::Perimeter, equilateral::Height, equilateral::Area},
        .exitButton = "Command3",
    };
    design.triggers = {
        {Event::Click, "Command2", SolveEquilateralTriangle, ExplainEquilateralTriangle},
    };
    design.figure = EquilateralSketch;
    {
        using namespace equilateral;
        design.answers = {{Side, "a"}, {Perimeter, "P"}, {Height, "h"}, {Area, "S"}};
        design.exercises = {
            {"Command2", {{Side}}},
            {"Command2", {{Perimeter}}},
            {"Command2", {{Height}}},
            {"Command2", {{Area}}},
        };
    }
    design.slips = EquilateralSlips();
    return design;
}
// clang-format on

}  // namespace velunda::ui
