// The pupil's own answer to an exercise: read in the notation a pupil writes (5√2, 7/3,
// (1+√5)/2, 25π, π/6, 30°, "根号2", "pi", full-width characters, two answers joined by
// "或" or ","), into exact numbers, and judged against the exact answer: right, right
// but not in simplest form, a rounded decimal of it, one of the exercise's known slips,
// or wrong. Equal means equal exactly: √50 is 5√2, 7.07 is not.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exact/exactnumber.h"

namespace velunda::exact {

// One value as the pupil wrote it.
struct TypedValue {
    std::string text;  // as typed, without the name in front ("5√2" of "d = 5√2")
    Number value;
    bool degrees = false;  // written with °
    // What keeps it from its simplest form, where something does.
    enum class Unsimplified { No, Fraction, RootInDenominator, Radicand } unsimplified = Unsimplified::No;
    // A decimal alone ("7.07", "-0.5"): the number of places after its point, else -1.
    int places = -1;
};

// The values of an answer, or where the text stops being readable.
struct TypedAnswer {
    std::vector<TypedValue> values;
    std::string fault;  // "第 3 个字符“x”看不懂", "" when the whole text reads
};

TypedAnswer ReadTypedAnswer(std::string_view text);

// A known slip of an exercise: what the pupil did, and the value it gives.
struct Slip {
    std::string what;  // "把直径当成了半径"
    Number value;
};

// The quantity asked for and its exact answer: one value, or the two roots of an
// equation in any order.
struct Asked {
    std::string quantity;  // "对角线 d"
    std::vector<Number> values;
    bool degrees = false;  // an angle asked in degrees (a typed ° is its unit); else radians
};

struct Verdict {
    bool right = false;
    std::string slip;  // the slip it is, where it is one
    std::string text;  // one line, starting with ✓ or ✗ and naming the quantity
};

Verdict Judge(const Asked& asked, std::string_view typed, const std::vector<Slip>& slips = {});

}  // namespace velunda::exact
