#include <QLineEdit>

#include "solvers/triangle/righttriangle.h"
#include "solvers/triangle/trianglewindows.h"

namespace velunda::ui {

// clang-format off
WindowDesign RightTriangleWindowDesign() {
    constexpr int L = 240, F = 1440, B = 3360;
    constexpr int LW = 1080, FW = 1695, BW = 1095, H = 375;
    constexpr int R1 = 150, R2 = 630, R3 = 1110, R4 = 1590;
    WindowDesign design{
        .name = "frm14", .title = "解直角三角形", .width = 4680, .height = 2175, .background = kBrightGreen,
        .controls = {
            {Kind::Label, "Label1", "第一直角边", L, R1 + 60, LW, 255},
            {Kind::Field, righttriangle::Leg, "", F, R1, FW, H},
            {Kind::Label, "Label2", "第二直角边", L, R2 + 60, LW, 255},
            {Kind::Field, righttriangle::OtherLeg, "", F, R2, FW, H},
            {Kind::Label, "Label3", "斜边", L, R3 + 60, LW, 255},
            {Kind::Field, righttriangle::Hypotenuse, "", F, R3, FW, H},
            {Kind::Label, "Label4", "面积", L, R4 + 60, LW, 255},
            {Kind::Field, righttriangle::Area, "", F, R4, FW, H},
            {Kind::Button, "Command3", "清  零", B, R2, BW, H},
            {Kind::Button, "Command2", "计  算", B, R3, BW, H},
            {Kind::Button, "Command1", "退  出", B, R4, BW, H},
        },
        .tabOrder = {righttriangle::Leg, righttriangle::OtherLeg, righttriangle::Hypotenuse, righttriangle::Area,
                     "Command1", "Command2", "Command3"},
        .clearButton = "Command3",
        .clearedFields = {righttriangle::Leg, righttriangle::OtherLeg, righttriangle::Hypotenuse, righttriangle::Area},
        .exitButton = "Command1",
    };
    design.triggers = {
        {Event::Click, "Command2", SolveRightTriangle, ExplainRightTriangle},
    };
    // Any key released in the first leg opens the second leg for typing, for good.
    design.setUp = [](DesignedWindow& w) {
        w.field(righttriangle::OtherLeg)->setEnabled(false);
        w.onKeyUp(righttriangle::Leg, [&w] { w.field(righttriangle::OtherLeg)->setEnabled(true); });
    };
    design.figure = RightTriangleSketch;
    {
        using namespace righttriangle;
        design.answers = {{Leg, "a"}, {OtherLeg, "b"}, {Hypotenuse, "c"}, {Area, "S"}};
        design.exercises = {
            {"Command2", {{Leg}, {OtherLeg}}},
            {"Command2", {{Leg}, {Hypotenuse}}},
            {"Command2", {{Leg}, {Area}}},
            {"Command2", {{Hypotenuse}, {Area}}},
        };
    }
    design.slips = RightTriangleSlips();
    return design;
}
// clang-format on

}  // namespace velunda::ui
