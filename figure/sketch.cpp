#include "figure/sketch.h"

#include <algorithm>
#include <cmath>

#include "figure/style.h"

namespace velunda::ui {

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

void Sketch::Mention(const Quantities& values, std::initializer_list<Measure> measures) {
    for (Measure measure : measures) Mention(values.Find(measure));
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
    segments.push_back({from, to, stroke, value ? value->measure : Measure::None});
    if (!value) return;
    if (away.isNull()) away = QPointF(to.y() - from.y(), from.x() - to.x());  // right of the way from → to
    Value(value, (from + to) / 2, away);
}

void Sketch::ShowOnly(Show show, std::size_t segmentsFrom, std::size_t labelsFrom, std::size_t marksFrom) {
    for (std::size_t i = segmentsFrom; i < segments.size(); ++i) segments[i].show = show;
    for (std::size_t i = labelsFrom; i < labels.size(); ++i) labels[i].show = show;
    for (std::size_t i = marksFrom; i < rightAngles.size(); ++i) rightAngles[i].show = show;
}

const FigureValue* Quantities::Find(Measure measure) const {
    asked_.set(static_cast<std::size_t>(measure));
    for (const FigureValue& v : values_)
        if (v.measure == measure) return &v;
    return nullptr;
}

double Length(const Quantities& values, Measure measure) {
    const FigureValue* v = values.Find(measure);
    return v && v->value > 0 && std::isfinite(v->value) ? v->value : 0;
}

bool Drawable(Sketch& sketch, const Quantities& values, std::initializer_list<Measure> measures) {
    for (Measure measure : measures) {
        const FigureValue* v = values.Find(measure);
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

}  // namespace velunda::ui
