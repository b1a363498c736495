#include "solvers/plane/chord.h"

#include <cmath>

#include "numeric/numbertext.h"
#include "numeric/routines.h"
#include "solvers/plane/angleunit.h"

namespace velunda {

// A chord that is a diameter has d = 0: (c / 2) / d is then an infinity and the angle
// 2 × arctan of it is π, a true 180 degrees.

void SolveChord(Form& f) {
    double theta = ReadAngle(f, chord::Angle);
    double r = ParseNumber(f.text(chord::Radius));
    double c = ParseNumber(f.text(chord::Chord));
    double d = ParseNumber(f.text(chord::Distance));

    if (r != 0 && c != 0) {
        d = std::sqrt(r * r - (c / 2) * (c / 2));
        theta = 2 * std::atan((c / 2) / d);
    } else if (r != 0 && d != 0) {
        c = 2 * std::sqrt(r * r - d * d);
        theta = 2 * std::atan((c / 2) / d);
    } else if (c != 0 && d != 0) {
        r = std::sqrt((c / 2) * (c / 2) + d * d);
        theta = 2 * std::atan((c / 2) / d);
    } else if (theta != 0 && c != 0) {
        // Where the typed angle takes part, it must be a central angle of a chord.
        theta = ReadFigureAngle(f, chord::Angle);
        d = (c / 2) / std::tan(theta / 2);
        r = std::sqrt((c / 2) * (c / 2) + d * d);
    } else if (theta != 0 && d != 0) {
        theta = ReadFigureAngle(f, chord::Angle);
        r = d / std::cos(theta / 2);
        c = 2 * std::sqrt(r * r - d * d);
    } else if (theta != 0 && r != 0) {
        theta = ReadFigureAngle(f, chord::Angle);
        d = std::cos(theta / 2) * r;
        c = 2 * std::sqrt(r * r - d * d);
    }

    f.write(chord::Radius, SignedNumberText(r));
    f.write(chord::Chord, SignedNumberText(c));
    f.write(chord::Distance, SignedNumberText(d));
    const std::string angle = SignedNumberText(AngleInUnit(f, theta));
    f.write(chord::Angle, InRadians(f) ? angle + "rad" : angle);
}

}  // namespace velunda
