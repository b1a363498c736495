#pragma once

#include "app/calculatorwindow.h"

namespace velunda::ui {

// The equilateral triangle: the first of side, perimeter, height and area that is
// given decides the other three.
class frm13 : public CalculatorWindow {
public:
    frm13();

private:
    void Command2_Click();
};

}  // namespace velunda::ui
