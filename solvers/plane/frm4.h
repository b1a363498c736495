#pragma once

#include "app/calculatorwindow.h"

namespace velunda::ui {

// The parallelogram's two sides, their included angle and the area: three give the
// fourth.
class frm4 : public CalculatorWindow {
public:
    frm4();

private:
    void Command2_Click();
};

}  // namespace velunda::ui
