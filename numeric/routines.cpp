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

bool QuadraticRoots(Form& form, double a, double b, double c, double& first, double& second) {
    // The discriminant is rounded to single precision; every later use takes that value.
    const float d = static_cast<float>(b * b - (a * 4) * c);
    if (std::isnan(d)) throw ComputationFault("no discriminant");
    if (d >= 0) {
        const double root = std::sqrt(static_cast<double>(d));
        first = (-b + root) / 2 / a;
        second = (-b - root) / 2 / a;
        return true;
    }
    form.ShowMessage("无解");
    return false;
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
