#include "solvers/triangle/righttriangle.h"

#include <cmath>

#include "numeric/numbertext.h"

namespace velunda {

void SolveRightTriangle(Form& f) {
    double a = ParseNumber(f.text(righttriangle::Leg));
    double b = ParseNumber(f.text(righttriangle::OtherLeg));
    double c = ParseNumber(f.text(righttriangle::Hypotenuse));
    double S = ParseNumber(f.text(righttriangle::Area));
    // A hypotenuse shorter than the leg, or an area beyond a quarter of the square of
    // the hypotenuse, leaves a negative number under a root: no length comes out, and
    // the window says it cannot compute.
    if (a != 0 && b != 0) {
        c = std::sqrt(a * a + b * b);
        S = a * b / 2;
    } else if (a != 0 && c != 0) {
        b = std::sqrt(c * c - a * a);
        S = a * b / 2;
    } else if (a != 0 && S != 0) {
        b = 2 * S / a;
        c = std::sqrt(a * a + b * b);
    } else if (c != 0 && S != 0) {
        // The larger leg goes to the first field.
        a = (std::sqrt(c * c + 4 * S) + std::sqrt(c * c - 4 * S)) / 2;
        b = 2 * S / a;
    } else {
        f.ShowMessage("请下载新版本");
    }
    f.write(righttriangle::Leg, NumberText(a));
    f.write(righttriangle::OtherLeg, NumberText(b));
    f.write(righttriangle::Hypotenuse, NumberText(c));
    f.write(righttriangle::Area, NumberText(S));
}

}  // namespace velunda
