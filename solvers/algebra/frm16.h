#pragma once

#include "app/calculatorwindow.h"

namespace velunda::ui {

// The quadratic equation: three coefficients, the two real roots.
class frm16 : public CalculatorWindow {
public:
    frm16();

private:
    void Command2_Click();
};

}  // namespace velunda::ui
