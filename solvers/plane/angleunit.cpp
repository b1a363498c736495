#include "solvers/plane/angleunit.h"

#include <string>

#include "numeric/numbertext.h"
#include "numeric/routines.h"

namespace velunda {

bool InRadians(const Form& f) { return f.selected(angleunit::Radians); }

double ReadAngle(const Form& f, std::string_view field) {
    const double typed = ParseNumber(f.text(field));
    return InRadians(f) ? typed : DegToRad(typed);
}

double ReadFigureAngle(const Form& f, std::string_view field) {
    const double typed = ParseNumber(f.text(field));
    const bool inside = InRadians(f) ? typed > 0 && typed <= Pi() : typed > 0 && typed < 180;
    if (!inside) throw ComputationFault("an angle of a figure outside 0° to 180°");
    return ReadAngle(f, field);
}

bool FigureAngleExplained(exact::SolutionBuilder& b, const exact::Number& theta, bool radians, std::string_view whose,
                          std::string_view figure) {
    using exact::Number;
    if (theta.Sign() > 0 && (theta - Number::Pi()).Sign() < 0) return true;
    // A radian measure is given in degrees too, so that a pupil who meant degrees sees it.
    const std::string degrees =
        radians ? " ≈ " + (theta * Number::Integer(180) / Number::Pi()).DecimalText() + "°" : std::string();
    b.Cannot("θ = " + exact::AngleText(theta, radians) + degrees, "不在 0° 与 180° 之间，不能作" + std::string(whose));
    b.Answer("这样的" + std::string(figure) + "不存在。");
    return false;
}

double AngleInUnit(const Form& f, double theta) { return InRadians(f) ? theta : RadToDeg(theta); }

}  // namespace velunda
