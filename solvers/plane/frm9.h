#pragma once

#include "app/calculatorwindow.h"

namespace velunda::ui {

// The trapezoid: three of upper base, lower base, height and area give the fourth.
class frm9 : public CalculatorWindow {
public:
    frm9();

private:
    void Command3_Click();
};

}  // namespace velunda::ui
