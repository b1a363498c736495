#include "solvers/plane/circle.h"

#include <cmath>

#include "numeric/numbertext.h"

namespace velunda {
namespace {

double TypedPi(const Form& f) { return ParseNumber(f.text(circle::Pi)); }

// With no π chosen or typed the radius and the diameter would give a circumference and
// an area of 0: no result at all, refused like the division by it in the other two.
double NonZeroPi(const Form& f) {
    const double pi = TypedPi(f);
    if (pi == 0) throw ComputationFault("no π");
    return pi;
}

}  // namespace

// The area is always r × (r × π), and the circumference goes through the diameter
// (d × π): that grouping decides the last digit.

void CircleFromRadius(Form& f) {
    const double pi = NonZeroPi(f);
    const double r = ParseNumber(f.text(circle::Radius));
    const double d = r * 2, C = d * pi, S = r * (r * pi);
    f.write(circle::Diameter, NumberText(d));
    f.write(circle::Circumference, NumberText(C));
    f.write(circle::Area, NumberText(S));
}

void CircleFromDiameter(Form& f) {
    const double pi = NonZeroPi(f);
    const double d = ParseNumber(f.text(circle::Diameter));
    const double r = d / 2, C = d * pi, S = r * (r * pi);
    f.write(circle::Radius, NumberText(r));
    f.write(circle::Circumference, NumberText(C));
    f.write(circle::Area, NumberText(S));
}

void CircleFromCircumference(Form& f) {
    const double pi = TypedPi(f);
    const double C = ParseNumber(f.text(circle::Circumference));
    const double r = C / 2 / pi, d = r * 2, S = r * (r * pi);
    f.write(circle::Diameter, NumberText(d));
    f.write(circle::Radius, NumberText(r));
    f.write(circle::Area, NumberText(S));
}

void CircleFromArea(Form& f) {
    const double pi = TypedPi(f);
    const double S = ParseNumber(f.text(circle::Area));
    const double r = std::sqrt(S / pi), d = r * 2, C = d * pi;
    f.write(circle::Diameter, NumberText(d));
    f.write(circle::Circumference, NumberText(C));
    f.write(circle::Radius, NumberText(r));
}

void PiFromOption1(Form& f) { f.write(circle::Pi, NumberText(3.14)); }
void PiFromOption2(Form& f) { f.write(circle::Pi, NumberText(3.1415926)); }

}  // namespace velunda
