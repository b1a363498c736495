// The figures of the triangle windows, drawn from the quantities of their worked solutions:
// the triangle ABC with the sides a = BC, b = CA and c = AB.

#include <array>
#include <cmath>

#include "solvers/triangle/trianglewindows.h"

namespace velunda::ui {
namespace {

using Values = Quantities;

struct Drawn {
    QPointF A, B, C;
};

// The triangle on its side BC; the labels of the sides and the angles at A, B, C where
// known. False, with the reason in the sketch, where the sides make no triangle.
bool Triangle(Sketch& s, std::array<double, 3> side, const std::array<const FigureValue*, 3>& label,
              const std::array<const FigureValue*, 3>& angles, Drawn* drawn,
              const std::array<Measure, 3>& measures = {Measure::SideA, Measure::SideB, Measure::SideC}) {
    const auto [a, b, c] = side;
    const double longest = std::max({a, b, c});
    if (a + b + c - 2 * longest <= longest * 1e-12) {
        s.whyNot = "两边之和不大于第三边，三条边构成不了三角形，画不出来。";
        return false;
    }
    const double x = (a * a + c * c - b * b) / (2 * a);
    QPointF B(0, 0), C(a, 0), A(x, std::sqrt(std::max(0.0, c * c - x * x)));
    // A triangle thinner than the figure can show is drawn wider across its longest side,
    // the vertex opposite moved away from it; a thin one still looks thin, as it is.
    constexpr double kThinnest = 2.5 * kMostProportion;
    const std::array<QPointF*, 3> corner = {&A, &B, &C};
    const int far = longest == a ? 0 : longest == b ? 1 : 2;  // opposite the longest side
    const QPointF from = *corner[(far + 1) % 3], to = *corner[(far + 2) % 3];
    const QPointF along = (to - from) / longest, normal(-along.y(), along.x());
    const QPointF off = *corner[far] - from;
    const double height = off.x() * normal.x() + off.y() * normal.y();
    if (std::fabs(height) * kThinnest < longest) {
        const QPointF foot = from + along * (off.x() * along.x() + off.y() * along.y());
        *corner[far] = foot + normal * (longest / kThinnest * (height < 0 ? -1 : 1));
        s.notToScale = true;
    }
    *drawn = {A, B, C};
    s.Describe("三角形 ABC");
    const std::array<QPointF, 3> p = {A, B, C};
    for (int i = 0; i < 3; ++i) {
        // The side opposite each vertex, counter-clockwise: BC, CA, AB.
        s.Side(p[(i + 1) % 3], p[(i + 2) % 3], label[i]);
        if (!label[i]) s.segments.back().measures = measures[i];
    }
    s.NameCorners({A, B, C});
    for (int i = 0; i < 3; ++i) {
        const FigureValue* angle = angles[i];
        const QPointF at = p[i], first = p[(i + 1) % 3], second = p[(i + 2) % 3];
        const bool right = IsRightAngle(at, first, second);
        if (angle || right) s.Angle(at, first, second, angle);
        if (right && !angle) s.description += "，" + QString(QChar('A' + i)) + " = 90°";
    }
    return true;
}

// The height from a vertex to the line of the opposite side, where its foot is not a
// vertex; the line is lengthened where the foot falls outside the side.
void Height(Sketch& s, QPointF top, QPointF from, QPointF to, const FigureValue* value) {
    const QPointF way = to - from;
    const double t =
        ((top - from).x() * way.x() + (top - from).y() * way.y()) / (way.x() * way.x() + way.y() * way.y());
    const QPointF foot = from + way * t;
    if (std::fabs(t) < 1e-9 || std::fabs(t - 1) < 1e-9) {
        s.Mention(value);
        return;
    }
    if (t < 0) s.segments.push_back({foot, from, Stroke::Auxiliary});
    if (t > 1) s.segments.push_back({to, foot, Stroke::Auxiliary});
    s.Side(top, foot, value, Stroke::Auxiliary, t < 0.5 ? way : -way);
    s.rightAngles.push_back({foot, top, t < 1 ? to : from});
}

// A triangle window that knows its three sides.
Sketch FromSides(const Values& v, bool heights) {
    Sketch s;
    const std::array<const FigureValue*, 3> label = {Find(v, Measure::SideA), Find(v, Measure::SideB),
                                                     Find(v, Measure::SideC)};
    for (const FigureValue* side : label)
        if (!side) return s;
    for (const FigureValue* side : label)
        if (!Drawable(s, v, {side->measure})) return s;
    Drawn t;
    const std::array<const FigureValue*, 3> angles = {Find(v, Measure::AngleA), Find(v, Measure::AngleB),
                                                      Find(v, Measure::AngleC)};
    if (!Triangle(s, {label[0]->value, label[1]->value, label[2]->value}, label, angles, &t)) return s;
    const std::size_t segments = s.segments.size(), labels = s.labels.size(), marks = s.rightAngles.size();
    if (heights) {
        Height(s, t.A, t.B, t.C, Find(v, Measure::HeightA));
        Height(s, t.B, t.C, t.A, Find(v, Measure::HeightB));
        Height(s, t.C, t.A, t.B, Find(v, Measure::HeightC));
    }
    s.Mention(v, {Measure::Perimeter, Measure::Area});
    // Only the window with the heights has the circles.
    const FigureValue* R = heights ? Find(v, Measure::Circumradius) : nullptr;
    const FigureValue* r = heights ? Find(v, Measure::Inradius) : nullptr;
    if (R && r && !s.notToScale) {
        // The circumcircle through the vertices; the incircle about the point where the
        // bisectors meet, weighted by the opposite sides.
        const double a = label[0]->value, b = label[1]->value, c = label[2]->value;
        const QPointF inner = (t.A * a + t.B * b + t.C * c) / (a + b + c);
        const double cx = a / 2, cy = (t.A.x() * t.A.x() + t.A.y() * t.A.y() - a * t.A.x()) / (2 * t.A.y());
        // The circles take the heights' place.
        s.ShowOnly(Show::WithoutExtras, segments, labels, marks);
        const std::size_t circleLabels = s.labels.size(), circleSegments = s.segments.size();
        s.ellipses.push_back({QPointF(cx, cy), R->value, R->value, 0, 360, Stroke::Extra, Show::WithExtras});
        s.ellipses.push_back({inner, r->value, r->value, 0, 360, Stroke::Extra, Show::WithExtras});
        s.Side(QPointF(cx, cy), QPointF(cx, cy + R->value), R, Stroke::Extra, {-1, 0});
        s.Side(inner, inner - QPointF(0, r->value), r, Stroke::Extra, {-1, 0});
        s.ShowOnly(Show::WithExtras, circleSegments, circleLabels, s.rightAngles.size());
        s.hasExtras = true;
    }
    return s;
}

}  // namespace

Sketch ThreeSidesSketch(const Values& v) { return FromSides(v, true); }

Sketch SidesSketch(const Values& v) { return FromSides(v, false); }

// Base and height alone: the apex is drawn above a third of the base.
Sketch BaseHeightSketch(const Values& v) {
    Sketch s;
    if (!Drawable(s, v, {Measure::SideA, Measure::Height})) return s;
    double a = Find(v, Measure::SideA)->value, h = Find(v, Measure::Height)->value;
    s.notToScale = Clamp({&a, &h});
    const QPointF B(0, 0), C(a, 0), A(a / 3, h);
    s.Describe("三角形 ABC");
    s.Side(B, C, Find(v, Measure::SideA));
    s.segments.push_back({C, A});
    s.segments.push_back({A, B});
    s.NameCorners({A, B, C});
    Height(s, A, B, C, Find(v, Measure::Height));
    s.Mention(v, {Measure::Area});
    return s;
}

Sketch EquilateralSketch(const Values& v) {
    Sketch s;
    if (!Drawable(s, v, {Measure::SideA})) return s;
    const double a = Find(v, Measure::SideA)->value;
    Drawn t;
    Triangle(s, {a, a, a}, {Find(v, Measure::SideA), nullptr, nullptr}, {}, &t,
             {Measure::SideA, Measure::SideA, Measure::SideA});
    s.description.replace("三角形", "等边三角形");
    Height(s, t.A, t.B, t.C, Find(v, Measure::Height));
    s.Mention(v, {Measure::Perimeter, Measure::Area});
    return s;
}

// The right triangle with the right angle at C: legs a = BC and b = CA, hypotenuse c.
Sketch RightTriangleSketch(const Values& v) {
    Sketch s;
    if (!Drawable(s, v, {Measure::SideA, Measure::SideB, Measure::SideC})) return s;
    double a = Find(v, Measure::SideA)->value, b = Find(v, Measure::SideB)->value;
    s.notToScale = Clamp({&a, &b});
    const QPointF C(0, 0), B(a, 0), A(0, b);
    s.Describe("直角三角形 ABC");
    s.Side(C, B, Find(v, Measure::SideA));
    s.Side(B, A, Find(v, Measure::SideC));
    s.Side(A, C, Find(v, Measure::SideB));
    s.NameCorners({A, B, C});
    s.Angle(C, B, A, nullptr);
    s.description += "，C = 90°";
    s.Mention(v, {Measure::Area});
    return s;
}

}  // namespace velunda::ui
