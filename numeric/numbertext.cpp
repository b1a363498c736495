#include "numeric/numbertext.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace velunda {
namespace {

// Walks UTF-8 text one character at a time and hands out the characters that matter to
// a number: full-width digits, signs, point and exponent letters (as a Chinese input
// method types them) come out as their ASCII twins. Anything else that is not ASCII
// comes out as '\x01', which fits no rule of either reader.
class NumberChars {
public:
    explicit NumberChars(std::string_view text) : text_(text) {}

    bool atEnd() const { return pos_ >= text_.size(); }
    std::size_t position() const { return pos_; }
    void rewind(std::size_t pos) { pos_ = pos; }

    // The character at the cursor and how many bytes it takes; 0 at the end.
    char peek(std::size_t* length = nullptr) const {
        std::size_t len = 1;
        char c = decode(pos_, &len);
        if (length) *length = len;
        return c;
    }
    char next() {
        std::size_t len = 0;
        char c = peek(&len);
        pos_ += len;
        return c;
    }

    // U+3000, the ideographic space, counts as a blank.
    bool atIdeographicSpace() const {
        return text_.substr(pos_, 3) == "\xE3\x80\x80";
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
        if ((b0 & 0xE0) == 0xC0) len = 2;
        else if ((b0 & 0xF0) == 0xE0) len = 3;
        else if ((b0 & 0xF8) == 0xF0) len = 4;
        if (at + len > text_.size()) len = text_.size() - at;
        *length = len;
        if (len == 3 && b0 == 0xEF) {
            const auto b1 = static_cast<unsigned char>(text_[at + 1]);
            const auto b2 = static_cast<unsigned char>(text_[at + 2]);
            if (b1 == 0xBC) {
                if (b2 >= 0x90 && b2 <= 0x99) return static_cast<char>('0' + (b2 - 0x90));  // ０–９
                switch (b2) {
                case 0x8B: return '+';  // ＋
                case 0x8D: return '-';  // －
                case 0x8E: return '.';  // ．
                case 0xA5: return 'E';  // Ｅ
                case 0xA4: return 'D';  // Ｄ
                default: break;
                }
            } else if (b1 == 0xBD) {
                if (b2 == 0x85) return 'e';  // ｅ
                if (b2 == 0x84) return 'd';  // ｄ
            }
        }
        return '\x01';
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Collects the digits of a decimal number and turns them into the nearest double.
// Only the first 800 significant digits are kept, with a sticky digit standing for
// the rest: enough to round every double correctly, and the conversion stays linear in
// the length of the text however many digits are typed.
class DecimalDigits {
public:
    void addDigit(char d, bool afterPoint) {
        if (afterPoint) ++fractionDigits_;
        if (digits_.empty() && d == '0') return;  // leading zeros carry no value
        if (digits_.size() < kKept) {
            digits_.push_back(d);
        } else {
            ++dropped_;
            if (d != '0') sticky_ = true;
        }
    }

    void setExponent(std::int64_t e) { exponent_ = e; }

    double value(bool negative) const {
        const double zero = negative ? -0.0 : 0.0;
        if (digits_.empty()) return zero;
        // value = digits × 10^scale
        std::int64_t scale = exponent_ - fractionDigits_ + dropped_;
        const auto magnitude = scale + static_cast<std::int64_t>(digits_.size());
        if (magnitude > 400) return negative ? -kInf : kInf;
        if (magnitude < -400) return zero;
        std::string buffer = digits_;
        if (sticky_) buffer.push_back('1'), --scale;
        buffer.push_back('e');
        buffer += std::to_string(scale);
        double v = 0;
        const auto [ptr, ec] = std::from_chars(buffer.data(), buffer.data() + buffer.size(), v);
        if (ec == std::errc::result_out_of_range) v = magnitude > 0 ? kInf : 0.0;
        return negative ? -v : v;
    }

private:
    static constexpr std::size_t kKept = 800;
    static constexpr double kInf = std::numeric_limits<double>::infinity();
    std::string digits_;
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

// The position of a number in 15 (or 7) significant digits: the digits without
// trailing zeros and the decimal exponent of the first one.
struct Significant {
    std::string digits;
    int exponent = 0;
};

Significant roundTo(double magnitude, int digits) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, digits - 1);
    std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const auto e = text.find('e');
    Significant s;
    for (char c : text.substr(0, e))
        if (c != '.') s.digits.push_back(c);
    while (s.digits.size() > 1 && s.digits.back() == '0') s.digits.pop_back();
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), s.exponent);
    return s;
}

std::string formatSignificant(double x, int digits) {
    if (!std::isfinite(x)) throw ComputationFault("not a finite number");
    if (x == 0) return "0";
    const Significant s = roundTo(std::fabs(x), digits);
    std::string out;
    if (x < 0) out.push_back('-');
    const int e = s.exponent;
    if (e < -4 || e >= digits) {
        out.push_back(s.digits[0]);
        if (s.digits.size() > 1) {
            out.push_back('.');
            out.append(s.digits, 1);
        }
        out.push_back('E');
        out.push_back(e < 0 ? '-' : '+');
        const int a = e < 0 ? -e : e;
        if (a < 10) out.push_back('0');
        out += std::to_string(a);
    } else if (e >= 0) {
        const auto whole = static_cast<std::size_t>(e) + 1;
        if (s.digits.size() <= whole) {
            out += s.digits;
            out.append(whole - s.digits.size(), '0');
        } else {
            out.append(s.digits, 0, whole);
            out.push_back('.');
            out.append(s.digits, whole);
        }
    } else {
        out.push_back('.');
        out.append(static_cast<std::size_t>(-e - 1), '0');
        out += s.digits;
    }
    return out;
}

}  // namespace

double ParseNumber(std::string_view text) {
    NumberChars in(text);
    // Blanks, tabs and line feeds are removed wherever they stand.
    auto skipBlanks = [&in] {
        while (!in.atEnd()) {
            const char c = in.peek();
            if (c == ' ' || c == '\t' || c == '\n') {
                in.next();
            } else if (in.atIdeographicSpace()) {
                in.next();
            } else {
                break;
            }
        }
    };
    auto peek = [&] { skipBlanks(); return in.peek(); };

    bool negative = false;
    if (const char c = peek(); c == '+' || c == '-') {
        negative = c == '-';
        in.next();
    }
    DecimalDigits number;
    bool anyDigit = false, point = false;
    for (;;) {
        const char c = peek();
        if (isDigit(c)) {
            number.addDigit(c, point);
            anyDigit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
        in.next();
    }
    if (!anyDigit) return 0.0;

    if (const char c = peek(); c == 'E' || c == 'e' || c == 'D' || c == 'd') {
        const std::size_t before = in.position();
        in.next();
        bool expNegative = false;
        if (const char s = peek(); s == '+' || s == '-') {
            expNegative = s == '-';
            in.next();
        }
        std::int64_t e = 0;
        bool expDigit = false;
        while (isDigit(peek())) {
            e = saturatingAppend(e, in.next());
            expDigit = true;
        }
        if (expDigit)
            number.setExponent(expNegative ? -e : e);
        else
            in.rewind(before);  // an exponent letter without digits is ignored
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

std::string SignedNumberText(double x) {
    std::string text = NumberText(x);
    if (!(x < 0)) text.insert(text.begin(), ' ');
    return text;
}

std::string SingleNumberText(float x) { return formatSignificant(static_cast<double>(x), 7); }

}  // namespace velunda
