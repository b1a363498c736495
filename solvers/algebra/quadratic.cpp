#include "solvers/algebra/quadratic.h"

#include "numeric/numbertext.h"
#include "numeric/routines.h"

namespace velunda {

void QuadraticEquation(Form& f) {
    // Each coefficient field must hold exactly one number; an empty one has no value.
    const double a = StrictNumber(f.text(quadratic::A));
    const double b = StrictNumber(f.text(quadratic::B));
    const double c = StrictNumber(f.text(quadratic::C));
    double first = 0, second = 0;
    if (QuadraticRoots(f, a, b, c, first, second)) {
        // With A = 0 both roots divide by zero and are no number: NumberText refuses them.
        f.write(quadratic::X2, NumberText(first));
        f.write(quadratic::X1, NumberText(second));
    } else {
        f.write(quadratic::X2, "");
        f.write(quadratic::X1, "");
    }
}

}  // namespace velunda
