#pragma once

#include "app/calculatorwindow.h"

namespace velunda::ui {

// The cube: Enter in any of the four fields computes the other three.
class frm11 : public CalculatorWindow {
public:
    frm11();

private:
    void Text1_KeyPress(int keyAscii);
    void Text2_KeyPress(int keyAscii);
    void Text3_KeyPress(int keyAscii);
    void Text4_KeyPress(int keyAscii);
};

}  // namespace velunda::ui
