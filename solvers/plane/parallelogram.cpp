#include "solvers/plane/parallelogram.h"

#include <cmath>

#include "numeric/numbertext.h"
#include "numeric/routines.h"
#include "solvers/plane/angleunit.h"

namespace velunda {
namespace {

// Reads Text1–Text3, lets the case list fill in the missing one, and writes all three
// back, in order, with a blank in front of values that are not negative; with fewer
// than two given the fields are only rewritten (an empty field shows " 0").
template <class Cases>
void TwoOfThree(Form& f, Cases cases) {
    double x = ParseNumber(f.text(parallelogram::FirstRow));
    double y = ParseNumber(f.text(parallelogram::SecondRow));
    double z = ParseNumber(f.text(parallelogram::ThirdRow));
    cases(x, y, z);
    f.write(parallelogram::FirstRow, SignedNumberText(x));
    f.write(parallelogram::SecondRow, SignedNumberText(y));
    f.write(parallelogram::ThirdRow, SignedNumberText(z));
}

}  // namespace

void SolveParallelogramArea(Form& f) {
    TwoOfThree(f, [](double& d, double& h, double& S) {
        if (d != 0 && h != 0)
            S = d * h;
        else if (d != 0 && S != 0)
            h = S / d;
        else if (h != 0 && S != 0)
            d = S / h;
    });
}

void SolveParallelogramPerimeter(Form& f) {
    // Sums and differences step by step, left to right.
    TwoOfThree(f, [](double& a, double& b, double& P) {
        if (a != 0 && b != 0)
            P = ((a + a) + b) + b;
        else if (a != 0 && P != 0)
            b = ((P - a) - a) / 2;
        else if (b != 0 && P != 0)
            a = ((P - b) - b) / 2;
    });
}

void SolveParallelogramAngle(Form& f) {
    double a = ParseNumber(f.text(parallelogram::Side));
    double b = ParseNumber(f.text(parallelogram::AdjacentSide));
    double S = ParseNumber(f.text(parallelogram::Area));
    const double theta = ReadAngle(f, parallelogram::Angle);

    // Where the typed angle takes part, it must be one of a parallelogram.
    if (a != 0 && b != 0 && theta != 0) {
        S = (std::sin(ReadFigureAngle(f, parallelogram::Angle)) * a) * b;
    } else if (a != 0 && b != 0 && S != 0) {
        // The angle is sought: both angles with the sine S / a / b. The sides and the
        // area keep the text the user typed.
        // A right angle typed with decimals can leave a sine a few units in the last
        // place beyond 1: that is the right angle.
        const double s = UnitClamped(S / a / b);
        const double first = ArcSin(s);
        const double second = Pi() - first;
        f.write(parallelogram::Angle, AlternativesText(AngleInUnit(f, first), AngleInUnit(f, second)));
        return;
    } else if (a != 0 && theta != 0 && S != 0) {
        b = S / a / std::sin(ReadFigureAngle(f, parallelogram::Angle));
    } else if (b != 0 && theta != 0 && S != 0) {
        a = S / b / std::sin(ReadFigureAngle(f, parallelogram::Angle));
    }

    // A typed degree value goes to radians and back; at 15 digits it reads the same.
    f.write(parallelogram::Angle, NumberText(AngleInUnit(f, theta)));
    f.write(parallelogram::Side, NumberText(a));
    f.write(parallelogram::AdjacentSide, NumberText(b));
    f.write(parallelogram::Area, NumberText(S));
}

}  // namespace velunda
