#include "solvers/algebra/quadratic.h"

#include "numeric/numbertext.h"
#include "numeric/routines.h"

namespace velunda {

void QuadraticEquation(Form& f) {
    // Each coefficient field must hold exactly one number; an empty one has no value.
    const double a = StrictNumber(f.text("Text1"));
    const double b = StrictNumber(f.text("Text2"));
    const double c = StrictNumber(f.text("Text3"));
    double first = 0, second = 0;
    if (QuadraticRoots(f, a, b, c, first, second)) {
        // With A = 0 both roots divide by zero and are no number: NumberText refuses them.
        f.write("Text4", NumberText(first));
        f.write("Text5", NumberText(second));
    } else {
        f.write("Text4", "");
        f.write("Text5", "");
    }
}

}  // namespace velunda
