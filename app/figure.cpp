#include "app/figure.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <optional>

#include "app/fonts.h"
#include "app/palette.h"

namespace velunda::ui {
namespace {

constexpr double kGap = 3;         // between a point and its label
constexpr double kMarkSize = 9;    // the legs of a right-angle mark
constexpr double kArcRadius = 15;  // an angle's arc
constexpr int kMostTries = 24;     // rounds a label looks for room away from the labels it would cover

// The letters and numbers in the serif face the solution text shows (its √ and π sit right),
// the Chinese of the legend in the captions' face.
QFont LabelFont(Tone tone) {
    QFont font = MakeFont(SimSun(10));
    QStringList families = font.families();
    families.prepend("DejaVu Serif");
    font.setFamilies(families);
    font.setPixelSize(14);
    font.setItalic(tone == Tone::Name);
    return font;
}

QColor InkOf(Tone tone) { return tone == Tone::Given ? kGivenInk : tone == Tone::Computed ? kComputedInk : kInk; }

QPointF Unit(QPointF p) {
    const double length = std::hypot(p.x(), p.y());
    return length > 0 ? p / length : QPointF();
}

QString Text(const std::string& s) { return QString::fromStdString(s); }

// "a = 5√2": a quantity as a label and the description state it.
QString Stated(const FigureValue& value) { return Text(value.symbol) + " = " + Text(value.label); }

QString LegendText(Tone tone) { return tone == Tone::Given ? "■ 已知" : "■ 求得"; }

bool Shown(Show show, bool extras) { return show == Show::Always || (show == Show::WithExtras) == extras; }

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

void Sketch::Describe(const QString& name) { description = name; }

void Sketch::Name(const QString& name, QPointF at, QPointF away) { labels.push_back({name, at, away, Tone::Name}); }

void Sketch::Value(const FigureValue* value, QPointF at, QPointF away) {
    if (!value) return;
    const QString text = Stated(*value);
    labels.push_back({text, at, away, value->given ? Tone::Given : Tone::Computed});
    description += "，" + text;
}

void Sketch::Mention(const FigureValue* value) {
    if (value) description += "，" + Stated(*value);
}

void Sketch::Mention(const std::vector<FigureValue>& values, std::initializer_list<std::string_view> symbols) {
    for (std::string_view symbol : symbols) Mention(Find(values, symbol));
}

void Sketch::NameCorners(std::initializer_list<QPointF> corners) {
    QPointF centre;
    for (QPointF p : corners) centre += p / static_cast<double>(corners.size());
    char name = 'A';
    for (QPointF p : corners) Name(QString(QChar(name++)), p, p - centre);
}

bool IsRightAngle(QPointF vertex, QPointF first, QPointF second) {
    const QPointF u = Unit(first - vertex), v = Unit(second - vertex);
    return std::fabs(u.x() * v.x() + u.y() * v.y()) < 1e-9;
}

void Sketch::Angle(QPointF vertex, QPointF first, QPointF second, const FigureValue* value) {
    const QPointF u = Unit(first - vertex), v = Unit(second - vertex);
    const bool right = IsRightAngle(vertex, first, second);
    if (right)
        rightAngles.push_back({vertex, first, second});
    else
        arcs.push_back({vertex, first, second});
    if (!value) return;
    // Inside the angle its value alone, as a textbook writes it; the vertex has its name.
    Value(value, vertex, u + v);
    labels.back().text = Text(value->label);
    labels.back().beyond = right ? kMarkSize : kArcRadius;
    labels.back().stays = true;  // its value inside its angle, lines or not
}

void Sketch::Side(QPointF from, QPointF to, const FigureValue* value, Stroke stroke, QPointF away) {
    segments.push_back({from, to, stroke, value ? value->symbol : std::string()});
    if (!value) return;
    if (away.isNull()) away = QPointF(to.y() - from.y(), from.x() - to.x());  // right of the way from → to
    Value(value, (from + to) / 2, away);
}

void Sketch::ShowOnly(Show show, std::size_t segmentsFrom, std::size_t labelsFrom, std::size_t marksFrom) {
    for (std::size_t i = segmentsFrom; i < segments.size(); ++i) segments[i].show = show;
    for (std::size_t i = labelsFrom; i < labels.size(); ++i) labels[i].show = show;
    for (std::size_t i = marksFrom; i < rightAngles.size(); ++i) rightAngles[i].show = show;
}

const FigureValue* Find(const std::vector<FigureValue>& values, std::string_view symbol) {
    for (const FigureValue& v : values)
        if (v.symbol == symbol) return &v;
    return nullptr;
}

double Length(const std::vector<FigureValue>& values, std::initializer_list<std::string_view> symbols) {
    for (std::string_view s : symbols)
        if (const FigureValue* v = Find(values, s); v && v->value > 0 && std::isfinite(v->value)) return v->value;
    return 0;
}

bool Drawable(Sketch& sketch, const std::vector<FigureValue>& values, std::initializer_list<std::string_view> symbols) {
    for (std::string_view s : symbols) {
        const FigureValue* v = Find(values, s);
        if (!v) return false;
        if (!(v->value > 0) || !std::isfinite(v->value)) {
            sketch.whyNot = Stated(*v) + " 不是正数，这样的图形不存在，画不出来。";
            return false;
        }
    }
    return true;
}

bool Clamp(std::initializer_list<double*> lengths) {
    double most = 0;
    for (double* l : lengths) most = std::max(most, *l);
    bool clamped = false;
    for (double* l : lengths)
        if (*l * kMostProportion < most) {
            *l = most / kMostProportion;
            clamped = true;
        }
    return clamped;
}

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
