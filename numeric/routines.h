// Numeric routines shared by several windows. Every formula keeps the grouping of
// operations it is written with: the grouping decides the last digit of the results.
#pragma once

#include <string>

#include "numeric/form.h"

namespace velunda {

// π as the routines use it: the double nearest to π, computed as 4 × arctan(1).
double Pi();

double RadToDeg(double x);  // x × 360 / 2 / π
double DegToRad(double x);  // x / 360 × 2 × π

// Inverse sine and cosine through the arctangent. At exactly ±1 they give their
// mathematical limits; outside [-1, 1] the result is NaN.
double ArcSin(double x);
double ArcCos(double x);

// √(u − v), where a difference that is negative only by rounding — by at most
// 2⁻⁵⁰ × (|u| + |v|) — counts as 0. A difference negative beyond that gives NaN.
double RootOfDifference(double u, double v);

// A sine or cosine that lies beyond ±1 only by rounding, by at most 2⁻⁴⁹, taken as ±1;
// every other value as it is.
double UnitClamped(double x);

// Real roots of a·x² + b·x + c = 0 in double precision. "first" is the root
// (−b + √D) / 2a and "second" (−b − √D) / 2a, with D = b·b − 4ac; the root that the
// formula would take from a difference of nearly equal values comes from c / q
// instead, so that no digits cancel. A discriminant negative only by rounding is 0.
// With a negative discriminant it shows "无解" and leaves first and second as they
// were; returns whether it wrote them.
bool QuadraticRoots(Form& form, double a, double b, double c, double& first, double& second);

// The third side of a triangle from two sides and the included angle in radians.
double CosineRuleSide(double a, double b, double theta);

// NumberText with the "0" before the decimal point of a fraction restored: "0.5",
// "-0.25"; the case is chosen on the value, so 0.9999999999999999 gives "01".
std::string LeadingZeroText(double x);

}  // namespace velunda
