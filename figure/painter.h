// Painting a sketch: on the screen, into the PDF sheet and on the printer alike.
#pragma once

#include <QRectF>

#include "figure/sketch.h"

class QPainter;

namespace velunda::ui {

// Paints the sketch into the box, in the painter's own units (pixels of a widget, or the
// scaled units of a page).
void PaintFigure(QPainter& painter, const Sketch& sketch, const QRectF& box, bool extras);

}  // namespace velunda::ui
