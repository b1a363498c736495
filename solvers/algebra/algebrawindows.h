// The designs of the algebra windows: controls, focus order and what each control sets off.
#pragma once

#include "ui/designedwindow.h"
#include "ui/windowdesign.h"

namespace velunda::ui {

// The quadratic equation: three coefficients, the two real roots.
WindowDesign QuadraticWindowDesign();  // frm16

// An angle in degrees or radians, or one of its four functions: the other five.
WindowDesign TrigonometryWindowDesign();  // frm18

// Two linear equations in x and y, coefficients typed inside the printed equations.
WindowDesign TwoEquationsWindowDesign();  // frm19

// Three linear equations in x, y and z, solved by eliminating x through the second.
WindowDesign ThreeEquationsWindowDesign();  // frm20

}  // namespace velunda::ui
