#include "solvers/plane/frm12.h"

#include "app/windowcatalog.h"
#include "solvers/plane/square.h"

namespace velunda::ui {
namespace {

// clang-format off
WindowDesign Design() {
    const FontStyle instruction = KaiTi(15.75);
    return {
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
}
// clang-format on

}  // namespace

frm12::frm12() : CalculatorWindow(Design()) {
    onKeyPress("Text1", [this](int k) { Text1_KeyPress(k); });
    onKeyPress("Text2", [this](int k) { Text2_KeyPress(k); });
    onKeyPress("Text3", [this](int k) { Text3_KeyPress(k); });
    onKeyPress("Text4", [this](int k) { Text4_KeyPress(k); });
}

void frm12::Text1_KeyPress(int keyAscii) {
    if (keyAscii == 13) compute(SquareFromSide);
}
void frm12::Text2_KeyPress(int keyAscii) {
    if (keyAscii == 13) compute(SquareFromPerimeter);
}
void frm12::Text3_KeyPress(int keyAscii) {
    if (keyAscii == 13) compute(SquareFromArea);
}
void frm12::Text4_KeyPress(int keyAscii) {
    if (keyAscii == 13) compute(SquareFromDiagonal);
}

static const bool registered = RegisterWindow("frm12", []() -> QWidget* { return new frm12; });

}  // namespace velunda::ui
