#include "solvers/solid/cuboid.h"

#include "numeric/numbertext.h"
#include "numeric/routines.h"

namespace velunda {
namespace {

// The three products are added in this order.
double Surface(double a, double b, double c) { return ((2 * a) * b + (2 * a) * c) + (2 * b) * c; }

double Volume(double a, double b, double c) { return (a * b) * c; }

// With a, A, S and V known, width and height are the roots of x² − k·x + A = 0 with
// k = b + c; the larger root is the width. Without a real root both keep what was read.
void WidthAndHeight(Form& f, double A, double S, double V, double& b, double& c) {
    const double k = (S * A - (2 * A) * A) / 2 / V;
    QuadraticRoots(f, 1, -k, A, b, c);
}

}  // namespace

void CuboidCompute(Form& f) {
    double a = ParseNumber(f.text(cuboid::Length));
    double b = ParseNumber(f.text(cuboid::Width));
    double c = ParseNumber(f.text(cuboid::Height));
    double A = ParseNumber(f.text(cuboid::CrossSection));
    double S = ParseNumber(f.text(cuboid::Surface));
    double V = ParseNumber(f.text(cuboid::Volume));

    // Each case asks for its three quantities whatever the other three hold. A zero
    // divisor (a = −b in the third case, b = −c in the eighth) gives a value that is not
    // finite, and the click is refused when it is written.
    if (a != 0 && b != 0 && c != 0) {
        A = b * c;
        S = Surface(a, b, c);
        V = Volume(a, b, c);
    } else if (a != 0 && b != 0 && A != 0) {
        c = A / b;
        S = Surface(a, b, c);
        V = Volume(a, b, c);
    } else if (a != 0 && b != 0 && S != 0) {
        c = (S / 2 - a * b) / (a + b);
        A = b * c;
        V = Volume(a, b, c);
    } else if (a != 0 && b != 0 && V != 0) {
        c = V / a / b;
        S = Surface(a, b, c);
        A = b * c;
    } else if (a != 0 && A != 0 && S != 0) {
        V = a * A;
        WidthAndHeight(f, A, S, V, b, c);
    } else if (a != 0 && S != 0 && V != 0) {
        A = V / a;
        WidthAndHeight(f, A, S, V, b, c);
    } else if (A != 0 && S != 0 && V != 0) {
        a = V / A;
        WidthAndHeight(f, A, S, V, b, c);
    } else if (b != 0 && c != 0 && S != 0) {
        A = b * c;
        a = (S / 2 - A) / (b + c);
        V = Volume(a, b, c);
    } else if (b != 0 && A != 0 && V != 0) {
        c = A / b;
        a = V / A;
        S = Surface(a, b, c);
    } else {
        f.ShowMessage("请下载新版本或查看帮助", Icon::Information);
    }

    f.write(cuboid::Length, NumberText(a));
    f.write(cuboid::Width, NumberText(b));
    f.write(cuboid::Height, NumberText(c));
    f.write(cuboid::CrossSection, NumberText(A));
    f.write(cuboid::Surface, NumberText(S));
    f.write(cuboid::Volume, NumberText(V));
}

}  // namespace velunda
