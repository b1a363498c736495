// Window shapes that more than one window of the plane figures shares.
#pragma once

#include <array>
#include <string_view>

#include "ui/windowdesign.h"

namespace velunda::ui {

// A window of three label–field rows (Text1–Text3) with the buttons "清  零"
// (Command1, empties Text1–Text3), "计  算" (Command2) and "退  出" (Command3) in a
// column at the right, one beside each row. Tab order: the fields, then the buttons.
struct CaptionRow {
    std::string_view label;    // "Label1(0)"
    std::string_view caption;  // " 平行四边形的底"
};
struct ThreeRowGrid {
    int labelLeft, fieldLeft, fieldWidth, buttonLeft, buttonWidth;
    int top, pitch;  // of the first row; from one row to the next
};
WindowDesign ThreeRowWindow(std::string_view name, std::string_view title, int width, int height,
                            const std::array<CaptionRow, 3>& rows, const ThreeRowGrid& grid);

// The angle unit option buttons: `opt1` "弧度" (radians) and `opt2` "角度" (degrees).
ControlDesign RadianOption(int left, int top);
ControlDesign DegreeOption(int left, int top);

}  // namespace velunda::ui
