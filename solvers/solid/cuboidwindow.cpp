#include "solvers/solid/cuboid.h"
#include "solvers/solid/solidwindows.h"

namespace velunda::ui {

// Two columns of caption and field; the blanks in the two-line captions decide where
// they wrap.
// clang-format off
WindowDesign CuboidWindowDesign() {
    WindowDesign design{
        .name = "frm5", .title = "解长方体", .width = 4920, .height = 2325, .background = kBrightGreen,
        .controls = {
            {Kind::Label, "Label1(1)", "长方体的长", 120, 240, 1080, 255},
            {Kind::Field, cuboid::Length, "", 1200, 180, 1095, 375},
            {Kind::Label, "Label1(2)", "长方体的宽", 2520, 240, 1080, 255},
            {Kind::Field, cuboid::Width, "", 3600, 180, 1095, 375},
            {Kind::Label, "Label1(4)", "长方体的高", 120, 840, 1080, 255},
            {Kind::Field, cuboid::Height, "", 1200, 780, 1095, 375},
            {Kind::Label, "Label1(3)", "长方体的横   截面积", 2520, 705, 1020, 495, {.wrap = true}},
            {Kind::Field, cuboid::CrossSection, "", 3600, 780, 1095, 375},
            {Kind::Label, "Label1(5)", " 长方体的   表面积", 120, 1305, 1020, 495, {.wrap = true}},
            {Kind::Field, cuboid::Surface, "", 1200, 1380, 1095, 375},
            {Kind::Label, "Label1(6)", "  长方体的     体积", 2520, 1305, 1020, 495, {.wrap = true}},
            {Kind::Field, cuboid::Volume, "", 3600, 1380, 1095, 375},
            {Kind::Button, "Command2", "清  零", 360, 1890, 1095, 375},
            {Kind::Button, "Command1", "计  算", 1912, 1890, 1095, 375},
            {Kind::Button, "Command3", "结  束", 3465, 1890, 1095, 375},
        },
        .tabOrder = {cuboid::Length, cuboid::Width, cuboid::Height, cuboid::CrossSection, cuboid::Surface,
                     cuboid::Volume, "Command1", "Command2", "Command3"},
        .clearButton = "Command2",
        .clearedFields = {cuboid::Length, cuboid::Width, cuboid::Height, cuboid::CrossSection, cuboid::Surface,
                          cuboid::Volume},
        .exitButton = "Command3",
    };
    design.triggers = {
        {Event::Click, "Command1", CuboidCompute, ExplainCuboid},
    };
    design.figure = CuboidSketch;
    // Width and height found as the two roots of one equation may be told in either order.
    design.answers = {{cuboid::Length, "a"},
                      {cuboid::Width, "b", Unit::Number, {}, "c"},
                      {cuboid::Height, "c", Unit::Number, {}, "b"},
                      {cuboid::CrossSection, "A"},
                      {cuboid::Surface, "S"},
                      {cuboid::Volume, "V"}};
    design.slips = CuboidSlips();
    // The givens that never leave a length negative (a surface with two lengths can).
    design.exercises = {
        {"Command1", {{cuboid::Length}, {cuboid::Width}, {cuboid::Height}}},
        {"Command1", {{cuboid::Length}, {cuboid::Width}, {cuboid::CrossSection}}},
        {"Command1", {{cuboid::Length}, {cuboid::Width}, {cuboid::Volume}}},
        {"Command1", {{cuboid::Width}, {cuboid::CrossSection}, {cuboid::Volume}}},
    };
    return design;
}
// clang-format on

}  // namespace velunda::ui
