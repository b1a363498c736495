#include "figure/layout.h"

#include <QFontMetricsF>
#include <QLineF>
#include <algorithm>
#include <cmath>
#include <optional>

#include "figure/style.h"

namespace velunda::ui {
namespace {

constexpr int kMostTries = 24;  // rounds a label looks for room away from the labels it would cover

// The legend, one entry per tone the labels use, and the note of a figure not to scale.
void PlaceNotes(FigureLayout& layout, const Sketch& sketch, const QRectF& box, bool extras) {
    const QFontMetricsF metrics(LabelFont(Tone::Given));
    double x = box.left() + 4;
    for (Tone tone : {Tone::Given, Tone::Computed}) {
        const bool used = std::any_of(sketch.labels.begin(), sketch.labels.end(),
                                      [&](const Sketch::Label& l) { return l.tone == tone && Shown(l.show, extras); });
        if (!used) continue;
        const QString text = LegendText(tone);
        const QRectF rect(x, box.top() + 2, metrics.horizontalAdvance(text) + 2, metrics.height());
        layout.legend.emplace_back(rect, tone);
        x = rect.right() + 10;
    }
    if (sketch.notToScale) {
        const double width = metrics.horizontalAdvance(kNotToScale) + 2;
        layout.note = QRectF(box.left() + 4, box.bottom() - metrics.height() - 2, width, metrics.height());
    }
}

// The rectangle of a label beyond its point, in the direction it points away.
QRectF LabelRect(const Sketch::Label& label, const QTransform& place, QSizeF size, double further) {
    const QPointF p = place.map(label.at);
    const QPointF way = Unit(QPointF(label.away.x(), -label.away.y()));
    // The rectangle's nearest point to p lies the gap away along the way: none of it
    // reaches back over a side that the way leaves at a slant.
    const double reach = std::fabs(way.x()) * size.width() / 2 + std::fabs(way.y()) * size.height() / 2;
    const QPointF centre = p + way * (kGap + label.beyond + further + reach);
    return QRectF(centre - QPointF(size.width() / 2, size.height() / 2), size);
}

// Whether a line of the figure runs through the rectangle.
bool Crosses(const QRectF& r, const QLineF& line) {
    if (r.contains(line.p1()) || r.contains(line.p2())) return true;
    const QLineF edges[] = {{r.topLeft(), r.topRight()},
                            {r.topRight(), r.bottomRight()},
                            {r.bottomRight(), r.bottomLeft()},
                            {r.bottomLeft(), r.topLeft()}};
    return std::any_of(std::begin(edges), std::end(edges),
                       [&](const QLineF& e) { return line.intersects(e, nullptr) == QLineF::BoundedIntersection; });
}

// The lines of the figure in the box, the ellipses as polygons: what labels keep clear of.
std::vector<QLineF> Lines(const Sketch& sketch, const QTransform& place, bool extras) {
    std::vector<QLineF> lines;
    for (const auto& s : sketch.segments)
        if (Shown(s.show, extras)) lines.push_back(place.map(QLineF(s.from, s.to)));
    for (const auto& e : sketch.ellipses) {
        if (!Shown(e.show, extras)) continue;
        constexpr int kSteps = 32;
        for (int i = 0; i < kSteps; ++i) {
            const double from = (e.startDegrees + e.spanDegrees * i / kSteps) * M_PI / 180,
                         to = (e.startDegrees + e.spanDegrees * (i + 1) / kSteps) * M_PI / 180;
            lines.push_back(place.map(QLineF(e.centre + QPointF(e.rx * std::cos(from), e.ry * std::sin(from)),
                                             e.centre + QPointF(e.rx * std::cos(to), e.ry * std::sin(to)))));
        }
    }
    return lines;
}

// The first place for a label that covers no label taken and no line of the figure: the
// way it points, then turned more and more from it, a few pixels further each round.
// Where every place crosses a line, the first that covers no label.
QRectF PlaceLabel(const Sketch::Label& label, const QTransform& place, QSizeF size, const std::vector<QRectF>& taken,
                  const std::vector<QLineF>& lines) {
    const auto clearOfLabels = [&](const QRectF& r) {
        return std::none_of(taken.begin(), taken.end(), [&](const QRectF& t) { return t.intersects(r); });
    };
    const auto clearOfLines = [&](const QRectF& r) {
        const QRectF around = r.adjusted(-1.5, -1.5, 1.5, 1.5);
        return label.stays ||
               std::none_of(lines.begin(), lines.end(), [&](const QLineF& l) { return Crosses(around, l); });
    };
    const QRectF first = LabelRect(label, place, size, 0);
    if (clearOfLabels(first) && clearOfLines(first)) return first;
    std::optional<QRectF> fallback;
    if (clearOfLabels(first)) fallback = first;
    Sketch::Label turned = label;
    const double way = label.away.isNull() ? -M_PI / 2 : std::atan2(label.away.y(), label.away.x());
    for (int round = 0; round < kMostTries; ++round)
        for (double turn : {0.0, 0.4, -0.4, 0.8, -0.8, 1.6, -1.6, 2.4, -2.4, M_PI}) {
            turned.away = QPointF(std::cos(way + turn), std::sin(way + turn));
            const QRectF r = LabelRect(turned, place, size, 2.0 * round);
            if (!clearOfLabels(r)) continue;
            if (clearOfLines(r)) return r;
            if (!fallback) fallback = r;
        }
    return fallback.value_or(first);
}

QRectF GeometryBounds(const Sketch& sketch, bool extras) {
    QRectF bounds;
    bool first = true;
    auto add = [&](const QRectF& r) {
        bounds = first ? r : bounds.united(r);
        first = false;
    };
    for (const auto& s : sketch.segments)
        if (Shown(s.show, extras)) add(QRectF(s.from, s.to).normalized());
    for (const auto& e : sketch.ellipses)
        if (Shown(e.show, extras)) add(QRectF(e.centre - QPointF(e.rx, e.ry), e.centre + QPointF(e.rx, e.ry)));
    return bounds;
}

}  // namespace

FigureLayout LayOut(const Sketch& sketch, const QRectF& box, bool extras) {
    FigureLayout layout;
    PlaceNotes(layout, sketch, box, extras);
    if (sketch.segments.empty() && sketch.ellipses.empty()) return layout;
    const QRectF geometry = GeometryBounds(sketch, extras);
    const double line = QFontMetricsF(LabelFont(Tone::Given)).height();
    // The labels shown and their sizes, the same in every pass.
    std::vector<std::pair<const Sketch::Label*, QSizeF>> shown;
    for (const Sketch::Label& label : sketch.labels) {
        if (!Shown(label.show, extras)) continue;
        const QFontMetricsF metrics(LabelFont(label.tone));
        shown.emplace_back(&label, QSizeF(metrics.horizontalAdvance(label.text) + 2, metrics.height()));
    }
    // Room for the legend above and the note below; the labels find their room in the
    // passes that follow.
    QRectF inner = box.adjusted(line, 2 * line + 4, -line, -line - (sketch.notToScale ? line + 4 : 0));
    const double w = std::max(geometry.width(), 1e-12), h = std::max(geometry.height(), 1e-12);
    double scale = std::min(inner.width() / w, inner.height() / h);
    if (!std::isfinite(scale) || scale <= 0) scale = 1;
    QPointF shift;
    for (int pass = 0; pass < 8; ++pass) {
        const QPointF centre = inner.center() + shift;
        layout.place = QTransform(scale, 0, 0, -scale, centre.x() - geometry.center().x() * scale,
                                  centre.y() + geometry.center().y() * scale);
        QRectF drawing = layout.place.mapRect(geometry);
        // Labels in order; each steps away from the ones placed before it.
        std::vector<QRectF> taken;
        for (const auto& [rect, tone] : layout.legend) taken.push_back(rect);
        if (sketch.notToScale) taken.push_back(layout.note);
        layout.labels.clear();
        const std::vector<QLineF> lines = Lines(sketch, layout.place, extras);
        for (const auto& [label, size] : shown) {
            const QRectF rect = PlaceLabel(*label, layout.place, size, taken, lines);
            taken.push_back(rect);
            layout.labels.push_back(rect);
            drawing = drawing.united(rect);
        }
        layout.drawing = drawing;
        for (const auto& [rect, tone] : layout.legend) layout.drawing = layout.drawing.united(rect);
        if (sketch.notToScale) layout.drawing = layout.drawing.united(layout.note);
        // Labels reaching out of the box: draw smaller, and centre what is drawn.
        const QRectF free =
            box.adjusted(1, layout.legend.empty() ? 1 : line + 4, -1, sketch.notToScale ? -line - 4 : -1);
        if (free.contains(drawing)) break;
        const double fit = std::min(free.width() / drawing.width(), free.height() / drawing.height());
        if (fit < 1) scale *= std::max(fit, 0.5) * 0.98;
        shift += free.center() - drawing.center();
    }
    return layout;
}

}  // namespace velunda::ui
