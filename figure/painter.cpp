#include "figure/painter.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "figure/layout.h"
#include "figure/style.h"
#include "ui/palette.h"

namespace velunda::ui {

void PaintFigure(QPainter& painter, const Sketch& sketch, const QRectF& box, bool extras) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (!sketch.whyNot.isEmpty()) {
        painter.setPen(kComputedInk);
        painter.setFont(LabelFont(Tone::Given));
        painter.drawText(box.adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, sketch.whyNot);
        painter.restore();
        return;
    }
    const FigureLayout layout = LayOut(sketch, box, extras);
    const QTransform& place = layout.place;
    auto penOf = [](Stroke stroke) {
        switch (stroke) {
            case Stroke::Edge:
                return QPen(kInk, 1.6);
            case Stroke::Hidden:
                return QPen(kInk, 1.2, Qt::DashLine);
            case Stroke::Auxiliary:
                return QPen(kAuxiliaryInk, 1.0, Qt::DashLine);
            case Stroke::Extra:
                break;
        }
        return QPen(kExtraInk, 1.0);
    };
    painter.setBrush(Qt::NoBrush);
    for (const auto& s : sketch.segments) {
        if (!Shown(s.show, extras)) continue;
        painter.setPen(penOf(s.stroke));
        painter.drawLine(place.map(s.from), place.map(s.to));
    }
    for (const auto& e : sketch.ellipses) {
        if (!Shown(e.show, extras)) continue;
        painter.setPen(penOf(e.stroke));
        const QPointF c = place.map(e.centre);
        const double rx = e.rx * place.m11(), ry = e.ry * -place.m22();
        QPainterPath path;
        const QRectF rect(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry);
        path.arcMoveTo(rect, e.startDegrees);
        path.arcTo(rect, e.startDegrees, e.spanDegrees);
        painter.drawPath(path);
    }
    painter.setPen(QPen(kInk, 1.0));
    for (const auto& mark : sketch.rightAngles) {
        if (!Shown(mark.show, extras)) continue;
        const QPointF c = place.map(mark.corner);
        const QPointF u = Unit(place.map(mark.first) - c) * kMarkSize, v = Unit(place.map(mark.second) - c) * kMarkSize;
        const QPointF points[] = {c + u, c + u + v, c + v};
        painter.drawPolyline(points, 3);
    }
    for (const auto& arc : sketch.arcs) {
        const QPointF c = place.map(arc.vertex);
        const QPointF u = place.map(arc.first) - c, v = place.map(arc.second) - c;
        const double from = std::atan2(-u.y(), u.x()) * 180 / M_PI, to = std::atan2(-v.y(), v.x()) * 180 / M_PI;
        const double span = std::fmod(to - from + 720, 360);
        QPainterPath path;
        const QRectF rect(c.x() - kArcRadius, c.y() - kArcRadius, 2 * kArcRadius, 2 * kArcRadius);
        path.arcMoveTo(rect, from);
        path.arcTo(rect, from, span);
        painter.drawPath(path);
    }
    std::size_t placed = 0;
    for (const auto& label : sketch.labels) {
        if (!Shown(label.show, extras) || placed == layout.labels.size()) continue;
        painter.setFont(LabelFont(label.tone));
        painter.setPen(InkOf(label.tone));
        painter.drawText(layout.labels[placed++], Qt::AlignCenter, label.text);
    }
    painter.setFont(LabelFont(Tone::Given));
    for (const auto& [rect, tone] : layout.legend) {
        painter.setPen(InkOf(tone));
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter, LegendText(tone));
    }
    if (sketch.notToScale) {
        painter.setPen(kInk);
        painter.drawText(layout.note, Qt::AlignLeft | Qt::AlignVCenter, kNotToScale);
    }
    painter.restore();
}

}  // namespace velunda::ui
