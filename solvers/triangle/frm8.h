#pragma once

#include "app/calculatorwindow.h"

namespace velunda::ui {

// Sides, perimeter and area of a general triangle, each way round.
class frm8 : public CalculatorWindow {
public:
    frm8();

private:
    void Command2_Click();
};

}  // namespace velunda::ui
