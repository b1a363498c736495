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

void FigureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintFigure(painter, sketch_, rect(), extras_);
}

}  // namespace velunda::ui
