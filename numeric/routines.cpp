#include "numeric/routines.h"

#include <cmath>

#include "numeric/numbertext.h"

namespace velunda {

double Pi() { return 4 * std::atan(1.0); }

double RadToDeg(double x) { return x * 360 / 2 / Pi(); }

double DegToRad(double x) { return x / 360 * 2 * Pi(); }

double ArcSin(double x) {
    if (x == 1) return Pi() / 2;
    if (x == -1) return -Pi() / 2;
    return std::atan(x / std::sqrt(-x * x + 1));
}

double ArcCos(double x) {
    if (x == 1) return 0;
    if (x == -1) return Pi();
    return std::atan(-x / std::sqrt(-x * x + 1)) + 2 * std::atan(1.0);
}

double RootOfDifference(double u, double v) {
    const double d = u - v;
    if (d < 0 && -d <= 0x1p-50 * (std::fabs(u) + std::fabs(v))) return 0;
    return std::sqrt(d);
}

double UnitClamped(double x) {
    if (x > 1 && x - 1 <= 0x1p-49) return 1;
    if (x < -1 && -1 - x <= 0x1p-49) return -1;
    return x;
}

bool QuadraticRoots(Form& form, double a, double b, double c, double& first, double& second) {
    const double u = b * b, v = (a * 4) * c;
    if (std::isnan(u - v)) throw ComputationFault("no discriminant");
    const double root = RootOfDifference(u, v);
    if (std::isnan(root)) {
        form.ShowMessage("无解");
        return false;
    }
    // −b and the root are added with the same sign; the other root is the product of
    // the roots, c / a, divided by this one.
    if (b == 0) {
        first = root / 2 / a;
        second = -root / 2 / a;
    } else if (b > 0) {
        const double q = (-b - root) / 2;
        first = c / q;
        second = q / a;
    } else {
        const double q = (-b + root) / 2;
        first = q / a;
        second = c / q;
    }
    return true;
}

double CosineRuleSide(double a, double b, double theta) {
    return std::sqrt((a * a + b * b) - b * (a * 2) * std::cos(theta));
}

std::string LeadingZeroText(double x) {
    if (0 < x && x < 1) return "0" + NumberText(x);
    if (-1 < x && x < 0) return "-0" + NumberText(-x);
    return NumberText(x);
}

}  // namespace velunda
