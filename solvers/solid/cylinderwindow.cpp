#include "solvers/solid/cylinder.h"
#include "solvers/solid/solidwindows.h"

namespace velunda::ui {

// Three rows of caption and field in three columns; the buttons share the last row.
// clang-format off
WindowDesign CylinderWindowDesign() {
    WindowDesign design{
        .name = "frm15", .title = "解圆柱体", .width = 5820, .height = 2430, .background = kBrightGreen,
        .controls = {
            {Kind::Label, "Label1(0)", "底面半径", 120, 300, 840, 255},
            {Kind::Field, cylinder::Radius, "", 960, 240, 855, 375},
            {Kind::Label, "Label1(1)", "底面周长", 2040, 300, 840, 255},
            {Kind::Field, cylinder::Circumference, "", 2880, 240, 855, 375},
            {Kind::Label, "Label3", "圆柱体的高", 3840, 300, 1020, 255},
            {Kind::Field, cylinder::Height, "", 4905, 240, 840, 375},
            {Kind::Label, "Label4", "底面积", 120, 1020, 840, 255},
            {Kind::Field, cylinder::BaseArea, "", 960, 960, 855, 375},
            {Kind::Label, "Label1(2)", "侧面积", 2040, 1020, 840, 255},
            {Kind::Field, cylinder::LateralArea, "", 2880, 960, 855, 375},
            {Kind::Label, "Label1(3)", "表面积", 3840, 1020, 960, 255},
            {Kind::Field, cylinder::Surface, "", 4905, 960, 840, 375},
            {Kind::Label, "Label2", "体 积", 120, 1740, 840, 255},
            {Kind::Field, cylinder::Volume, "", 960, 1680, 855, 375},
            {Kind::Button, "Command1", "清  零", 2040, 1680, 1095, 375},
            {Kind::Button, "Command2", "计  算", 3330, 1680, 1095, 375},
            {Kind::Button, "Command3", "退  出", 4620, 1680, 1095, 375},
        },
        .tabOrder = {cylinder::Radius, cylinder::Circumference, cylinder::LateralArea, cylinder::Surface,
                     cylinder::Volume, "Command1", "Command2", "Command3", cylinder::Height, cylinder::BaseArea},
        .clearButton = "Command1",
        .clearedFields = {cylinder::Radius, cylinder::Circumference, cylinder::LateralArea, cylinder::Surface,
                          cylinder::Volume, cylinder::Height, cylinder::BaseArea},
        .exitButton = "Command3",
    };
    design.triggers = {
        {Event::Click, "Command2", CylinderCompute, ExplainCylinder},
    };
    // The window's π is 3.14; every field says so.
    design.fieldToolTip = "π取3.14";
    design.figure = CylinderSketch;
    design.answers = {
        {cylinder::Radius, "r"}, {cylinder::Circumference, "C"}, {cylinder::Height, "h"}, {cylinder::BaseArea, "S底"},
        {cylinder::LateralArea, "S侧"}, {cylinder::Surface, "S表"}, {cylinder::Volume, "V"},
    };
    design.slips = CylinderSlips();
    design.exercises = {
        {"Command2", {{cylinder::Radius}, {cylinder::Height}}},
        {"Command2", {{cylinder::Circumference}, {cylinder::Height}}},
        {"Command2", {{cylinder::Radius}, {cylinder::Volume}}},
        {"Command2", {{cylinder::Radius}, {cylinder::LateralArea}}},
    };
    return design;
}
// clang-format on

}  // namespace velunda::ui
