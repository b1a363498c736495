#pragma once

#include "app/calculatorwindow.h"

namespace velunda::ui {

// The circle: Enter in one of radius, diameter, circumference and area computes the
// other three with the π of Text5, which the option buttons fill in.
class frm10 : public CalculatorWindow {
public:
    frm10();

private:
    void Text1_KeyPress(int keyAscii);
    void Text2_KeyPress(int keyAscii);
    void Text3_KeyPress(int keyAscii);
    void Text4_KeyPress(int keyAscii);
    void Option1_Click();
    void Option2_Click();
};

}  // namespace velunda::ui
