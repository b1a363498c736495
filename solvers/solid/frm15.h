#pragma once

#include "app/calculatorwindow.h"

namespace velunda::ui {

// The cylinder: two of its seven quantities and "计  算" give the other five.
class frm15 : public CalculatorWindow {
public:
    frm15();

private:
    void Command2_Click();
};

}  // namespace velunda::ui
