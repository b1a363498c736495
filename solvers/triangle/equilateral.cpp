#include "solvers/triangle/equilateral.h"

#include <cmath>

#include "numeric/numbertext.h"

namespace velunda {

// √3 is taken at run time wherever it occurs; height and area always come from the
// side of the same case.
void SolveEquilateralTriangle(Form& f) {
    double a = ParseNumber(f.text(equilateral::Side));
    double P = ParseNumber(f.text(equilateral::Perimeter));
    double h = ParseNumber(f.text(equilateral::Height));
    double A = ParseNumber(f.text(equilateral::Area));
    if (a != 0) {
        P = 3 * a;
        h = a * std::sqrt(3.0) / 2;
        A = std::sqrt(3.0) * a * a / 4;
    } else if (P != 0) {
        a = P / 3;
        h = a * std::sqrt(3.0) / 2;
        A = std::sqrt(3.0) * a * a / 4;
    } else if (h != 0) {
        a = 2 * h / std::sqrt(3.0);
        P = 3 * a;
        A = std::sqrt(3.0) * a * a / 4;
    } else if (A != 0) {
        // A negative area has no side: its root is no number and the window says so.
        a = std::sqrt(4 * A / std::sqrt(3.0));
        P = 3 * a;
        h = std::sqrt(3.0) * a / 2;
    }
    f.write(equilateral::Side, NumberText(a));
    f.write(equilateral::Perimeter, NumberText(P));
    f.write(equilateral::Height, NumberText(h));
    f.write(equilateral::Area, NumberText(A));
}

}  // namespace velunda
