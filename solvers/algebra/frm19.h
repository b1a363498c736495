#pragma once

#include "app/calculatorwindow.h"

namespace velunda::ui {

// Two linear equations in x and y, coefficients typed inside the printed equations.
class frm19 : public CalculatorWindow {
public:
    frm19();

private:
    void Command4_Click();
};

}  // namespace velunda::ui
