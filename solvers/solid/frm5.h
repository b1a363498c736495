#pragma once

#include "app/calculatorwindow.h"

namespace velunda::ui {

// The cuboid: three of its six quantities and "计  算" give the other three. On this
// window Command1 computes and Command2 clears.
class frm5 : public CalculatorWindow {
public:
    frm5();

private:
    void Command1_Click();
};

}  // namespace velunda::ui
