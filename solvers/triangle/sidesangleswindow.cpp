#include "solvers/triangle/sidesangles.h"
#include "solvers/triangle/trianglewindows.h"

namespace velunda::ui {

// clang-format off
WindowDesign SidesAnglesWindowDesign() {
    constexpr int AL = 120, AF = 1320, SL = 2340, SF = 2940, BL = 3960;
    constexpr int FW = 900, BW = 1050, H = 375;
    constexpr int R1 = 600, R2 = 1200, R3 = 1800;
    WindowDesign design{
        .name = "frm21", .title = "三角形边角互换", .width = 5130, .height = 2430, .background = kBrightGreen,
        .controls = {
            {Kind::Option, sidesangles::Radians, "弧度", 360, 120, 900, 300, {.background = kBrightGreen}},
            {Kind::Option, sidesangles::Degrees, "角度", 1560, 120, 900, 300, {.background = kBrightGreen}},
            {Kind::Label, "Label1", "第一边的对角", AL, R1 + 60, 1140, 255},
            {Kind::Field, sidesangles::FirstAngle, "", AF, R1, FW, H},
            {Kind::Label, "Label2", "第一边", SL, R1 + 60, 600, 255},
            {Kind::Field, sidesangles::FirstSide, "", SF, R1, FW, H},
            {Kind::Label, "Label3", "第三边的对角", AL, R2 + 60, 1140, 255},
            {Kind::Field, sidesangles::SecondAngle, "", AF, R2, FW, H},
            {Kind::Label, "Label4", "第四边", SL, R2 + 60, 600, 255},
            {Kind::Field, sidesangles::SecondSide, "", SF, R2, FW, H},
            {Kind::Label, "Label5", "第五边的对角", AL, R3 + 60, 1140, 255},
            {Kind::Field, sidesangles::ThirdAngle, "", AF, R3, FW, H},
            {Kind::Label, "Label6", "第六边", SL, R3 + 60, 600, 255},
            {Kind::Field, sidesangles::ThirdSide, "", SF, R3, FW, H},
            {Kind::Button, "Command1", "清 零", BL, R1, BW, H},
            {Kind::Button, "Command2", "计 算", BL, R2, BW, H},
            {Kind::Button, "Command3", "退 出", BL, R3, BW, H},
        },
        .clearButton = "Command1",
        .clearedFields = {sidesangles::FirstAngle, sidesangles::FirstSide, sidesangles::SecondAngle,
                          sidesangles::SecondSide, sidesangles::ThirdAngle, sidesangles::ThirdSide},
        .exitButton = "Command3",
    };
    design.triggers = {
        {Event::Click, "Command2", TriangleSidesAndAngles, ExplainTriangleSidesAndAngles},
    };
    design.figure = SidesSketch;
    {
        using namespace sidesangles;
        // Two triangles put both third sides into one field, joined by "或".
        design.answers = {{FirstSide, "a", Unit::Number, {}, "a₂"},
                          {SecondSide, "b", Unit::Number, {}, "b₂"},
                          {ThirdSide, "c", Unit::Number, {}, "c₂"}};
        design.exercises = {
            // Two sides and the angle between them.
            {"Command2", {{FirstSide}, {SecondSide}, {ThirdAngle, GivenDraw::Angle}}, {Degrees}},
            {"Command2", {{SecondSide}, {ThirdSide}, {FirstAngle, GivenDraw::Angle}}, {Degrees}},
            // Two angles and a side.
            {"Command2", {{FirstAngle, GivenDraw::Angle}, {SecondAngle, GivenDraw::Angle}, {FirstSide}}, {Degrees}},
            {"Command2", {{FirstAngle, GivenDraw::Angle}, {ThirdAngle, GivenDraw::Angle}, {ThirdSide}}, {Degrees}},
            // Two sides and the angle opposite one of them.
            {"Command2", {{FirstAngle, GivenDraw::Angle}, {FirstSide}, {SecondSide}}, {Degrees}},
        };
    }
    design.slips = SidesAnglesSlips();
    return design;
}
// clang-format on

}  // namespace velunda::ui
