#include "solvers/triangle/sidesangles.h"

#include <cmath>
#include <string>

#include "numeric/numbertext.h"
#include "numeric/routines.h"

namespace velunda {
namespace {

double Angle(const Form& f, std::string_view field) {
    const double typed = ParseNumber(f.text(field));
    return f.selected(sidesangles::Radians) ? typed : DegToRad(typed);
}

// The side c of a triangle with the side a, its opposite angle A and the side b: from
// a² = b² + c² − 2bc·cos A, c = b·cos A ± √(a² − (b·sin A)²), each root that is positive.
// Two are written larger first, joined by "或"; the smaller comes from the product of the
// roots, b² − a², so that no digits cancel. False where no triangle has these values.
bool SideFromTwoSidesAndOppositeAngle(double a, double b, double A, std::string& third) {
    if (!(a > 0 && b > 0 && A > 0 && A < Pi())) return false;
    const double projection = b * std::cos(A), height = b * std::sin(A);
    // A difference that is 0 but for rounding (a = b·sin A, one right triangle) is 0 on
    // either side, as the exact solution finds it.
    const double u = a * a, v = height * height;
    if (!(u - v >= -0x1p-50 * (u + v))) return false;
    const double root = u - v <= 0x1p-50 * (u + v) ? 0 : std::sqrt(u - v);
    const double larger = projection + root;
    if (!(larger > 0)) return false;
    const double smaller = root == 0 ? larger : ((b - a) * (b + a)) / larger;
    third = smaller > 0 && root != 0 ? NumberText(larger) + "或" + NumberText(smaller) : NumberText(larger);
    return true;
}

}  // namespace

// Every test compares with 0 at the moment it is made, so a side found by one step
// takes part in the later ones like a typed side.
void TriangleSidesAndAngles(Form& f) {
    double s1 = ParseNumber(f.text(sidesangles::FirstSide));
    double s2 = ParseNumber(f.text(sidesangles::SecondSide));
    double s3 = ParseNumber(f.text(sidesangles::ThirdSide));
    double a1 = Angle(f, sidesangles::FirstAngle);
    double a2 = Angle(f, sidesangles::SecondAngle);
    double a3 = Angle(f, sidesangles::ThirdAngle);

    // Two sides and the angle between them give the third side.
    if (s1 != 0 && s2 != 0 && a3 != 0) s3 = CosineRuleSide(s1, s2, a3);
    if (s2 != 0 && s3 != 0 && a1 != 0) s1 = CosineRuleSide(s2, s3, a1);
    if (s3 != 0 && s1 != 0 && a2 != 0) s2 = CosineRuleSide(s1, s3, a2);

    // Two angles give the third, and one side then gives the other two.
    if ((a1 != 0) + (a2 != 0) + (a3 != 0) >= 2) {
        const double pi = 4 * std::atan(1.0);
        if (a1 != 0 && a2 != 0)
            a3 = pi - a1 - a2;
        else if (a1 != 0 && a3 != 0)
            a2 = pi - a1 - a3;
        else
            a1 = pi - a2 - a3;
        // A sine of 0 as divisor makes k infinite, and the sides written from it are
        // then no numbers: the window says it cannot compute.
        if (s1 != 0) {
            const double k = s1 / std::sin(a1);
            s2 = std::sin(a2) * k;
            s3 = std::sin(a3) * k;
        } else if (s2 != 0) {
            const double k = s2 / std::sin(a2);
            s1 = std::sin(a1) * k;
            s3 = std::sin(a3) * k;
        } else if (s3 != 0) {
            const double k = s3 / std::sin(a3);
            s2 = std::sin(a2) * k;
            s1 = std::sin(a1) * k;
        } else {
            f.ShowMessage("请登陆" + std::string(kUpdateAddress) + "下载更新版本");
        }
    }

    // Two sides and the angle opposite one of them: the third side from the cosine rule.
    // With no third side found yet, exactly one angle and two sides typed, the angle's
    // own side among them.
    if ((a1 != 0) + (a2 != 0) + (a3 != 0) == 1 && (s1 != 0) + (s2 != 0) + (s3 != 0) == 2) {
        const double sides[] = {s1, s2, s3};
        const double angles[] = {a1, a2, a3};
        const int i = a1 != 0 ? 0 : a2 != 0 ? 1 : 2;                        // the typed angle and its side
        const int k = sides[(i + 1) % 3] == 0 ? (i + 1) % 3 : (i + 2) % 3;  // the side sought
        const int j = 3 - i - k;
        if (sides[i] != 0) {
            std::string third;
            if (!SideFromTwoSidesAndOppositeAngle(sides[i], sides[j], angles[i], third)) {
                f.ShowMessage("无解");
                return;
            }
            f.write(sidesangles::FirstSide, k == 0 ? third : NumberText(s1));
            f.write(sidesangles::SecondSide, k == 1 ? third : NumberText(s2));
            f.write(sidesangles::ThirdSide, k == 2 ? third : NumberText(s3));
            return;
        }
    }

    f.write(sidesangles::FirstSide, NumberText(s1));
    f.write(sidesangles::SecondSide, NumberText(s2));
    f.write(sidesangles::ThirdSide, NumberText(s3));
}

}  // namespace velunda
