#include "solvers/plane/circle.h"

#include <cmath>

#include "numeric/numbertext.h"

namespace velunda {
namespace {

double TypedPi(const Form& f) { return ParseNumber(f.text("Text5")); }

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
    const double r = ParseNumber(f.text("Text1"));
    const double d = r * 2, C = d * pi, S = r * (r * pi);
    f.write("Text2", NumberText(d));
    f.write("Text3", NumberText(C));
    f.write("Text4", NumberText(S));
}

void CircleFromDiameter(Form& f) {
    const double pi = NonZeroPi(f);
    const double d = ParseNumber(f.text("Text2"));
    const double r = d / 2, C = d * pi, S = r * (r * pi);
    f.write("Text1", NumberText(r));
    f.write("Text3", NumberText(C));
    f.write("Text4", NumberText(S));
}

void CircleFromCircumference(Form& f) {
    const double pi = TypedPi(f);
    const double C = ParseNumber(f.text("Text3"));
    const double r = C / 2 / pi, d = r * 2, S = r * (r * pi);
    f.write("Text2", NumberText(d));
    f.write("Text1", NumberText(r));
    f.write("Text4", NumberText(S));
}

void CircleFromArea(Form& f) {
    const double pi = TypedPi(f);
    const double S = ParseNumber(f.text("Text4"));
    const double r = std::sqrt(S / pi), d = r * 2, C = d * pi;
    f.write("Text2", NumberText(d));
    f.write("Text3", NumberText(C));
    f.write("Text1", NumberText(r));
}

void PiFromOption1(Form& f) { f.write("Text5", NumberText(3.14)); }
void PiFromOption2(Form& f) { f.write("Text5", NumberText(3.1415926)); }

}  // namespace velunda
