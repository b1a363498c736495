#include "solvers/solid/cube.h"

#include <cmath>

#include "numeric/numbertext.h"

namespace velunda {

// Text that is not one number, a negative surface area (no square root) and a negative
// volume (no real power with exponent 1/3) all refuse the computation.

void CubeFromEdge(Form& f) {
    const double x = StrictNumber(f.text(cube::Edge));
    const double L = 12 * x, A = (6 * x) * x, V = (x * x) * x;
    f.write(cube::EdgeSum, NumberText(L));
    f.write(cube::Surface, NumberText(A));
    f.write(cube::Volume, NumberText(V));
}

void CubeFromEdgeSum(Form& f) {
    const double L = StrictNumber(f.text(cube::EdgeSum));
    const double x = L / 12, A = (6 * x) * x, V = (x * x) * x;
    f.write(cube::Edge, NumberText(x));
    f.write(cube::Surface, NumberText(A));
    f.write(cube::Volume, NumberText(V));
}

void CubeFromSurface(Form& f) {
    const double A = StrictNumber(f.text(cube::Surface));
    const double x = std::sqrt(A / 6), L = 12 * x, V = (x * x) * x;
    f.write(cube::EdgeSum, NumberText(L));
    f.write(cube::Edge, NumberText(x));
    f.write(cube::Volume, NumberText(V));
}

void CubeFromVolume(Form& f) {
    const double V = StrictNumber(f.text(cube::Volume));
    // The cube root is a power, so 64 gives 3.9999999999999996 (shown as 4).
    const double x = std::pow(V, 1.0 / 3.0), L = 12 * x, A = (6 * x) * x;
    f.write(cube::EdgeSum, NumberText(L));
    f.write(cube::Surface, NumberText(A));
    f.write(cube::Edge, NumberText(x));
}

}  // namespace velunda
