#include "solvers/plane/square.h"

#include <cmath>

#include "numeric/numbertext.h"

namespace velunda {

// √2 is taken at run time; the diagonal is a × √2 and the side from it D / √2.

void SquareFromSide(Form& f) {
    const double a = ParseNumber(f.text("Text1"));
    const double P = a * 4, S = a * a, D = a * std::sqrt(2.0);
    f.write("Text2", SignedNumberText(P));
    f.write("Text3", NumberText(S));
    f.write("Text4", NumberText(D));
}

void SquareFromPerimeter(Form& f) {
    const double P = ParseNumber(f.text("Text2"));
    const double a = P / 4, S = a * a, D = a * std::sqrt(2.0);
    f.write("Text1", NumberText(a));
    f.write("Text3", NumberText(S));
    f.write("Text4", NumberText(D));
}

void SquareFromArea(Form& f) {
    const double S = ParseNumber(f.text("Text3"));
    const double a = std::sqrt(S), P = a * 4, D = a * std::sqrt(2.0);
    f.write("Text2", NumberText(P));
    f.write("Text1", NumberText(a));
    f.write("Text4", NumberText(D));
}

void SquareFromDiagonal(Form& f) {
    const double D = ParseNumber(f.text("Text4"));
    const double a = D / std::sqrt(2.0), P = a * 4, S = a * a;
    f.write("Text2", SignedNumberText(P));
    f.write("Text3", NumberText(S));
    f.write("Text1", NumberText(a));
}

}  // namespace velunda
