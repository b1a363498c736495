#include "ui/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

namespace velunda::ui {
namespace {

// Faint chalk figures over a deep blue board: a grid, a circle with a chord, a right
// triangle and a cube, as a pupil's exercise book would have them.
void paintBoard(QPainter& p, const QRect& area, const QColor& top, const QColor& bottom) {
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, top);
    sky.setColorAt(1, bottom);
    p.fillRect(area, sky);

    // The grid: each antialiased hairline on a whole coordinate covers half of the two
    // pixels beside it, so it is filled as two-pixel stripes at half the strength, which
    // looks the same and costs a fraction of stroking the lines.
    const QColor chalk(255, 255, 255, 9);
    for (int x = area.left(); x < area.right(); x += 24) p.fillRect(QRect(x - 1, area.top(), 2, area.height()), chalk);
    for (int y = area.top(); y < area.bottom(); y += 24) p.fillRect(QRect(area.left(), y - 1, area.width(), 2), chalk);

    p.setRenderHint(QPainter::Antialiasing);

    const double w = area.width(), h = area.height();
    p.setPen(QPen(QColor(255, 255, 255, 40), 2));
    p.setBrush(Qt::NoBrush);
    const QRectF circle(w * 0.78, h * 0.05, h * 0.22, h * 0.22);
    p.drawEllipse(circle);
    p.drawLine(QPointF(circle.left() + circle.width() * 0.1, circle.center().y() + circle.height() * 0.3),
               QPointF(circle.right() - circle.width() * 0.1, circle.center().y() + circle.height() * 0.3));
    p.drawLine(circle.center(), QPointF(circle.center().x(), circle.bottom()));

    QPolygonF triangle;
    triangle << QPointF(w * 0.04, h * 0.22) << QPointF(w * 0.04, h * 0.05) << QPointF(w * 0.16, h * 0.22);
    p.drawPolygon(triangle);
    p.drawRect(QRectF(w * 0.04, h * 0.20, h * 0.02, h * 0.02));

    const double s = h * 0.12, d = s * 0.4, cx = w * 0.86, cy = h * 0.80;
    p.drawRect(QRectF(cx, cy, s, s));
    p.drawRect(QRectF(cx + d, cy - d, s, s));
    p.drawLine(QPointF(cx, cy), QPointF(cx + d, cy - d));
    p.drawLine(QPointF(cx + s, cy), QPointF(cx + s + d, cy - d));
    p.drawLine(QPointF(cx, cy + s), QPointF(cx + d, cy + s - d));
    p.drawLine(QPointF(cx + s, cy + s), QPointF(cx + s + d, cy + s - d));
}

}  // namespace

QCursor EntryCursor() {
    QPixmap image(32, 32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A yellow pencil lying from the top right down to its tip at the top left corner.
    QPainterPath body;
    body.moveTo(8, 2);
    body.lineTo(30, 24);
    body.lineTo(24, 30);
    body.lineTo(2, 8);
    body.closeSubpath();
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(QColor(255, 200, 40));
    QPainterPath tip;
    tip.moveTo(1, 1);
    tip.lineTo(8, 2);
    tip.lineTo(2, 8);
    tip.closeSubpath();
    p.drawPath(body.subtracted(tip));
    p.setBrush(QColor(240, 210, 160));
    p.drawPath(tip);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(2.2, 2.2), 1.4, 1.4);
    p.setBrush(QColor(230, 90, 120));
    QPolygonF rubber;
    rubber << QPointF(26.5, 20.5) << QPointF(30, 24) << QPointF(24, 30) << QPointF(20.5, 26.5);
    p.drawPolygon(rubber);
    p.end();
    return QCursor(image, 1, 1);
}

void PaintMenuBackground(QPainter& painter, const QRect& area) {
    paintBoard(painter, area, QColor(10, 30, 80), QColor(40, 20, 70));
}

void PaintVersionBackground(QPainter& painter, const QRect& area) {
    paintBoard(painter, area, QColor(20, 60, 90), QColor(10, 25, 50));
}

}  // namespace velunda::ui
