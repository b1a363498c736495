#pragma once

#include "app/calculatorwindow.h"

namespace velunda::ui {

// The parallelogram's two sides and perimeter: two give the third.
class frm2 : public CalculatorWindow {
public:
    frm2();

private:
    void Command2_Click();
};

}  // namespace velunda::ui
