#include "solvers/solid/cube.h"

#include <cmath>

#include "numeric/numbertext.h"

namespace velunda {

// Text that is not one number, a negative surface area (no square root) and a negative
// volume (no real power with exponent 1/3) all refuse the computation.

void CubeFromEdge(Form& f) {
    const double x = StrictNumber(f.text("Text1"));
    const double L = 12 * x, A = (6 * x) * x, V = (x * x) * x;
    f.write("Text2", NumberText(L));
    f.write("Text3", NumberText(A));
    f.write("Text4", NumberText(V));
}

void CubeFromEdgeSum(Form& f) {
    const double L = StrictNumber(f.text("Text2"));
    const double x = L / 12, A = (6 * x) * x, V = (x * x) * x;
    f.write("Text1", NumberText(x));
    f.write("Text3", NumberText(A));
    f.write("Text4", NumberText(V));
}

void CubeFromSurface(Form& f) {
    const double A = StrictNumber(f.text("Text3"));
    const double x = std::sqrt(A / 6), L = 12 * x, V = (x * x) * x;
    f.write("Text2", NumberText(L));
    f.write("Text1", NumberText(x));
    f.write("Text4", NumberText(V));
}

void CubeFromVolume(Form& f) {
    const double V = StrictNumber(f.text("Text4"));
    // The cube root is a power, so 64 gives 3.9999999999999996 (shown as 4).
    const double x = std::pow(V, 1.0 / 3.0), L = 12 * x, A = (6 * x) * x;
    f.write("Text2", NumberText(L));
    f.write("Text3", NumberText(A));
    f.write("Text1", NumberText(x));
}

}  // namespace velunda
