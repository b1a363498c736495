#include "solvers/plane/rectangle.h"

#include <cmath>

#include "numeric/numbertext.h"
#include "numeric/routines.h"

namespace velunda {
namespace {

double Perimeter(double a, double b) { return a + a + b + b; }
double Diagonal(double a, double b) { return std::sqrt(a * a + b * b); }

// The sides of a rectangle with perimeter P and area S: the longer one first.
struct Sides {
    double a, b;
};
// A square typed with decimals can leave P² − 16S a little below 0: it is 0.
Sides SidesFromPerimeterAndArea(double P, double S) {
    const double q = RootOfDifference(P * P, S * 16) * 0.25;
    const double a = P / 4 + q;
    return {a, P / 2 - a};
}

}  // namespace

void SolveRectangle(Form& f) {
    const double a = ParseNumber(f.text(rectangle::Side));
    const double b = ParseNumber(f.text(rectangle::OtherSide));
    const double P = ParseNumber(f.text(rectangle::Perimeter));
    const double S = ParseNumber(f.text(rectangle::Area));
    const double D = ParseNumber(f.text(rectangle::Diagonal));

    if (a != 0 && b != 0) {
        f.write(rectangle::Perimeter, NumberText(Perimeter(a, b)));
        f.write(rectangle::Area, NumberText(b * a));
        f.write(rectangle::Diagonal, NumberText(Diagonal(a, b)));
    } else if (a != 0 && P != 0) {
        const double other = P / 2 - a;
        f.write(rectangle::OtherSide, NumberText(other));
        f.write(rectangle::Area, NumberText(other * a));
        f.write(rectangle::Diagonal, NumberText(Diagonal(a, other)));
    } else if (a != 0 && S != 0) {
        const double other = S / a;
        f.write(rectangle::OtherSide, NumberText(other));
        f.write(rectangle::Perimeter, NumberText(Perimeter(a, other)));
        f.write(rectangle::Diagonal, NumberText(Diagonal(a, other)));
    } else if (a != 0 && D != 0) {
        const double other = std::sqrt(D * D - a * a);
        f.write(rectangle::OtherSide, NumberText(other));
        f.write(rectangle::Area, NumberText(other * a));
        f.write(rectangle::Perimeter, NumberText(Perimeter(a, other)));
    } else if (P != 0 && S != 0) {
        const Sides s = SidesFromPerimeterAndArea(P, S);
        f.write(rectangle::OtherSide, NumberText(s.b));
        f.write(rectangle::Side, NumberText(s.a));
        f.write(rectangle::Diagonal, NumberText(Diagonal(s.a, s.b)));
    } else if (P != 0 && D != 0) {
        const double area = P * 0.125 * P - D * 0.5 * D;
        const Sides s = SidesFromPerimeterAndArea(P, area);
        f.write(rectangle::OtherSide, NumberText(s.b));
        f.write(rectangle::Side, NumberText(s.a));
        f.write(rectangle::Area, NumberText(area));
    } else if (D != 0 && S != 0) {
        const double perimeter = std::sqrt(S * 8 + D * 4 * D);
        const Sides s = SidesFromPerimeterAndArea(perimeter, S);
        f.write(rectangle::OtherSide, NumberText(s.b));
        f.write(rectangle::Side, NumberText(s.a));
        f.write(rectangle::Perimeter, NumberText(perimeter));
    }
}

}  // namespace velunda
