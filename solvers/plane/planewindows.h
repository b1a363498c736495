// The designs of the plane windows: controls, focus order and what each control sets off.
#pragma once

#include "ui/designedwindow.h"
#include "ui/windowdesign.h"

namespace velunda::ui {

// The square: Enter in any of the four fields computes the other three.
WindowDesign SquareWindowDesign();  // frm12

// The rectangle: two of its five quantities give the other three.
WindowDesign RectangleWindowDesign();  // frm6

// The circle: Enter in one of radius, diameter, circumference and area computes the
// other three with the π of Text5, which the option buttons fill in.
WindowDesign CircleWindowDesign();  // frm10

// The chord and the diameter perpendicular to it: two of radius, chord, distance from
// the centre and central angle give the other two.
WindowDesign ChordWindowDesign();  // frm17

// The trapezoid: three of upper base, lower base, height and area give the fourth.
WindowDesign TrapezoidWindowDesign();  // frm9

// The parallelogram's base, height and area: two give the third.
WindowDesign ParallelogramAreaWindowDesign();  // frm3

// The parallelogram's two sides and perimeter: two give the third.
WindowDesign ParallelogramPerimeterWindowDesign();  // frm2

// The parallelogram's two sides, their included angle and the area: three give the
// fourth.
WindowDesign ParallelogramAngleWindowDesign();  // frm4

// The figures above their worked solutions, from the solutions' quantities.
Sketch SquareSketch(const Quantities& values);
Sketch RectangleSketch(const Quantities& values);
Sketch ParallelogramSketch(const Quantities& values);  // frm2, frm3, frm4
Sketch TrapezoidSketch(const Quantities& values);
Sketch CircleSketch(const Quantities& values);
Sketch ChordSketch(const Quantities& values);

}  // namespace velunda::ui
