#include "solvers/triangle/frm14.h"

#include <QLineEdit>

#include "app/windowcatalog.h"
#include "solvers/triangle/righttriangle.h"

namespace velunda::ui {
namespace {

// clang-format off
WindowDesign Design() {
    constexpr int L = 240, F = 1440, B = 3360;
    constexpr int LW = 1080, FW = 1695, BW = 1095, H = 375;
    constexpr int R1 = 150, R2 = 630, R3 = 1110, R4 = 1590;
    return {
        "frm14", "解直角三角形", 4680, 2175, kBrightGreen,
        {
            {Kind::Label, "Label1", "第一直角边", L, R1 + 60, LW, 255},
            {Kind::Field, "Text1", "", F, R1, FW, H},
            {Kind::Label, "Label2", "第二直角边", L, R2 + 60, LW, 255},
            {Kind::Field, "Text2", "", F, R2, FW, H},
            {Kind::Label, "Label3", "斜边", L, R3 + 60, LW, 255},
            {Kind::Field, "Text3", "", F, R3, FW, H},
            {Kind::Label, "Label4", "面积", L, R4 + 60, LW, 255},
            {Kind::Field, "Text4", "", F, R4, FW, H},
            {Kind::Button, "Command3", "清  零", B, R2, BW, H},
            {Kind::Button, "Command2", "计  算", B, R3, BW, H},
            {Kind::Button, "Command1", "退  出", B, R4, BW, H},
        },
        {"Text1", "Text2", "Text3", "Text4", "Command1", "Command2", "Command3"},
        "Command3", {"Text1", "Text2", "Text3", "Text4"},
        "Command1",
    };
}
// clang-format on

}  // namespace

frm14::frm14() : CalculatorWindow(Design()) {
    field("Text2")->setEnabled(false);
    onKeyUp("Text1", [this](int k) { Text1_KeyUp(k); });
    onClick("Command2", [this] { Command2_Click(); });
}

// Any key released in the first leg opens the second leg for typing, for good.
void frm14::Text1_KeyUp(int) { field("Text2")->setEnabled(true); }

void frm14::Command2_Click() { compute(SolveRightTriangle); }

static const bool registered = RegisterWindow("frm14", []() -> QWidget* { return new frm14; });

}  // namespace velunda::ui
