// The designs of the triangle windows: controls, focus order and what each control sets off.
#pragma once

#include "ui/designedwindow.h"
#include "ui/windowdesign.h"

namespace velunda::ui {

// The triangle from its three sides: one click derives thirteen values. Below the
// fields a legend draws the triangle with its vertices named.
WindowDesign ThreeSidesWindowDesign();  // frm1

// Sides and opposite angles: one click completes the three sides. Two option buttons
// say whether the angles are typed in radians (Opt1) or degrees (Opt2).
WindowDesign SidesAnglesWindowDesign();  // frm21

// Base, height and area of a triangle: any two give the third.
WindowDesign BaseHeightAreaWindowDesign();  // frm7

// Sides, perimeter and area of a general triangle, each way round.
WindowDesign SidesPerimeterAreaWindowDesign();  // frm8

// The right triangle: two of legs, hypotenuse and area give the other two. The second
// leg can be typed into only once a key has been released in the first.
WindowDesign RightTriangleWindowDesign();  // frm14

// The equilateral triangle: the first of side, perimeter, height and area that is
// given decides the other three.
WindowDesign EquilateralWindowDesign();  // frm13

// The three-sides window paints its legend, a triangle with its vertices named, below
// the fields, and selects the prompt "请输入数据" of a side as the side's field receives
// the focus, so that the first key typed replaces it.
class ThreeSidesTriangleWindow : public DesignedWindow {
    Q_OBJECT

public:
    ThreeSidesTriangleWindow();

protected:
    void paintBoard(QPainter& painter, const QRect& area) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The figures above their worked solutions, from the solutions' quantities.
Sketch ThreeSidesSketch(const Quantities& values);  // with heights and, on request, circles
Sketch SidesSketch(const Quantities& values);       // frm8, frm21
Sketch BaseHeightSketch(const Quantities& values);
Sketch EquilateralSketch(const Quantities& values);
Sketch RightTriangleSketch(const Quantities& values);

}  // namespace velunda::ui
