#pragma once

#include "app/calculatorwindow.h"

namespace velunda::ui {

// The square: Enter in any of the four fields computes the other three.
class frm12 : public CalculatorWindow {
public:
    frm12();

private:
    void Text1_KeyPress(int keyAscii);
    void Text2_KeyPress(int keyAscii);
    void Text3_KeyPress(int keyAscii);
    void Text4_KeyPress(int keyAscii);
};

}  // namespace velunda::ui
