#include "solvers/triangle/baseheightarea.h"
#include "solvers/triangle/trianglewindows.h"

namespace velunda::ui {

// clang-format off
WindowDesign BaseHeightAreaWindowDesign() {
    constexpr int L = 240, F = 1560, B = 3360;
    constexpr int LW = 1200, FW = 1575, BW = 1095, H = 375;
    constexpr int R1 = 240, R2 = 840, R3 = 1440;
    WindowDesign design{
        .name = "frm7", .title = "三角形底,高,面积互换", .width = 4680, .height = 2055, .background = kBrightGreen,
        .controls = {
            {Kind::Label, "Label1(0)", "三角形的底", L, R1 + 60, LW, 255},
            {Kind::Field, baseheightarea::Base, "", F, R1, FW, H},
            {Kind::Label, "Label1(2)", "三角形的高", L, R2 + 60, LW, 255},
            {Kind::Field, baseheightarea::Height, "", F, R2, FW, H},
            {Kind::Label, "Label1(1)", "三角形的面积", L, R3 + 60, LW, 255},
            {Kind::Field, baseheightarea::Area, "", F, R3, FW, H},
            {Kind::Button, "Command1", "清 零", B, R1, BW, H},
            {Kind::Button, "Command2", "计 算", B, R2, BW, H},
            {Kind::Button, "Command3", "结 束", B, R3, BW, H},
        },
        .tabOrder = {baseheightarea::Base, baseheightarea::Height, baseheightarea::Area, "Command1", "Command2",
                     "Command3"},
        .clearButton = "Command1",
        .clearedFields = {baseheightarea::Base, baseheightarea::Height, baseheightarea::Area},
        .exitButton = "Command3",
    };
    design.triggers = {
        {Event::Click, "Command2", TriangleBaseHeightArea, ExplainTriangleBaseHeightArea},
    };
    design.figure = BaseHeightSketch;
    {
        using namespace baseheightarea;
        design.answers = {{Base, "a"}, {Height, "h"}, {Area, "S"}};
        design.exercises = {
            {"Command2", {{Base}, {Height}}},
            {"Command2", {{Base}, {Area}}},
            {"Command2", {{Height}, {Area}}},
        };
    }
    design.slips = BaseHeightAreaSlips();
    return design;
}
// clang-format on

}  // namespace velunda::ui
