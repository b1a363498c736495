#include "solvers/triangle/threesides.h"

#include <cmath>

#include "numeric/numbertext.h"
#include "numeric/routines.h"

namespace velunda {

std::string RadianText(double x) {
    // nearbyint rounds in the current mode, which is to nearest with ties to even.
    const double multiple = std::nearbyint(x / Pi() * 10000) / 10000;
    return LeadingZeroText(multiple) + "π≈" + LeadingZeroText(x);
}

bool NoTriangle(double a, double b, double c) {
    // Two sides whose sum is no longer than the third make no triangle. Lengths typed as
    // decimals are not exact in binary, so three that lie on one line can leave a sum a
    // few units in the last place longer than the third: that is no triangle either.
    // The margin is 2⁻⁵⁰ × (|a| + |b| + |c|), scaled term by term (exactly, as a power
    // of two) so that sides near the top of the double range do not make it infinite.
    const double onOneLine = 0x1p-50 * std::fabs(a) + 0x1p-50 * std::fabs(b) + 0x1p-50 * std::fabs(c);
    return (a + b) - c <= onOneLine || (a + c) - b <= onOneLine || (b + c) - a <= onOneLine;
}

void TriangleFromThreeSides(Form& f) {
    const double a = ParseNumber(f.text(threesides::BC));  // BC
    const double b = ParseNumber(f.text(threesides::AC));  // AC
    const double c = ParseNumber(f.text(threesides::AB));  // AB
    if (NoTriangle(a, b, c)) {
        f.ShowMessage("不能构成三角形");
        return;
    }
    // A triangle so thin that a cosine rounds to exactly ±1 has an angle of 0 or 180
    // degrees here, which ArcCos gives as such.
    const double cosA = (b * b + c * c - a * a) / 2 / b / c;
    const double cosB = (a * a + c * c - b * b) / 2 / a / c;
    const double cosC = (a * a + b * b - c * c) / 2 / a / b;
    const double A = ArcCos(cosA), B = ArcCos(cosB), C = ArcCos(cosC);
    const double p = a + b + c;
    const double S = b * std::sin(A) * c / 2;
    const double R = a / std::sin(A) / 2;
    const double r = 2 * S / p;

    f.write(threesides::Perimeter, LeadingZeroText(p));
    f.write(threesides::Area, LeadingZeroText(S));
    f.write(threesides::HeightToBC, LeadingZeroText(2 * S / a));
    f.write(threesides::HeightToAC, LeadingZeroText(2 * S / b));
    f.write(threesides::HeightToAB, LeadingZeroText(2 * S / c));
    f.write(threesides::AngleA, SignedNumberText(RadToDeg(A)));
    f.write(threesides::AngleB, SignedNumberText(RadToDeg(B)));
    f.write(threesides::AngleC, SignedNumberText(RadToDeg(C)));
    f.write(threesides::Circumradius, LeadingZeroText(R));
    f.write(threesides::Inradius, LeadingZeroText(r));
    f.write(threesides::AngleAInRadians, RadianText(A));
    f.write(threesides::AngleBInRadians, RadianText(B));
    f.write(threesides::AngleCInRadians, RadianText(C));
}

}  // namespace velunda
