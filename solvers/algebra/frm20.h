#pragma once

#include "app/calculatorwindow.h"

namespace velunda::ui {

// Three linear equations in x, y and z, solved by eliminating x through the second.
class frm20 : public CalculatorWindow {
public:
    frm20();

private:
    void Command2_Click();
};

}  // namespace velunda::ui
