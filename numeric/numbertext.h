// Conversions between the text of a field and a number.
//
// Fields hold UTF-8 text. Reading is either lenient (ParseNumber: whatever does not
// read is 0) or strict (StrictNumber: the whole text must be a number). Writing rounds
// to 15 significant digits (7 for single-precision values) and drops the "0" in front
// of the decimal point of a fraction.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace velunda {

// Thrown when a computation meets a value it cannot write (NaN, an infinity) or a
// text StrictNumber refuses. The window drops the computation's writes and says so.
class ComputationFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Lenient reading: blanks anywhere are removed, then an optional sign, digits with at
// most one ".", and an optional exponent (E, e, D or d) are read; reading stops at the
// first character that does not fit. No digit read gives 0. Full-width digits, signs,
// point and exponent letters count as their ASCII twins, and "。" as the point. Never
// throws; a magnitude beyond the double range reads as an infinity.
double ParseNumber(std::string_view text);

// Strict reading: apart from leading and trailing blanks the whole text is one number:
// sign, digits with "," between digits as group separator, an optional "." part and
// an optional exponent (E or e); full-width characters and "。" read as for
// ParseNumber. Throws ComputationFault on anything else, and on a magnitude beyond the
// double range.
double StrictNumber(std::string_view text);

// 15 significant digits; scientific form ("1E+15", "2.5E-07") when the decimal
// exponent is below -4 or at least 15; ".5" for a half. Throws ComputationFault for
// NaN and infinities.
std::string NumberText(double x);

// NumberText with a blank in front of values that are not negative (" 20", " 0").
std::string SignedNumberText(double x);

// Two admissible results in one field: SignedNumberText of each, joined by "或"
// (" 30或 150").
std::string AlternativesText(double first, double second);

// The same rules for a single-precision value, with 7 significant digits.
std::string SingleNumberText(float x);

}  // namespace velunda
