// The designs of the solid windows: controls, focus order and what each control sets off.
#pragma once

#include "ui/designedwindow.h"
#include "ui/windowdesign.h"

namespace velunda::ui {

// The cube: Enter in any of the four fields computes the other three.
WindowDesign CubeWindowDesign();  // frm11

// The cuboid: three of its six quantities and "计  算" give the other three. On this
// window Command1 computes and Command2 clears.
WindowDesign CuboidWindowDesign();  // frm5

// The cylinder: two of its seven quantities and "计  算" give the other five.
WindowDesign CylinderWindowDesign();  // frm15

// The figures above their worked solutions, from the solutions' quantities.
Sketch CubeSketch(const Quantities& values);
Sketch CuboidSketch(const Quantities& values);
Sketch CylinderSketch(const Quantities& values);

}  // namespace velunda::ui
