// The figures of the solid windows in oblique projection: the depth drawn at 45° and
// halved, the edges behind the solid dashed.

#include <cmath>

#include "solvers/solid/solidwindows.h"

namespace velunda::ui {
namespace {

using Values = Quantities;

// The box of length a, depth b and height c; the labels of the three where given.
void Box(Sketch& s, double a, double b, double c, const FigureValue* length, const FigureValue* depth,
         const FigureValue* height) {
    const QPointF k = QPointF(std::cos(M_PI / 4), std::sin(M_PI / 4)) * (b / 2);
    const QPointF f0(0, 0), f1(a, 0), f2(a, c), f3(0, c);
    const QPointF b0 = f0 + k, b1 = f1 + k, b2 = f2 + k, b3 = f3 + k;
    s.Side(f0, f1, length);
    if (!length) s.segments.back().measures = Measure::SideA;
    s.Side(f1, f2, nullptr);
    s.Side(f2, f3, nullptr);
    s.Side(f3, f0, height);
    if (!height) s.segments.back().measures = Measure::SideA;
    s.Side(f1, b1, depth, Stroke::Edge, {1, -1});
    s.segments.back().measures = Measure::None;  // drawn at half its length
    for (const auto& [from, to] : {std::pair{f2, b2}, std::pair{f3, b3}, std::pair{b3, b2}, std::pair{b2, b1}})
        s.segments.push_back({from, to});
    for (const auto& [from, to] : {std::pair{b0, b1}, std::pair{b0, b3}, std::pair{f0, b0}})
        s.segments.push_back({from, to, Stroke::Hidden});
}

}  // namespace

Sketch CuboidSketch(const Values& v) {
    Sketch s;
    if (!Drawable(s, v, {Measure::SideA, Measure::SideB, Measure::SideC})) return s;
    double a = Find(v, Measure::SideA)->value, b = Find(v, Measure::SideB)->value, c = Find(v, Measure::SideC)->value;
    s.notToScale = Clamp({&a, &b, &c});
    s.Describe("长方体");
    Box(s, a, b, c, Find(v, Measure::SideA), Find(v, Measure::SideB), Find(v, Measure::SideC));
    s.Mention(v, {Measure::CrossSection, Measure::Surface, Measure::Volume});
    return s;
}

Sketch CubeSketch(const Values& v) {
    Sketch s;
    if (!Drawable(s, v, {Measure::SideA})) return s;
    const double a = Find(v, Measure::SideA)->value;
    s.Describe("正方体");
    Box(s, a, a, a, Find(v, Measure::SideA), nullptr, nullptr);
    s.Mention(v, {Measure::EdgeSum, Measure::Surface, Measure::Volume});
    return s;
}

// The cylinder standing on its base: the base's back half dashed, the radius on the top.
Sketch CylinderSketch(const Values& v) {
    Sketch s;
    if (!Drawable(s, v, {Measure::Radius, Measure::Height})) return s;
    double r = Find(v, Measure::Radius)->value, h = Find(v, Measure::Height)->value;
    s.notToScale = Clamp({&r, &h});
    const double flat = 0.3;  // the circles seen from above at a slant
    s.Describe("圆柱");
    s.ellipses.push_back({QPointF(0, 0), r, r * flat, 180, 180});
    s.ellipses.push_back({QPointF(0, 0), r, r * flat, 0, 180, Stroke::Hidden});
    s.ellipses.push_back({QPointF(0, h), r, r * flat});
    s.segments.push_back({QPointF(-r, 0), QPointF(-r, h)});
    s.Side(QPointF(r, 0), QPointF(r, h), Find(v, Measure::Height), Stroke::Edge, {1, 0});
    s.segments.push_back({QPointF(0, 0), QPointF(0, h), Stroke::Auxiliary});
    // The radius's label above the top, clear of its rim.
    s.Side(QPointF(0, h), QPointF(r, h), Find(v, Measure::Radius), Stroke::Auxiliary, {0, 1});
    s.labels.back().at = QPointF(r / 2, h + r * flat);
    s.Mention(v, {Measure::Circumference, Measure::BaseArea, Measure::LateralArea, Measure::Surface, Measure::Volume});
    return s;
}

}  // namespace velunda::ui
