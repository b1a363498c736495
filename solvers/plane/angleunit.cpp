#include "solvers/plane/angleunit.h"

#include "numeric/numbertext.h"
#include "numeric/routines.h"

namespace velunda {

bool InRadians(const Form& f) { return f.selected(angleunit::Radians); }

double ReadAngle(const Form& f, std::string_view field) {
    const double typed = ParseNumber(f.text(field));
    return InRadians(f) ? typed : DegToRad(typed);
}

double AngleInUnit(const Form& f, double theta) { return InRadians(f) ? theta : RadToDeg(theta); }

}  // namespace velunda
