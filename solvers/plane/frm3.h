#pragma once

#include "app/calculatorwindow.h"

namespace velunda::ui {

// The parallelogram's base, height and area: two give the third.
class frm3 : public CalculatorWindow {
public:
    frm3();

private:
    void Command2_Click();
};

}  // namespace velunda::ui
