// The figures of the plane windows, drawn from the quantities of their worked solutions.

#include <cmath>

#include "solvers/plane/planewindows.h"

namespace velunda::ui {
namespace {

using Values = Quantities;

// The quadrilateral ABCD, counter-clockwise from the lower left corner, its vertices named
// outwards from its centre.
void Quadrilateral(Sketch& s, const std::array<QPointF, 4>& p, const std::array<const FigureValue*, 4>& sides,
                   const std::array<Measure, 4>& measures) {
    for (int i = 0; i < 4; ++i) {
        s.Side(p[i], p[(i + 1) % 4], sides[i]);
        if (!sides[i]) s.segments.back().measures = measures[i];
    }
    s.NameCorners({p[0], p[1], p[2], p[3]});
}

// The rectangle ABCD of width a and height b (the square: both a), the right angle at A,
// its diagonal where computed.
Sketch Rectangle(const Values& v, const QString& name, double a, double b, const FigureValue* height,
                 const std::array<Measure, 4>& measures) {
    Sketch s;
    const QPointF A(0, 0), B(a, 0), C(a, b), D(0, b);
    s.Describe(name);
    Quadrilateral(s, {A, B, C, D}, {Find(v, Measure::SideA), height, nullptr, nullptr}, measures);
    s.Angle(A, B, D, nullptr);
    if (const FigureValue* d = Find(v, Measure::Diagonal)) s.Side(A, C, d, Stroke::Auxiliary);
    s.Mention(v, {Measure::Perimeter, Measure::Area});
    return s;
}

}  // namespace

Sketch SquareSketch(const Values& v) {
    Sketch s;
    if (!Drawable(s, v, {Measure::SideA})) return s;
    const double a = Find(v, Measure::SideA)->value;
    return Rectangle(v, "正方形 ABCD", a, a, nullptr, {Measure::None, Measure::SideA, Measure::SideA, Measure::SideA});
}

Sketch RectangleSketch(const Values& v) {
    Sketch s;
    if (!Drawable(s, v, {Measure::SideA, Measure::SideB})) return s;
    double a = Find(v, Measure::SideA)->value, b = Find(v, Measure::SideB)->value;
    const bool clamped = Clamp({&a, &b});
    s = Rectangle(v, "长方形 ABCD", a, b, Find(v, Measure::SideB),
                  {Measure::None, Measure::None, Measure::SideA, Measure::SideB});
    s.notToScale = clamped;
    return s;
}

// The three parallelogram windows: base a, side b, their angle θ and the height h. A window
// that does not know the angle draws it at 60°; one that knows the height but not the
// side takes the side from them.
Sketch ParallelogramSketch(const Values& v) {
    Sketch s;
    if (!Drawable(s, v, {Measure::SideA})) return s;
    const FigureValue *theta = Find(v, Measure::Angle), *side = Find(v, Measure::SideB),
                      *height = Find(v, Measure::Height);
    if (!side && !height) return s;
    if (!Drawable(s, v, {side ? Measure::SideB : Measure::Height})) return s;
    const double angle = theta ? theta->value : M_PI / 3;
    if (!(angle > 0 && angle < M_PI)) {
        s.whyNot =
            "夹角 θ = " + QString::fromStdString(theta->label) + " 不在 0° 与 180° 之间，这样的平行四边形不存在。";
        return s;
    }
    double a = Find(v, Measure::SideA)->value;
    double b = side ? side->value : height->value / std::sin(angle);
    s.notToScale = Clamp({&a, &b});
    const QPointF A(0, 0), B(a, 0), D(b * std::cos(angle), b * std::sin(angle)), C = B + D;
    s.Describe("平行四边形 ABCD");
    Quadrilateral(s, {A, B, C, D}, {Find(v, Measure::SideA), nullptr, nullptr, side},
                  {Measure::None, Measure::SideB, Measure::SideA, side ? Measure::None : Measure::SideB});
    if (theta) s.Angle(A, B, D, theta);
    if (height) {
        const QPointF foot(D.x(), 0);
        if (foot.x() < 0) s.segments.push_back({foot, A, Stroke::Auxiliary});
        if (foot.x() > a) s.segments.push_back({B, foot, Stroke::Auxiliary});
        s.Side(D, foot, height, Stroke::Auxiliary, {1, 0});
        s.rightAngles.push_back({foot, D, foot.x() < a ? B : A});
    }
    s.Mention(v, {Measure::Area, Measure::Perimeter});
    return s;
}

// An isosceles trapezoid: its sides are not known, only both bases and the height.
Sketch TrapezoidSketch(const Values& v) {
    Sketch s;
    if (!Drawable(s, v, {Measure::SideA, Measure::SideB, Measure::Height})) return s;
    double a = Find(v, Measure::SideA)->value, b = Find(v, Measure::SideB)->value, h = Find(v, Measure::Height)->value;
    s.notToScale = Clamp({&a, &b, &h});
    const QPointF A(0, 0), B(b, 0), C((b + a) / 2, h), D((b - a) / 2, h);
    s.Describe("梯形 ABCD");
    Quadrilateral(s, {A, B, C, D}, {Find(v, Measure::SideB), nullptr, Find(v, Measure::SideA), nullptr}, {});
    const QPointF foot(D.x(), 0);
    if (foot.x() < 0) s.segments.push_back({foot, A, Stroke::Auxiliary});
    s.Side(D, foot, Find(v, Measure::Height), Stroke::Auxiliary, {1, 0});
    s.rightAngles.push_back({foot, D, B});
    s.Mention(v, {Measure::Area});
    return s;
}

Sketch CircleSketch(const Values& v) {
    Sketch s;
    const double r = Length(v, Measure::Radius) > 0 ? Length(v, Measure::Radius) : Length(v, Measure::Diameter) / 2;
    if (!(r > 0)) {
        for (const Measure measure : {Measure::Radius, Measure::Diameter, Measure::Circumference, Measure::Area})
            if (Find(v, measure) && !Drawable(s, v, {measure})) return s;
        return s;
    }
    const QPointF O(0, 0);
    s.Describe("圆 O");
    s.ellipses.push_back({O, r, r});
    s.Name("O", O, {-1, 1});
    s.Side(QPointF(-r, 0), QPointF(r, 0), Find(v, Measure::Diameter), Stroke::Auxiliary, {0.35, -1});
    s.Side(O, QPointF(r * std::cos(M_PI / 4), r * std::sin(M_PI / 4)), Find(v, Measure::Radius), Stroke::Auxiliary,
           {1, -0.4});
    s.Value(Find(v, Measure::Circumference), QPointF(r * std::cos(1.25 * M_PI), r * std::sin(1.25 * M_PI)), {-1, -1});
    s.Value(Find(v, Measure::Area), QPointF(0, -r / 2), {});
    return s;
}

// The chord AB at the distance d = OM from the centre, with the central angle θ = ∠AOB.
Sketch ChordSketch(const Values& v) {
    Sketch s;
    const FigureValue *rv = Find(v, Measure::Radius), *cv = Find(v, Measure::Chord), *dv = Find(v, Measure::Distance);
    if (!rv || !cv) return s;
    if (!Drawable(s, v, {Measure::Radius, Measure::Chord})) return s;
    const double r = rv->value, half = cv->value / 2;
    const double d = dv ? dv->value : std::sqrt(std::max(0.0, r * r - half * half));
    if (d < 0 || half > r * (1 + 1e-12)) {
        s.whyNot = "弦长 c 大于直径 2r，这样的弦不存在，画不出来。";
        return s;
    }
    const QPointF O(0, 0), M(0, -d), A(-half, -d), B(half, -d);
    s.Describe("圆 O 与弦 AB");
    s.ellipses.push_back({O, r, r});
    s.segments.push_back({A, B, Stroke::Edge, Measure::Chord});
    s.Value(cv, (M + B) / 2, {0, -1});
    s.segments.push_back({O, A, Stroke::Edge});
    // r along OB, nearer B than the angle's value.
    s.segments.push_back({O, B, Stroke::Edge, Measure::Radius});
    s.Value(rv, O + (B - O) * 0.7, {d, half});
    if (d > 0) {
        s.Name("M", M, {-0.5, -1});
        // d low on OM, where the triangle OAM is widest, even where it is too narrow.
        s.segments.push_back({O, M, Stroke::Auxiliary, Measure::Distance});
        s.Value(dv, M + (O - M) * 0.25, {-1, 0});
        if (dv) s.labels.back().stays = true;
        s.rightAngles.push_back({M, O, B});
    }
    if (const FigureValue* theta = Find(v, Measure::CentralAngle)) {
        // Between the bisector and OB, clear of the dashed OM.
        s.Angle(O, A, B, theta);
        s.labels.back().away = QPointF(0, -1) + B / std::hypot(B.x(), B.y());
    }
    s.Name("O", O, {0, 1});
    s.Name("A", A, {-1, -0.2});
    s.Name("B", B, {1, -0.2});
    return s;
}

}  // namespace velunda::ui
