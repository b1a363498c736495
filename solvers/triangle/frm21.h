#pragma once

#include "app/calculatorwindow.h"

namespace velunda::ui {

// Sides and opposite angles: one click completes the three sides. Two option buttons
// say whether the angles are typed in radians (Opt1) or degrees (Opt2).
class frm21 : public CalculatorWindow {
public:
    frm21();

private:
    void Command2_Click();
};

}  // namespace velunda::ui
