#pragma once

#include "app/calculatorwindow.h"

namespace velunda::ui {

// The chord and the diameter perpendicular to it: two of radius, chord, distance from
// the centre and central angle give the other two.
class frm17 : public CalculatorWindow {
public:
    frm17();

private:
    void Command2_Click();
};

}  // namespace velunda::ui
