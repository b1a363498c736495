#include "solvers/triangle/equilateral.h"

#include <cmath>

#include "numeric/numbertext.h"

namespace velunda {

// √3 is taken at run time wherever it occurs; height and area always come from the
// side of the same case.
void SolveEquilateralTriangle(Form& f) {
    double a = ParseNumber(f.text("Text1"));
    double P = ParseNumber(f.text("Text2"));
    double h = ParseNumber(f.text("Text3"));
    double A = ParseNumber(f.text("Text4"));
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
    f.write("Text1", NumberText(a));
    f.write("Text2", NumberText(P));
    f.write("Text3", NumberText(h));
    f.write("Text4", NumberText(A));
}

}  // namespace velunda
