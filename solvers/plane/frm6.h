#pragma once

#include "app/calculatorwindow.h"

namespace velunda::ui {

// The rectangle: two of its five quantities give the other three.
class frm6 : public CalculatorWindow {
public:
    frm6();

private:
    void Command1_Click();
};

}  // namespace velunda::ui
