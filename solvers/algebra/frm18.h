#pragma once

#include "app/calculatorwindow.h"

namespace velunda::ui {

// An angle in degrees or radians, or one of its four functions: the other five.
class frm18 : public CalculatorWindow {
public:
    frm18();

private:
    void Command2_Click();
};

}  // namespace velunda::ui
