#include "solvers/triangle/sidesperimeterarea.h"
#include "solvers/triangle/trianglewindows.h"

namespace velunda::ui {

// clang-format off
WindowDesign SidesPerimeterAreaWindowDesign() {
    constexpr int LL = 120, LF = 780, RL = 2280, RF = 2820;
    constexpr int LW = 600, H = 375, BW = 720;
    constexpr int R1 = 240, R2 = 840, R3 = 1440;
    WindowDesign design{
        .name = "frm8", .title = "三角形三边,周长,面积转化", .width = 4680, .height = 1905, .background = kBrightGreen,
        .controls = {
            {Kind::Label, "Label1(0)", "第一边", LL, R1 + 60, LW, 255},
            {Kind::Field, sidesperimeterarea::SideA, "", LF, R1, 1335, H},
            {Kind::Label, "Label1(1)", "第二边", LL, R2 + 60, LW, 255},
            {Kind::Field, sidesperimeterarea::SideB, "", LF, R2, 1335, H},
            {Kind::Label, "Label1(2)", "第三边", LL, R3 + 60, LW, 255},
            {Kind::Field, sidesperimeterarea::SideC, "", LF, R3, 1335, H},
            {Kind::Label, "Label1(3)", "周长", RL, R1 + 60, 480, 255},
            {Kind::Field, sidesperimeterarea::Perimeter, "", RF, R1, 1740, H},
            {Kind::Label, "Label1(4)", "面积", RL, R2 + 60, 480, 255},
            {Kind::Field, sidesperimeterarea::Area, "", RF, R2, 1740, H},
            {Kind::Button, "Command1", "清零", RL, R3, BW, H},
            {Kind::Button, "Command2", "计算", RL + 780, R3, BW, H},
            {Kind::Button, "Command3", "结束", RL + 1560, R3, BW, H},
        },
        .clearButton = "Command1",
        .clearedFields = {sidesperimeterarea::SideA, sidesperimeterarea::SideB, sidesperimeterarea::SideC,
                          sidesperimeterarea::Perimeter, sidesperimeterarea::Area},
        .exitButton = "Command3",
    };
    design.triggers = {
        {Event::Click, "Command2", TriangleSidesPerimeterArea, ExplainTriangleSidesPerimeterArea},
    };
    design.figure = SidesSketch;
    {
        using namespace sidesperimeterarea;
        // From two sides and the area the third side and the perimeter are two values in
        // one field each, joined by "或".
        design.answers = {{SideC, "c", Unit::Number, {}, "c₂"}, {Perimeter, "P", Unit::Number, {}, "P₂"}, {Area, "S"}};
        design.exercises = {
            {"Command2", {{SideA}, {SideB}, {SideC}}},
            {"Command2", {{SideA}, {SideB}, {Perimeter}}},
            {"Command2", {{SideA}, {SideB}, {Area}}},
        };
    }
    design.slips = SidesPerimeterAreaSlips();
    return design;
}
// clang-format on

}  // namespace velunda::ui
