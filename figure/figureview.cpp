#include "figure/figureview.h"

#include <QPainter>

#include "figure/painter.h"

namespace velunda::ui {

FigureView::FigureView(QWidget* parent) : QWidget(parent) {
    setObjectName("figure");
    setAccessibleName("图形");
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
}

void FigureView::setSketch(Sketch sketch) {
    sketch_ = std::move(sketch);
    setAccessibleDescription(sketch_.whyNot.isEmpty() ? sketch_.description : sketch_.whyNot);
    update();
}

void FigureView::setExtrasShown(bool shown) {
    extras_ = shown;
    update();
}

void FigureView::setZoom(double zoom) {
    zoom_ = zoom;
    update();
}

void FigureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.scale(zoom_, zoom_);
    PaintFigure(painter, sketch_, QRectF(0, 0, width() / zoom_, height() / zoom_), extras_);
}

}  // namespace velunda::ui
