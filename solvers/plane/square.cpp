#include "solvers/plane/square.h"

#include <cmath>

#include "numeric/numbertext.h"

namespace velunda {

// √2 is taken at run time; the diagonal is a × √2 and the side from it D / √2.

void SquareFromSide(Form& f) {
    const double a = ParseNumber(f.text(square::Side));
    const double P = a * 4, S = a * a, D = a * std::sqrt(2.0);
    f.write(square::Perimeter, SignedNumberText(P));
    f.write(square::Area, NumberText(S));
    f.write(square::Diagonal, NumberText(D));
}

void SquareFromPerimeter(Form& f) {
    const double P = ParseNumber(f.text(square::Perimeter));
    const double a = P / 4, S = a * a, D = a * std::sqrt(2.0);
    f.write(square::Side, NumberText(a));
    f.write(square::Area, NumberText(S));
    f.write(square::Diagonal, NumberText(D));
}

void SquareFromArea(Form& f) {
    const double S = ParseNumber(f.text(square::Area));
    const double a = std::sqrt(S), P = a * 4, D = a * std::sqrt(2.0);
    f.write(square::Perimeter, NumberText(P));
    f.write(square::Side, NumberText(a));
    f.write(square::Diagonal, NumberText(D));
}

void SquareFromDiagonal(Form& f) {
    const double D = ParseNumber(f.text(square::Diagonal));
    const double a = D / std::sqrt(2.0), P = a * 4, S = a * a;
    f.write(square::Perimeter, SignedNumberText(P));
    f.write(square::Area, NumberText(S));
    f.write(square::Side, NumberText(a));
}

}  // namespace velunda
