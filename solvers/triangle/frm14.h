#pragma once

#include "app/calculatorwindow.h"

namespace velunda::ui {

// The right triangle: two of legs, hypotenuse and area give the other two. The second
// leg can be typed into only once a key has been released in the first.
class frm14 : public CalculatorWindow {
public:
    frm14();

private:
    void Text1_KeyUp(int keyCode);
    void Command2_Click();
};

}  // namespace velunda::ui
