#include "solvers/plane/trapezoid.h"

#include "numeric/numbertext.h"

namespace velunda {

void SolveTrapezoid(Form& f) {
    const double u = ParseNumber(f.text(trapezoid::UpperBase));
    const double d = ParseNumber(f.text(trapezoid::LowerBase));
    const double h = ParseNumber(f.text(trapezoid::Height));
    const double S = ParseNumber(f.text(trapezoid::Area));

    // The area takes the factor 0.5 first; it is not divided by 2 afterwards.
    if (S == 0)
        f.write(trapezoid::Area, NumberText((0.5 * h) * (u + d)));
    else if (h == 0)
        f.write(trapezoid::Height, NumberText((2 * S) / (u + d)));
    else if (d == 0)
        f.write(trapezoid::LowerBase, NumberText((2 * S) / h - u));
    else if (u == 0)
        f.write(trapezoid::UpperBase, NumberText((2 * S) / h - d));
}

}  // namespace velunda
