#include "numeric/numbertext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace velunda {
namespace {

// Walks UTF-8 text one character at a time and hands out the characters that matter to
// a number: full-width digits, signs, point and exponent letters and the ideographic
// full stop (as a Chinese input method types them) come out as their ASCII twins.
// Anything else that is not ASCII comes out as '\x01', which fits no rule of either
// reader.
class NumberChars {
public:
    explicit NumberChars(std::string_view text, std::size_t from = 0) : text_(text), pos_(from) { decodeCurrent(); }

    bool atEnd() const { return pos_ >= text_.size(); }
    std::size_t position() const { return pos_; }

    // The character at the cursor, decoded once when the cursor gets there; 0 at the end.
    char peek() const { return current_; }
    char next() {
        const char c = current_;
        pos_ += length_;
        decodeCurrent();
        return c;
    }

    // U+3000, the ideographic space, counts as a blank.
    bool atIdeographicSpace() const {
        return length_ == 3 && text_[pos_] == '\xE3' && text_[pos_ + 1] == '\x80' && text_[pos_ + 2] == '\x80';
    }

private:
    char decode(std::size_t at, std::size_t* length) const {
        if (at >= text_.size()) {
            *length = 0;
            return '\0';
        }
        const auto b0 = static_cast<unsigned char>(text_[at]);
        if (b0 < 0x80) {
            *length = 1;
            return static_cast<char>(b0);
        }
        // Length of this UTF-8 sequence (a stray byte counts as one character).
        std::size_t len = 1;
        if ((b0 & 0xE0) == 0xC0)
            len = 2;
        else if ((b0 & 0xF0) == 0xE0)
            len = 3;
        else if ((b0 & 0xF8) == 0xF0)
            len = 4;
        if (at + len > text_.size()) len = text_.size() - at;
        *length = len;
        if (len == 3 && b0 == 0xEF) {
            const auto b1 = static_cast<unsigned char>(text_[at + 1]);
            const auto b2 = static_cast<unsigned char>(text_[at + 2]);
            if (b1 == 0xBC) {
                if (b2 >= 0x90 && b2 <= 0x99) return static_cast<char>('0' + (b2 - 0x90));  // ０–９
                switch (b2) {
                    case 0x8B:
                        return '+';  // ＋
                    case 0x8D:
                        return '-';  // －
                    case 0x8E:
                        return '.';  // ．
                    case 0xA5:
                        return 'E';  // Ｅ
                    case 0xA4:
                        return 'D';  // Ｄ
                    default:
                        break;
                }
            } else if (b1 == 0xBD) {
                if (b2 == 0x85) return 'e';  // ｅ
                if (b2 == 0x84) return 'd';  // ｄ
            }
        }
        // 。, which the period key types in Chinese punctuation mode.
        if (len == 3 && b0 == 0xE3 && text_[at + 1] == '\x80' && text_[at + 2] == '\x82') return '.';
        return '\x01';
    }

    void decodeCurrent() { current_ = decode(pos_, &length_); }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t length_ = 0;  // bytes of the character at the cursor
    char current_ = '\0';
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Collects the digits of a decimal number and turns them into the nearest double.
// Only the first 800 significant digits are kept, with a sticky digit standing for
// the rest: enough to round every double correctly, and the conversion stays linear in
// the length of the text however many digits are typed. The digits live in the object
// itself, so reading a field allocates nothing.
class DecimalDigits {
public:
    void addDigit(char d, bool afterPoint) {
        if (afterPoint) ++fractionDigits_;
        if (count_ == 0 && d == '0') return;  // leading zeros carry no value
        if (count_ < kKept) {
            if (count_ < kExactDigits) mantissa_ = mantissa_ * 10 + std::uint64_t(d - '0');
            digits_[count_++] = d;
        } else {
            ++dropped_;
            if (d != '0') sticky_ = true;
        }
    }

    void setExponent(std::int64_t e) { exponent_ = e; }

    double value(bool negative) const {
        const double zero = negative ? -0.0 : 0.0;
        if (count_ == 0) return zero;
        // value = digits × 10^scale
        std::int64_t scale = exponent_ - fractionDigits_ + dropped_;
        const auto magnitude = scale + static_cast<std::int64_t>(count_);
        if (magnitude > 400) return negative ? -kInf : kInf;
        if (magnitude < -400) return zero;
        // The texts pupils type: up to 15 digits and a power of ten up to 22 are both
        // exact doubles, so one multiplication or division gives the correctly rounded
        // value, the same that the full conversion below gives.
        if (count_ <= kExactDigits && scale >= -22 && scale <= 22) {
            const double m = static_cast<double>(mantissa_);
            const double v = scale < 0 ? m / kPowersOfTen[-scale] : m * kPowersOfTen[scale];
            return negative ? -v : v;
        }
        char buffer[kKept + 32];
        std::size_t n = count_;
        std::copy(digits_, digits_ + count_, buffer);
        if (sticky_) buffer[n++] = '1', --scale;
        buffer[n++] = 'e';
        const auto end = std::to_chars(buffer + n, buffer + sizeof buffer, scale).ptr;
        double v = 0;
        const auto [ptr, ec] = std::from_chars(buffer, end, v);
        if (ec == std::errc::result_out_of_range) v = magnitude > 0 ? kInf : 0.0;
        return negative ? -v : v;
    }

private:
    static constexpr std::size_t kKept = 800;
    static constexpr std::size_t kExactDigits = 15;  // below 2^53
    static constexpr double kInf = std::numeric_limits<double>::infinity();
    static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                              1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    char digits_[kKept];
    std::size_t count_ = 0;
    std::uint64_t mantissa_ = 0;  // the first kExactDigits digits
    std::int64_t fractionDigits_ = 0;
    std::int64_t dropped_ = 0;
    std::int64_t exponent_ = 0;
    bool sticky_ = false;
};

// Reads exponent digits, saturating far beyond any meaningful exponent.
std::int64_t saturatingAppend(std::int64_t e, char d) {
    constexpr std::int64_t kLimit = 1'000'000'000;
    return e >= kLimit ? e : e * 10 + (d - '0');
}

// Writes |x| rounded to `digits` significant digits by the layout rules into `out`,
// which has room for 32 characters; returns the end.
char* writeSignificant(char* out, double magnitude, int digits) {
    // "d.ddd…e±XX": the rounded digits and the decimal exponent of the first one.
    char sci[40];
    const char* sciEnd = std::to_chars(sci, sci + sizeof sci, magnitude, std::chars_format::scientific, digits - 1).ptr;
    char rounded[24];
    std::size_t count = 0;
    const char* c = sci;
    for (; *c != 'e'; ++c)
        if (*c != '.') rounded[count++] = *c;
    while (count > 1 && rounded[count - 1] == '0') --count;  // no trailing zeros
    const bool negativeExponent = c[1] == '-';
    int e = 0;
    for (c += 2; c < sciEnd; ++c) e = e * 10 + (*c - '0');
    if (negativeExponent) e = -e;

    if (e < -4 || e >= digits) {
        *out++ = rounded[0];
        if (count > 1) {
            *out++ = '.';
            out = std::copy(rounded + 1, rounded + count, out);
        }
        *out++ = 'E';
        *out++ = e < 0 ? '-' : '+';
        const int a = e < 0 ? -e : e;
        if (a < 10) *out++ = '0';
        out = std::to_chars(out, out + 4, a).ptr;
    } else if (e >= 0) {
        const auto whole = static_cast<std::size_t>(e) + 1;
        if (count <= whole) {
            out = std::copy(rounded, rounded + count, out);
            out = std::fill_n(out, whole - count, '0');
        } else {
            out = std::copy(rounded, rounded + whole, out);
            *out++ = '.';
            out = std::copy(rounded + whole, rounded + count, out);
        }
    } else {
        *out++ = '.';
        out = std::fill_n(out, -e - 1, '0');
        out = std::copy(rounded, rounded + count, out);
    }
    return out;
}

// The text of x in `digits` significant digits, after `prefix` (a blank or nothing).
std::string formatSignificant(double x, int digits, std::string_view prefix = {}) {
    if (!std::isfinite(x)) throw ComputationFault("not a finite number");
    char out[40];
    char* end = std::copy(prefix.begin(), prefix.end(), out);
    if (x == 0) {
        *end++ = '0';
    } else {
        if (x < 0) *end++ = '-';
        end = writeSignificant(end, std::fabs(x), digits);
    }
    return std::string(out, end);
}

}  // namespace

double ParseNumber(std::string_view text) {
    // Blanks, tabs, line feeds and ideographic spaces are removed wherever they stand and
    // full-width characters become their ASCII twins; the number is then read from what
    // is left, in place on the stack for any text a field ordinarily holds.
    char local[64];
    std::string large;
    char* const begin = text.size() <= sizeof local ? local : (large.resize(text.size()), large.data());
    char* end = begin;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (static_cast<unsigned char>(c) < 0x80) {  // ASCII, most texts throughout
            ++i;
            if (c != ' ' && c != '\t' && c != '\n') *end++ = c;
            continue;
        }
        NumberChars in(text, i);
        if (!in.atIdeographicSpace()) *end++ = in.peek();
        in.next();
        i = in.position();
    }

    const char* p = begin;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) negative = *p++ == '-';
    DecimalDigits number;
    bool anyDigit = false, point = false;
    for (; p < end; ++p) {
        if (isDigit(*p)) {
            number.addDigit(*p, point);
            anyDigit = true;
        } else if (*p == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!anyDigit) return 0.0;

    if (p < end && (*p == 'E' || *p == 'e' || *p == 'D' || *p == 'd')) {
        ++p;
        bool expNegative = false;
        if (p < end && (*p == '+' || *p == '-')) expNegative = *p++ == '-';
        std::int64_t e = 0;
        bool expDigit = false;
        for (; p < end && isDigit(*p); ++p) {
            e = saturatingAppend(e, *p);
            expDigit = true;
        }
        // An exponent letter without digits is ignored.
        if (expDigit) number.setExponent(expNegative ? -e : e);
    }
    return number.value(negative);
}

double StrictNumber(std::string_view text) {
    // Leading and trailing blanks (ASCII or ideographic) do not count.
    auto isBlankAt = [&text](std::size_t i) {
        return text[i] == ' ' || text[i] == '\t' || text.substr(i, 3) == "\xE3\x80\x80";
    };
    std::size_t begin = 0, end = text.size();
    while (begin < end && isBlankAt(begin)) begin += text[begin] == ' ' || text[begin] == '\t' ? 1 : 3;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t' ||
                           (end - begin >= 3 && text.substr(end - 3, 3) == "\xE3\x80\x80")))
        end -= text[end - 1] == ' ' || text[end - 1] == '\t' ? 1 : 3;

    NumberChars in(text.substr(begin, end - begin));
    auto fail = [] { return ComputationFault("not a number"); };

    bool negative = false;
    if (const char c = in.peek(); c == '+' || c == '-') {
        negative = c == '-';
        in.next();
    }
    DecimalDigits number;
    bool anyDigit = false;
    // Whole part: digits, with single commas between digits as group separators.
    while (!in.atEnd()) {
        const char c = in.peek();
        if (isDigit(c)) {
            number.addDigit(in.next(), false);
            anyDigit = true;
        } else if (c == ',' && anyDigit) {
            in.next();
            if (!isDigit(in.peek())) throw fail();
        } else {
            break;
        }
    }
    if (in.peek() == '.') {
        in.next();
        while (isDigit(in.peek())) {
            number.addDigit(in.next(), true);
            anyDigit = true;
        }
    }
    if (!anyDigit) throw fail();
    if (const char c = in.peek(); c == 'E' || c == 'e') {
        in.next();
        bool expNegative = false;
        if (const char s = in.peek(); s == '+' || s == '-') {
            expNegative = s == '-';
            in.next();
        }
        if (!isDigit(in.peek())) throw fail();
        std::int64_t e = 0;
        while (isDigit(in.peek())) e = saturatingAppend(e, in.next());
        number.setExponent(expNegative ? -e : e);
    }
    if (!in.atEnd()) throw fail();
    const double v = number.value(negative);
    if (!std::isfinite(v)) throw ComputationFault("number out of range");
    return v;
}

std::string NumberText(double x) { return formatSignificant(x, 15); }

std::string SignedNumberText(double x) { return formatSignificant(x, 15, x < 0 ? "" : " "); }

std::string AlternativesText(double first, double second) {
    return SignedNumberText(first) + "或" + SignedNumberText(second);
}

std::string SingleNumberText(float x) { return formatSignificant(static_cast<double>(x), 7); }

}  // namespace velunda
