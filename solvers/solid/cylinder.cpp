#include "solvers/solid/cylinder.h"

#include <cmath>
#include <string>

#include "numeric/numbertext.h"
#include "numeric/routines.h"

namespace velunda {
namespace {

// The cylinder window works with π as 3.14, not with the shared routines' π.
constexpr double P = 3.14;

}  // namespace

void CylinderCompute(Form& f) {
    double r = ParseNumber(f.text(cylinder::Radius));
    double C = ParseNumber(f.text(cylinder::Circumference));
    double L = ParseNumber(f.text(cylinder::LateralArea));
    double S = ParseNumber(f.text(cylinder::Surface));
    double V = ParseNumber(f.text(cylinder::Volume));
    double h = ParseNumber(f.text(cylinder::Height));
    double B = ParseNumber(f.text(cylinder::BaseArea));

    // A typed radius wins over a circumference, a circumference over a base area; each
    // test sees what the one before left, so all three end with r = √(B / P). A negative
    // base area alone has no radius: its NaN reaches Text1 and the click is refused.
    if (r != 0) {
        C = r * (P * 2);
        B = r * (r * P);
    }
    if (C != 0) {
        r = C / P / 2;
        B = r * (r * P);
    }
    if (B != 0) {
        r = std::sqrt(B / P);
        C = r * (P * 2);
    }

    // Two positive radii fit a height and a surface area: both are shown.
    bool twoRadii = false;
    double x1 = 0, x2 = 0;

    if (r != 0 && h != 0) {
        L = h * C;
        V = h * B;
        S = L + B * 2;
    } else if (r != 0 && L != 0) {
        h = L / C;
        V = h * B;
        S = L + B * 2;
    } else if (r != 0 && S != 0) {
        L = (S - B) - B;
        h = L / C;
        V = h * B;
    } else if (r != 0 && V != 0) {
        h = V / B;
        L = h * C;
        S = L + B * 2;
    } else if (h != 0 && L != 0) {
        C = L / h;
        r = C / P / 2;
        B = r * (r * P);
        V = h * B;
        S = L + B * 2;
    } else if (h != 0 && S != 0) {
        // P·2·r² + P·2·h·r − S = 0; a > 0, so the first root is the larger one.
        if (!QuadraticRoots(f, P * 2, h * (P * 2), -S, x1, x2)) return;  // "无解" shown, nothing written
        if (x2 > 0) {
            twoRadii = true;
        } else if (x1 > 0) {
            r = x1;
        }
        if (x1 < 0) {
            f.ShowMessage("无解");
            return;  // the typed height and surface area stay as they are
        }
        // With no single radius chosen r is 0 here, and so is every derived quantity.
        C = r * (P * 2);
        B = r * (r * P);
        L = h * C;
        V = h * B;
        S = L + B * 2;
    } else if (h != 0 && V != 0) {
        // Volume and height of opposite signs give a NaN radius: refused when written.
        B = V / h;
        r = std::sqrt(B / P);
        C = r * (P * 2);
        L = h * C;
        V = h * B;
        S = L + B * 2;
    } else if (L != 0 && S != 0) {
        // A surface area below the lateral area has no radius, one equal to it a zero
        // circumference and an infinite height: both are refused when written.
        B = (S - L) / 2;
        r = std::sqrt(B / P);
        C = r * (P * 2);
        h = L / C;
        V = h * B;
    } else if (L != 0 && V != 0) {
        r = (V * 2) / L;
        C = r * (P * 2);
        B = r * (r * P);
        S = (L + B) + B;
        h = L / C;
    } else if (S != 0 && V != 0) {
        f.ShowMessage("请下载更新版本");
    }

    f.write(cylinder::Radius, NumberText(r));
    f.write(cylinder::Circumference, NumberText(C));
    f.write(cylinder::LateralArea, NumberText(L));
    f.write(cylinder::Surface, NumberText(S));
    f.write(cylinder::Volume, NumberText(V));
    f.write(cylinder::Height, NumberText(h));
    f.write(cylinder::BaseArea, NumberText(B));

    if (twoRadii) {
        f.write(cylinder::Radius, AlternativesText(x1, x2));
        f.write(cylinder::Circumference, AlternativesText((P * 2) * x1, (P * 2) * x2));
        f.write(cylinder::LateralArea, AlternativesText((P * 2) * x1 * h, (P * 2) * x2 * h));
        f.write(cylinder::Volume, AlternativesText((h * P) * x1 * x1, (h * P) * x2 * x2));
        f.write(cylinder::BaseArea, AlternativesText((x1 * P) * x1, (x2 * P) * x2));
    }
}

}  // namespace velunda
