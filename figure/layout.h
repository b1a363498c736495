// Where the parts of a sketch go in a box: its scale, and a place for every label that
// keeps clear of the lines and of the other labels.
#pragma once

#include <QRectF>
#include <QTransform>
#include <utility>
#include <vector>

#include "figure/sketch.h"

namespace velunda::ui {

// Where everything goes in a box: the sketch's points, and the rectangle of each label
// shown, in the order of the sketch.
struct FigureLayout {
    QTransform place;  // sketch lengths to the box
    std::vector<QRectF> labels;
    std::vector<std::pair<QRectF, Tone>> legend;  // "■ 已知", "■ 求得" in the top-left corner
    QRectF note;                                  // kNotToScale in the bottom-left corner, if marked
    QRectF drawing;                               // everything painted
};

FigureLayout LayOut(const Sketch& sketch, const QRectF& box, bool extras);

}  // namespace velunda::ui
