// Coverage-guided fuzzing of the field readers and writers:
//   - neither reader crashes or misbehaves on any bytes;
//   - StrictNumber, where it accepts a text without group separators, agrees with
//     ParseNumber to the bit;
//   - a finite number written by NumberText reads back as the number rounded to 15
//     significant digits, and SignedNumberText only adds the blank;
//   - no text is written for NaN or an infinity.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "numeric/numbertext.h"

using namespace velunda;

namespace {

[[noreturn]] void fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
    std::abort();
}

void writeAndReadBack(double x) {
    if (!std::isfinite(x)) {
        try {
            NumberText(x);
        } catch (const ComputationFault&) {
            return;
        }
        fail("text written for a non-finite value", std::to_string(x));
    }
    const std::string text = NumberText(x);
    char rounded[64];
    std::snprintf(rounded, sizeof rounded, "%.14e", x);
    const double expected = std::strtod(rounded, nullptr);
    const double back = ParseNumber(text);
    if (!(back == expected)) fail("does not read back", text + " vs " + rounded);
    const std::string sign = SignedNumberText(x);
    if (sign != (x < 0 ? text : " " + text)) fail("signed text", sign);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double lenient = ParseNumber(text);
    writeAndReadBack(lenient);
    try {
        const double strict = StrictNumber(text);
        if (!std::isfinite(strict)) fail("strict reading gave a non-finite value", text);
        if (text.find(',') == std::string::npos && std::memcmp(&strict, &lenient, sizeof strict) != 0)
            fail("readers disagree", text);
    } catch (const ComputationFault&) {
    }
    if (size >= sizeof(double)) {
        double x;
        std::memcpy(&x, data, sizeof x);
        writeAndReadBack(x);
    }
    return 0;
}
