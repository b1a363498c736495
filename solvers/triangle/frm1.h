#pragma once

#include "app/calculatorwindow.h"

namespace velunda::ui {

// The triangle from its three sides: one click derives thirteen values. Below the
// fields a legend draws the triangle with its vertices named.
class frm1 : public CalculatorWindow {
public:
    frm1();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Command2_Click();
};

}  // namespace velunda::ui
