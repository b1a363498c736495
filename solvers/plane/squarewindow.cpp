#include "solvers/plane/planewindows.h"
#include "solvers/plane/square.h"
#include "solvers/plane/squaresolution.h"

namespace velunda::ui {

// clang-format off
WindowDesign SquareWindowDesign() {
    const FontStyle instruction = KaiTi(15.75);
    WindowDesign design{
        "frm12", "解正方形", 4680, 2355, kBrightGreen,
        {
            {Kind::Label, "Label2(0)", "正方形的边长", 120, 300, 1080, 255},
            {Kind::Field, "Text1", "", 1200, 240, 975, 375},
            {Kind::Label, "Label2(1)", "正方形的周长", 2520, 300, 1080, 255},
            {Kind::Field, "Text2", "", 3600, 240, 975, 375},
            {Kind::Label, "Label2(2)", "正方形的面积", 120, 900, 1080, 255},
            {Kind::Field, "Text3", "", 1200, 840, 975, 375},
            {Kind::Label, "Label2(3)", "正方形对角线     的长", 2520, 840, 1080, 375, kDefaultFont, {}, {}, true},
            {Kind::Field, "Text4", "", 3600, 840, 975, 375},
            {Kind::Label, "Label1(1)", "填入一个数后按回车，即可得到另外三个元素的值", 0, 1560, 3480, 735,
             instruction, kRed, {}, true},
            {Kind::Button, "Command1", "清 零", 3600, 1440, 975, 375},
            {Kind::Button, "Command2", "结 束", 3600, 1920, 975, 375},
        },
        {},
        "Command1", {"Text1", "Text2", "Text3", "Text4"},
        "Command2",
    };
    design.triggers = {
        {Event::Enter, "Text1", SquareFromSide, ExplainSquareFromSide},
        {Event::Enter, "Text2", SquareFromPerimeter, ExplainSquareFromPerimeter},
        {Event::Enter, "Text3", SquareFromArea, ExplainSquareFromArea},
        {Event::Enter, "Text4", SquareFromDiagonal, ExplainSquareFromDiagonal},
    };
    return design;
}
// clang-format on

}  // namespace velunda::ui
