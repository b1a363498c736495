#include "solvers/plane/trapezoid.h"

#include "numeric/numbertext.h"

namespace velunda {

void SolveTrapezoid(Form& f) {
    const double u = ParseNumber(f.text("Text1"));
    const double d = ParseNumber(f.text("Text2"));
    const double h = ParseNumber(f.text("Text3"));
    const double S = ParseNumber(f.text("Text4"));

    // The area takes the factor 0.5 first; it is not divided by 2 afterwards.
    if (S == 0)
        f.write("Text4", NumberText((0.5 * h) * (u + d)));
    else if (h == 0)
        f.write("Text3", NumberText((2 * S) / (u + d)));
    else if (d == 0)
        f.write("Text2", NumberText((2 * S) / h - u));
    else if (u == 0)
        f.write("Text1", NumberText((2 * S) / h - d));
}

}  // namespace velunda
