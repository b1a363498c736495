#include "solvers/triangle/sidesperimeterarea.h"

#include <cmath>

#include "numeric/numbertext.h"
#include "numeric/routines.h"

namespace velunda {
namespace {

// Heron's formula with the product taken as ((s − a)·s)·(s − b), then times (s − c).
// Sides that are no triangle can leave a negative product: its root is no number and
// the window says it cannot compute.
double HeronArea(double s, double a, double b, double c) { return std::sqrt((s - a) * s * (s - b) * (s - c)); }

}  // namespace

bool QIUGEN(Form& f, double p, double q, double r, double& x1, double& x2) {
    // A discriminant negative only by rounding is 0: two legs and the area of their
    // right triangle, typed as decimals, give one third side.
    const double u = std::pow(q, 2), v = 4 * p * r;
    const double root = RootOfDifference(u, v);
    if (u - v < 0 && std::isnan(root)) {
        f.ShowMessage("无解");
        return false;
    }
    x1 = ((-q + root) / 2) / p;
    x2 = ((-q - root) / 2) / p;
    return true;
}

void TriangleSidesPerimeterArea(Form& f) {
    const double a = ParseNumber(f.text(sidesperimeterarea::SideA));
    const double b = ParseNumber(f.text(sidesperimeterarea::SideB));
    double c = ParseNumber(f.text(sidesperimeterarea::SideC));
    double P = ParseNumber(f.text(sidesperimeterarea::Perimeter));
    double S = ParseNumber(f.text(sidesperimeterarea::Area));

    if (a != 0 && b != 0 && c != 0) {
        const double s = (a + b + c) / 2;
        P = a + b + c;
        S = HeronArea(s, a, b, c);
    } else if (a != 0 && b != 0 && P != 0) {
        c = P - a - b;
        const double s = P / 2;
        S = HeronArea(s, a, b, c);
    } else if (a != 0 && b != 0 && S != 0) {
        // The square of the third side solves x² + q·x + r = 0.
        const double q = (-2 * a) * a - (2 * b) * b;
        const double r = (a - b) * (a - b) * (a + b) * (a + b) + 16 * S * S;
        double x1 = 0, x2 = 0;
        // After "无解" nothing is written: every field keeps its text.
        if (!QIUGEN(f, 1, q, r, x1, x2)) return;
        const double c1 = std::sqrt(x1), c2 = std::sqrt(x2);
        const double P1 = (a + b) + c1, P2 = (a + b) + c2;
        f.write(sidesperimeterarea::SideC, AlternativesText(c1, c2));
        f.write(sidesperimeterarea::Perimeter, AlternativesText(P1, P2));
        return;
    } else {
        f.ShowMessage("请下载新版本或查看帮助", Icon::Information);
    }
    f.write(sidesperimeterarea::SideA, NumberText(a));
    f.write(sidesperimeterarea::SideB, NumberText(b));
    f.write(sidesperimeterarea::SideC, NumberText(c));
    f.write(sidesperimeterarea::Perimeter, NumberText(P));
    f.write(sidesperimeterarea::Area, NumberText(S));
}

}  // namespace velunda
