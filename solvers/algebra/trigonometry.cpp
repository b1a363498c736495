#include "solvers/algebra/trigonometry.h"

#include <cmath>
#include <string>

#include "numeric/numbertext.h"
#include "numeric/routines.h"

namespace velunda {
namespace {

const std::string kMeaningless = "无意义";

// LeadingZeroText for a single-precision value: 7 significant digits.
std::string SingleLeadingZeroText(float x) {
    if (0 < x && x < 1) return "0" + SingleNumberText(x);
    if (-1 < x && x < 0) return "-0" + SingleNumberText(-x);
    return SingleNumberText(x);
}

// A tangent that single precision cannot hold refuses the computation, whether it was
// typed beyond the single range (1e40) or beyond the double range too (1e400).
float Single(double v) {
    const float s = static_cast<float>(v);
    if (std::isinf(s)) throw ComputationFault("beyond single precision");
    return s;
}

void WriteRightAngle(Form& f) {
    f.write(trigonometry::Degrees, "90");
    f.write(trigonometry::Radians, "1.57079632679489");
    f.write(trigonometry::Sine, "1");
    f.write(trigonometry::Cosine, "0");
    f.write(trigonometry::Tangent, kMeaningless);
    f.write(trigonometry::Cotangent, "0");
}

}  // namespace

void AngleAndFunctions(Form& f) {
    double RAD = ParseNumber(f.text(trigonometry::Radians));
    double DEG = ParseNumber(f.text(trigonometry::Degrees));
    double SIN = ParseNumber(f.text(trigonometry::Sine));
    double COS = ParseNumber(f.text(trigonometry::Cosine));
    float TAN = Single(ParseNumber(f.text(trigonometry::Tangent)));  // a tangent beyond its range cannot be held
    const double typedCot = ParseNumber(f.text(trigonometry::Cotangent));

    if (DEG == 90 || RAD == trigonometry::kRightAngleRadians) return WriteRightAngle(f);

    // The cotangent's text: 1 / TAN in single precision, or without meaning where the
    // tangent is 0 rather than a division by zero.
    std::string COT;
    const auto tangentAndCotangent = [&] {
        TAN = static_cast<float>(std::tan(RAD));
        COT = TAN == 0 ? kMeaningless : SingleLeadingZeroText(1.0f / TAN);
    };

    if (RAD != 0) {
        DEG = RadToDeg(RAD);
        SIN = std::sin(RAD);
        COS = std::cos(RAD);
        tangentAndCotangent();
    } else if (DEG != 0) {
        RAD = DegToRad(DEG);
        SIN = std::sin(RAD);
        COS = std::cos(RAD);
        tangentAndCotangent();
    } else if (SIN != 0) {
        if (SIN == 1) return WriteRightAngle(f);
        RAD = ArcSin(SIN);
        DEG = RadToDeg(RAD);
        COS = std::cos(RAD);
        tangentAndCotangent();
    } else if (COS != 0) {
        RAD = ArcCos(COS);
        DEG = RadToDeg(RAD);
        SIN = std::sin(RAD);
        tangentAndCotangent();
    } else if (TAN != 0) {
        RAD = std::atan(static_cast<double>(TAN));
        DEG = RadToDeg(RAD);
        SIN = std::sin(RAD);
        COS = std::cos(RAD);
        tangentAndCotangent();
    } else if (typedCot != 0) {
        TAN = Single(1 / typedCot);
        RAD = std::atan(static_cast<double>(TAN));
        DEG = RadToDeg(RAD);
        SIN = std::sin(RAD);
        COS = std::cos(RAD);
        COT = LeadingZeroText(typedCot);  // the typed cotangent stays as it was typed
    } else {
        DEG = 0, RAD = 0, SIN = 0, COS = 1, TAN = 0;
        COT = kMeaningless;
    }

    f.write(trigonometry::Degrees, NumberText(DEG));
    f.write(trigonometry::Radians, LeadingZeroText(RAD));
    f.write(trigonometry::Sine, LeadingZeroText(SIN));
    f.write(trigonometry::Cosine, LeadingZeroText(COS));
    f.write(trigonometry::Tangent, SingleLeadingZeroText(TAN));
    f.write(trigonometry::Cotangent, COT);
}

}  // namespace velunda
