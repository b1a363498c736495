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

    f.write(sidesangles::FirstSide, NumberText(s1));
    f.write(sidesangles::SecondSide, NumberText(s2));
    f.write(sidesangles::ThirdSide, NumberText(s3));
}

}  // namespace velunda
