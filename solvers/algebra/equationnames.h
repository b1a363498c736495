// Names for the fields of the equation windows, whose coefficients stand inside the
// printed equations with no caption of their own.
#pragma once

#include <string_view>
#include <vector>

#include "ui/designedwindow.h"

namespace velunda::ui {

// Gives each coefficient field the name a screen reader announces: rows[i] holds the
// fields of equation i + 1 in the order X, Y (, Z), constant, so the fields read
// "第一个方程 X 的系数" … "第一个方程的常数项"; the solution line reads "方程组的解".
void NameEquationFields(DesignedWindow& window, const std::vector<std::vector<std::string_view>>& rows,
                        std::string_view solution);

}  // namespace velunda::ui
