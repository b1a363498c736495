#pragma once

#include "app/calculatorwindow.h"

namespace velunda::ui {

// Base, height and area of a triangle: any two give the third.
class frm7 : public CalculatorWindow {
public:
    frm7();

private:
    void Command2_Click();
};

}  // namespace velunda::ui
