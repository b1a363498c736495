#include "solvers/algebra/linear.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <string>
#include <utility>

#include "numeric/numbertext.h"

namespace velunda {
namespace {

// x (and y of three equations) are shown to 5 decimals; a value exactly halfway goes
// to the even last digit. A value so large that it has no digits left after the point
// stays as it is.
double RoundToFiveDecimals(double v) {
    const double scaled = v * 100000;
    if (!std::isfinite(scaled)) return v;
    return std::nearbyint(scaled) / 100000;
}

// Products that overflow make every comparison between them meaningless, and a
// coefficient typed beyond the double range reaches them as an infinity or no number.
void RequireFinite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) throw ComputationFault("a product overflows");
}

// Two products of typed coefficients count as equal when they differ by rounding only:
// decimals are not exact in binary, so 0.1 × 3 and 0.3 × 1 differ in the last place.
bool SameProduct(double u, double v) { return std::fabs(u - v) <= 0x1p-50 * (std::fabs(u) + std::fabs(v)); }

const std::string kNoSolution = "无解";

// The one solution of a system a·x + b·y + c·z + d = 0 that the elimination through
// the second row cannot reach (a zero x coefficient in the first or second row, or a
// pair of rows that leaves no z): Gaussian elimination with the largest pivot of each
// column. False where the determinant is 0, or only rounding keeps it from 0.
bool SolveByPivoting(std::array<std::array<double, 4>, 3> m, std::array<double, 3>& v) {
    const auto& [r1, r2, r3] = m;
    const double det = r1[0] * (r2[1] * r3[2] - r3[1] * r2[2]) - r1[1] * (r2[0] * r3[2] - r3[0] * r2[2]) +
                       r1[2] * (r2[0] * r3[1] - r3[0] * r2[1]);
    const double size = std::fabs(r1[0]) * (std::fabs(r2[1] * r3[2]) + std::fabs(r3[1] * r2[2])) +
                        std::fabs(r1[1]) * (std::fabs(r2[0] * r3[2]) + std::fabs(r3[0] * r2[2])) +
                        std::fabs(r1[2]) * (std::fabs(r2[0] * r3[1]) + std::fabs(r3[0] * r2[1]));
    RequireFinite({det, size});
    if (std::fabs(det) <= 0x1p-48 * size) return false;
    for (int col = 0; col < 3; ++col) {
        int pivot = col;
        for (int row = col + 1; row < 3; ++row)
            if (std::fabs(m[row][col]) > std::fabs(m[pivot][col])) pivot = row;
        std::swap(m[col], m[pivot]);
        for (int row = col + 1; row < 3; ++row) {
            const double factor = m[row][col] / m[col][col];
            for (int k = col; k < 4; ++k) m[row][k] -= factor * m[col][k];
        }
    }
    for (int col = 2; col >= 0; --col) {
        double rest = -m[col][3];
        for (int k = col + 1; k < 3; ++k) rest -= m[col][k] * v[k];
        v[col] = rest / m[col][col];
    }
    return true;
}

}  // namespace

void TwoLinearEquations(Form& f) {
    const double a1 = ParseNumber(f.text(twoequations::A1));
    const double b1 = ParseNumber(f.text(twoequations::B1));
    const double c1 = ParseNumber(f.text(twoequations::C1));
    const double a2 = ParseNumber(f.text(twoequations::A2));
    const double b2 = ParseNumber(f.text(twoequations::B2));
    const double c2 = ParseNumber(f.text(twoequations::C2));
    RequireFinite({a1 * c2, a2 * c1, a1 * b2, a2 * b1, c1 * b2, b1 * c2});

    const auto pair = [&f](double x, double y) {
        f.write(twoequations::Answer, "x=" + NumberText(RoundToFiveDecimals(x)) + "  y=" + NumberText(y));
    };
    // An equation left with neither unknown: 0 = c has no solution unless c is 0, and
    // then it is no equation at all.
    const auto withoutUnknowns = [&f](double c) {
        if (c != 0)
            f.write(twoequations::Answer, kNoSolution);
        else
            f.ShowMessage("这个不是二元一次方程组");
    };

    // The products the cases compare, each pair equal or not as SameProduct says.
    const bool sameXC = SameProduct(a1 * c2, a2 * c1);
    const bool sameXY = SameProduct(a1 * b2, a2 * b1);
    const bool sameCY = SameProduct(c1 * b2, b1 * c2);

    if (b1 == 0 && b2 != 0) {
        if (a1 == 0) return withoutUnknowns(c1);
        const double x = (-c1) / a1;
        const double y = (a2 * c1 - a1 * c2) / (a1 * b2);
        pair(x, y);
    } else if (b2 == 0 && b1 != 0) {
        if (a2 == 0) return withoutUnknowns(c2);
        const double x = (-c2) / a2;
        const double y = (a1 * c2 - a2 * c1) / (a2 * b1);
        pair(x, y);
    } else if (b2 == 0 && b1 == 0 && sameXC) {
        if (a1 == 0) {
            f.ShowMessage("这个不是二元一次方程组");
            return;
        }
        const double x = (-c1) / a1;
        f.write(twoequations::Answer, "x=" + NumberText(RoundToFiveDecimals(x)) + "  y为任何实数");
    } else if (a1 == 0 && b1 == 0 && !sameXC) {
        f.write(twoequations::Answer, kNoSolution);
    } else if (b1 == 0 && b2 == 0 && a1 != 0 && !sameXC) {
        // Two equations in x alone that contradict each other.
        f.write(twoequations::Answer, kNoSolution);
    } else if (b1 != 0 && b2 != 0 && !sameXY) {
        const double x = (c1 * b2 - b1 * c2) / (b1 * a2 - a1 * b2);
        const double y = (-a1 * x) / b1 - c1 / b1;
        pair(x, y);
    } else if (b1 != 0 && b2 != 0 && sameXY && a1 == 0 && a2 == 0) {
        if (sameCY)
            f.write(twoequations::Answer, "x为任何实数  y=" + NumberText((-c1) / b1));
        else
            f.write(twoequations::Answer, kNoSolution);
    } else if (b1 != 0 && b2 != 0 && sameXY && a1 != 0 && a2 != 0) {
        // One line written twice: every point of it solves the system.
        if (sameCY)
            f.write(twoequations::Answer, "有无数组解");
        else
            f.write(twoequations::Answer, kNoSolution);
    } else {
        // Only left for coefficients so small that a product underflows to 0 beside
        // one that does not: no case can say anything sound about them.
        throw ComputationFault("a product underflows");
    }
}

void ThreeLinearEquations(Form& f) {
    std::array<double, 13> k{};  // k[1] … k[12], in the order of the fields
    for (int i = 1; i <= 12; ++i) k[i] = ParseNumber(f.text("Text1(" + std::to_string(i) + ")"));
    const double a1 = k[1], b1 = k[2], c1 = k[3], d1 = k[4];
    const double a2 = k[5], b2 = k[6], c2 = k[7], d2 = k[8];
    const double a3 = k[9], b3 = k[10], c3 = k[11], d3 = k[12];

    // The first row times a2 minus the second times a1, and the second times a3 minus
    // the third times a2: two equations in y and z.
    const double P1 = a2 * b1 - a1 * b2, Q1 = a2 * c1 - a1 * c2, R1 = a2 * d1 - a1 * d2;
    const double P3 = a3 * b2 - a2 * b3, Q3 = a3 * c2 - a2 * c3, R3 = a3 * d2 - a2 * d3;
    const double D = Q1 * P3 - Q3 * P1;
    RequireFinite({P1, Q1, R1, P3, Q3, R3, D});

    // A singular system typed with decimals leaves a D of rounding errors only: it
    // counts as 0 when it is that small beside the products it is made of.
    const double singular =
        0x1p-48 * ((std::fabs(a2 * c1) + std::fabs(a1 * c2)) * (std::fabs(a3 * b2) + std::fabs(a2 * b3)) +
                   (std::fabs(a3 * c2) + std::fabs(a2 * c3)) * (std::fabs(a2 * b1) + std::fabs(a1 * b2)));
    std::string x, y, z;  // a number-less result line when the method cannot go on
    if (std::fabs(D) > singular && a1 != 0) {
        const double vy = (R1 * Q3 - Q1 * R3) / D;
        // z from the first reduced equation, or from the second where the first has no
        // z, or one only by rounding (then Q3 is not 0, as D is not).
        const bool firstHasZ = !SameProduct(a2 * c1, a1 * c2);
        const double vz = firstHasZ ? (-R1 - P1 * vy) / Q1 : (-R3 - P3 * vy) / Q3;
        const double vx = -(b1 * vy + c1 * vz + d1) / a1;
        x = NumberText(RoundToFiveDecimals(vx));
        y = NumberText(RoundToFiveDecimals(vy));
        z = NumberText(vz);
    } else if (std::array<double, 3> v{};
               SolveByPivoting({{{a1, b1, c1, d1}, {a2, b2, c2, d2}, {a3, b3, c3, d3}}}, v)) {
        // Every other system with exactly one solution, with the same rounding.
        x = NumberText(RoundToFiveDecimals(v[0]));
        y = NumberText(RoundToFiveDecimals(v[1]));
        z = NumberText(v[2]);
    } else {
        f.ShowMessage("请下载更新版本");
    }
    f.write(threeequations::Answer, "x=" + x + "  y=" + y + "  z=" + z);
}

}  // namespace velunda
