#include "exact/answercheck.h"

#include <climits>
#include <cstdint>
#include <numeric>
#include <string_view>
#include <tuple>
#include <utility>

namespace velunda::exact {
namespace {

// A character of the answer after the forms a pupil types have been brought to one
// (full-width digits, "根号", "pi", "或"), with where it stood in the typed text.
struct Char {
    char32_t c;
    int at;  // 1-based, in characters of the typed text
};

std::vector<char32_t> Decode(std::string_view s) {
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const int length = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        if (length == 0 || i + length > s.size()) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        char32_t c = length == 1 ? b : b & (0x7F >> length);
        for (int k = 1; k < length; ++k) c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        out.push_back(c);
        i += length;
    }
    return out;
}

std::string Encode(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
    return out;
}

bool IsDigit(char32_t c) { return c >= '0' && c <= '9'; }

char32_t OneForm(char32_t c) {
    if (c >= 0xFF10 && c <= 0xFF19) return '0' + (c - 0xFF10);
    if ((c >= 0xFF21 && c <= 0xFF3A) || (c >= 0xFF41 && c <= 0xFF5A)) return c - 0xFF21 + 'A';
    switch (c) {
        case 0xFF0E:
            return '.';
        case 0xFF0F:
        case 0x00F7:
            return '/';
        case 0xFF0B:
            return '+';
        case 0xFF0D:
        case 0x2212:
        case 0x2013:
            return '-';
        case 0xFF08:
            return '(';
        case 0xFF09:
            return ')';
        case 0xFF0C:
        case 0x3001:
        case 0xFF1B:
        case ';':
        case U'或':
            return ',';
        case 0xFF1D:
            return '=';
        case 0x00D7:
        case 0x00B7:
        case 0x22C5:
        case 0x2217:
            return '*';
        case 0xFF3E:
            return '^';
        case U'度':
            return U'°';
        case '\t':
        case 0x3000:
            return ' ';
        default:
            return c;
    }
}

std::vector<Char> Normalize(const std::vector<char32_t>& typed) {
    std::vector<Char> out;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const int at = int(i) + 1;
        const char32_t next = i + 1 < typed.size() ? typed[i + 1] : 0;
        if (typed[i] == U'根' && next == U'号') {
            out.push_back({U'√', at});
            ++i;
        } else if ((typed[i] == 'p' || typed[i] == 'P') && (next == 'i' || next == 'I')) {
            out.push_back({U'π', at});
            ++i;
        } else {
            out.push_back({OneForm(typed[i]), at});
        }
    }
    // A blank between a whole number and a fraction makes a mixed number (2 1/3); other
    // blanks go.
    std::vector<Char> kept;
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (out[i].c != ' ') {
            kept.push_back(out[i]);
            continue;
        }
        std::size_t j = i;
        while (j < out.size() && out[j].c == ' ') ++j;
        std::size_t k = j;
        while (k < out.size() && IsDigit(out[k].c)) ++k;
        if (!kept.empty() && IsDigit(kept.back().c) && k > j && k < out.size() && out[k].c == '/')
            kept.push_back({U'又', out[i].at});
        i = j - 1;
    }
    return kept;
}

// A rational written with literals alone, kept beside the number to see how it was
// written (6/8, √50); none once it overflows or meets a root or π.
struct Rational {
    long long num = 0, den = 1;
};

std::optional<Rational> Make(long long num, long long den) {
    if (den == 0) return std::nullopt;
    if (den < 0) {
        if (num == LLONG_MIN || den == LLONG_MIN) return std::nullopt;
        num = -num;
        den = -den;
    }
    const long long g = std::gcd(num < 0 ? -num : num, den);
    return Rational{num / (g ? g : 1), den / (g ? g : 1)};
}

std::optional<Rational> Combine(const std::optional<Rational>& a, const std::optional<Rational>& b, char op) {
    if (!a || !b) return std::nullopt;
    long long x = 0, y = 0, d = 0;
    switch (op) {
        case '+':
        case '-':
            if (__builtin_mul_overflow(a->num, b->den, &x) || __builtin_mul_overflow(b->num, a->den, &y) ||
                __builtin_mul_overflow(a->den, b->den, &d))
                return std::nullopt;
            if (op == '+' ? __builtin_add_overflow(x, y, &x) : __builtin_sub_overflow(x, y, &x)) return std::nullopt;
            return Make(x, d);
        case '*':
            if (__builtin_mul_overflow(a->num, b->num, &x) || __builtin_mul_overflow(a->den, b->den, &d))
                return std::nullopt;
            return Make(x, d);
        default:
            if (b->num == 0 || __builtin_mul_overflow(a->num, b->den, &x) || __builtin_mul_overflow(a->den, b->num, &d))
                return std::nullopt;
            return Make(x, d);
    }
}

// Whether n (> 0) has a factor k^power with k > 1; n up to 10¹² is looked at.
bool HasPowerFactor(long long n, int power) {
    if (n <= 0 || n > 1'000'000'000'000LL) return false;
    for (long long k = 2;; ++k) {
        long long p = k;
        for (int i = 1; i < power; ++i) p *= k;
        if (p > n) return false;
        if (n % p == 0) return true;
    }
}

struct Value {
    Number number;
    std::optional<Rational> literal;
    bool integerLiteral = false;  // a whole number written as digits
    bool root = false;            // a √ or ∛ inside
};

class Reader {
public:
    Reader(std::vector<Char> text, const std::vector<char32_t>& typed) : s_(std::move(text)), typed_(typed) {}

    TypedAnswer read() {
        TypedAnswer answer;
        if (s_.empty()) {
            answer.fault = "还没有写答案";
            return answer;
        }
        std::size_t start = 0;
        int depth = 0;
        for (std::size_t i = 0; i <= s_.size(); ++i) {
            if (i < s_.size() && s_[i].c == '(') ++depth;
            if (i < s_.size() && s_[i].c == ')') --depth;
            if (i < s_.size() && (s_[i].c != ',' || depth > 0)) continue;
            // One value: the name in front of its last "=" is left out ("x₁ = 2").
            std::size_t from = start;
            for (std::size_t k = start; k < i; ++k)
                if (s_[k].c == '=') from = k + 1;
            if (from == i) {
                answer.fault = i < s_.size() ? Unreadable(i) : "答案没有写完";
                return answer;
            }
            TypedValue value;
            if (!one(from, i, &value, &answer.fault)) return answer;
            answer.values.push_back(std::move(value));
            start = i + 1;
        }
        return answer;
    }

private:
    bool one(std::size_t from, std::size_t end, TypedValue* out, std::string* fault) {
        pos_ = from;
        end_ = end;
        unsimplified_ = TypedValue::Unsimplified::No;
        degrees_ = false;
        Value v = expression();
        if (fault_.empty() && pos_ < end_) fault_ = Unreadable(pos_);
        if (fault_.empty() && !v.number.ok()) fault_ = FaultOf(v.number.fault());
        if (!fault_.empty()) {
            *fault = fault_;
            return false;
        }
        for (std::size_t k = from; k < end; ++k) out->text += Encode(typed_[std::size_t(s_[k].at - 1)]);
        out->value = v.number;
        out->degrees = degrees_;
        out->unsimplified = unsimplified_;
        // A decimal alone: its places after the point.
        std::size_t k = from;
        if (k < end && s_[k].c == '-') ++k;
        std::size_t digits = 0, point = 0, places = 0;
        for (; k < end; ++k) {
            if (IsDigit(s_[k].c)) {
                ++digits;
                if (point) ++places;
            } else if (s_[k].c == '.' && !point) {
                point = k;
            } else {
                break;
            }
        }
        if (k == end && point && places > 0) out->places = int(places);
        return true;
    }

    static std::string FaultOf(Fault fault) {
        switch (fault) {
            case Fault::DivisionByZero:
                return "不能除以 0";
            case Fault::NegativeRoot:
                return "根号里的数不能是负数";
            case Fault::Undefined:
                return "这个式子没有意义";
            default:
                return "这个数太大了";
        }
    }

    std::string Unreadable(std::size_t at) const {
        return "第 " + std::to_string(s_[at].at) + " 个字符“" + Encode(typed_[std::size_t(s_[at].at - 1)]) + "”看不懂";
    }

    bool more() const { return pos_ < end_ && fault_.empty(); }
    char32_t peek() const { return pos_ < end_ ? s_[pos_].c : 0; }

    void flag(TypedValue::Unsimplified why) {
        // A root in a denominator is told first, then a fraction, then a radicand.
        if (unsimplified_ == TypedValue::Unsimplified::No || why < unsimplified_) unsimplified_ = why;
    }

    Value expression() {
        Value v = term();
        while (more() && (peek() == '+' || peek() == '-')) {
            const char op = char(peek());
            ++pos_;
            Value r = term();
            v = {op == '+' ? v.number + r.number : v.number - r.number, Combine(v.literal, r.literal, op), false,
                 v.root || r.root};
        }
        return v;
    }

    static bool StartsFactor(char32_t c) {
        return c == U'π' || c == U'√' || c == U'∛' || c == '(' || c == 'a' || IsDigit(c);
    }

    bool startsWith(std::u32string_view word) const {
        if (end_ - pos_ < word.size()) return false;
        for (std::size_t i = 0; i < word.size(); ++i)
            if (s_[pos_ + i].c != word[i]) return false;
        return true;
    }

    Value term() {
        Value v = unary();
        while (more()) {
            char op = 0;
            if (peek() == '*' || peek() == '/') {
                op = char(peek());
                ++pos_;
            } else if (StartsFactor(peek())) {
                op = '*';  // 5√2, 25π, 2(…)
            } else {
                break;
            }
            Value r = unary();
            if (op == '/') {
                if (r.root) flag(TypedValue::Unsimplified::RootInDenominator);
                if (v.integerLiteral && r.integerLiteral && v.literal && r.literal &&
                    std::gcd(v.literal->num < 0 ? -v.literal->num : v.literal->num, r.literal->num) > 1)
                    flag(TypedValue::Unsimplified::Fraction);
            }
            v = {op == '*' ? v.number * r.number : v.number / r.number, Combine(v.literal, r.literal, op), false,
                 v.root || r.root};
        }
        return v;
    }

    Value unary() {
        if (more() && (peek() == '-' || peek() == '+')) {
            const bool minus = peek() == '-';
            ++pos_;
            Value v = unary();
            if (minus) {
                v.number = -v.number;
                if (v.literal) v.literal->num = -v.literal->num;
            }
            return v;
        }
        return power();
    }

    Value power() {
        Value v = atom();
        if (!more()) return v;
        int exponent = 0;
        if (peek() == U'²' || peek() == U'³') {
            exponent = peek() == U'²' ? 2 : 3;
            ++pos_;
        } else if (peek() == '^') {
            ++pos_;
            const bool minus = more() && peek() == '-';
            if (minus) ++pos_;
            const std::size_t at = pos_;
            while (more() && IsDigit(peek()) && exponent < 1000) exponent = exponent * 10 + int(peek() - '0'), ++pos_;
            if (pos_ == at) {
                fault_ = pos_ < end_ ? Unreadable(pos_) : "“^”后面要写整数次方";
                return v;
            }
            if (minus) exponent = -exponent;
        } else {
            if (peek() == U'°') {
                degrees_ = true;
                ++pos_;
            }
            return v;
        }
        std::optional<Rational> literal = Rational{1, 1};
        for (int i = 0; i < (exponent < 0 ? -exponent : exponent); ++i) literal = Combine(literal, v.literal, '*');
        if (exponent < 0) literal = Combine(Rational{1, 1}, literal, '/');
        return {v.number.Pow(exponent), literal, false, v.root};
    }

    Value atom() {
        if (!more()) {
            if (fault_.empty()) fault_ = "答案没有写完";
            return {};
        }
        const char32_t c = peek();
        if (IsDigit(c) || c == '.') return number();
        if (c == U'π') {
            ++pos_;
            return {Number::Pi(), std::nullopt, false, false};
        }
        if (c == U'√' || c == U'∛') {
            ++pos_;
            Value r = radicand();
            if (r.literal && r.literal->den != 1) flag(TypedValue::Unsimplified::RootInDenominator);
            if (r.literal && r.literal->den == 1 && HasPowerFactor(r.literal->num, c == U'√' ? 2 : 3))
                flag(TypedValue::Unsimplified::Radicand);
            return {c == U'√' ? r.number.Sqrt() : r.number.Cbrt(), std::nullopt, false, true};
        }
        // An angle as the exact forms write it: arccos(4/5), 180arcsin(1/3)/π.
        for (const auto& [word, inverse] : {std::pair{std::u32string_view(U"arcsin"), &Number::Asin},
                                            std::pair{std::u32string_view(U"arccos"), &Number::Acos},
                                            std::pair{std::u32string_view(U"arctan"), &Number::Atan}})
            if (startsWith(word)) {
                pos_ += word.size();
                if (!more()) {
                    fault_ = "答案没有写完";
                    return {};
                }
                const Value v = atom();
                return {(v.number.*inverse)(), std::nullopt, false, v.root};
            }
        if (c == '(') {
            ++pos_;
            Value v = expression();
            if (!fault_.empty()) return v;
            if (!more() || peek() != ')') {
                fault_ = pos_ < end_ ? Unreadable(pos_) : "括号没有配对";
                return v;
            }
            ++pos_;
            v.integerLiteral = false;
            return v;
        }
        fault_ = Unreadable(pos_);
        return {};
    }

    // √ applies to the number right after it, to π, or to what its parentheses hold.
    Value radicand() {
        if (more() && (peek() == U'√' || peek() == U'∛' || peek() == '(' || peek() == U'π')) return atom();
        if (more() && (IsDigit(peek()) || peek() == '.')) return number();
        if (fault_.empty()) fault_ = pos_ < end_ ? Unreadable(pos_) : "根号后面没有写数";
        return {};
    }

    // Digits with at most one point; "2又1/3" is two and one third.
    Value number() {
        std::string whole, places;
        bool point = false;
        while (more() && (IsDigit(peek()) || (peek() == '.' && !point))) {
            if (peek() == '.')
                point = true;
            else
                (point ? places : whole) += char(peek());
            ++pos_;
        }
        if (whole.empty() && places.empty()) {
            fault_ = Unreadable(pos_ - 1);
            return {};
        }
        const std::string digits = (whole.empty() ? "0" : whole) + places;
        const std::string den = "1" + std::string(places.size(), '0');
        Value v{Number::FromDigits(digits, den), std::nullopt, !point, false};
        if (digits.size() <= 18 && den.size() <= 18) v.literal = Make(std::stoll(digits), std::stoll(den));
        if (!point && more() && peek() == U'又') {
            ++pos_;
            Value top = number();
            if (!more() || peek() != '/') {
                if (fault_.empty()) fault_ = pos_ < end_ ? Unreadable(pos_) : "带分数没有写完";
                return v;
            }
            ++pos_;
            Value bottom = number();
            if (top.integerLiteral && bottom.integerLiteral && top.literal && bottom.literal &&
                std::gcd(top.literal->num, bottom.literal->num) > 1)
                flag(TypedValue::Unsimplified::Fraction);
            return {v.number + top.number / bottom.number,
                    Combine(v.literal, Combine(top.literal, bottom.literal, '/'), '+'), false, false};
        }
        return v;
    }

    std::vector<Char> s_;
    const std::vector<char32_t>& typed_;
    std::size_t pos_ = 0, end_ = 0;
    std::string fault_;
    TypedValue::Unsimplified unsimplified_ = TypedValue::Unsimplified::No;
    bool degrees_ = false;
};

// Whether |x − t| ≤ halves · ½ · 10^−places: with one half, t is x rounded to that many
// places after the point.
bool Within(const Number& x, const Number& t, int places, int halves) {
    const Number scaled = (x - t) * Int(2) * Int(10).Pow(places);
    return (Int(halves) - scaled).Sign() >= 0 && (Int(halves) + scaled).Sign() >= 0;
}

bool RoundsTo(const Number& x, const Number& t, int places) { return Within(x, t, places, 1); }

// Within ten times that.
bool Near(const Number& x, const Number& t, int places) { return Within(x, t, places, 10); }

std::string PlaceName(int places) {
    static const char* const names[] = {"个位", "十分位", "百分位", "千分位", "万分位"};
    return places >= 0 && places <= 4 ? names[places] : "小数点后第 " + std::to_string(places) + " 位";
}

// The exact form of an answer, or its decimal where it has none; an angle asked in
// degrees with its °.
std::string Written(const Number& x, bool degrees = false) {
    const std::string exact = x.ExactText();
    return (exact.empty() ? x.DecimalText() : exact) + (degrees ? "°" : "");
}

// "7.0710678…": eight significant figures of the decimal, and … where it goes on.
std::string Leading(const Number& x) {
    const std::string decimal = x.DecimalText();
    if (x.DecimalIsWhole() || decimal.find('E') != std::string::npos) return decimal;
    std::string out;
    int significant = 0;
    for (char c : decimal) {
        if (significant == 8) break;
        out += c;
        if (c >= '1' && c <= '9')
            ++significant;
        else if (c == '0' && significant > 0)
            ++significant;
    }
    return out + "…";
}

std::string Simplified(const TypedValue& v) {
    switch (v.unsimplified) {
        case TypedValue::Unsimplified::Fraction:
            return "约分为";
        case TypedValue::Unsimplified::RootInDenominator:
            return "分母有理化为";
        default:
            return "化简为";
    }
}

// Equal values; one that has no algebraic form (an angle such as arccos(4/5)) equals
// another written in the same exact form.
bool Same(const Number& x, const Number& y) {
    if (x.Equals(y)) return true;
    if (!x.ok() || !y.ok() || x.IsAlgebraic() || y.IsAlgebraic()) return false;
    const std::string text = x.ExactText();
    return !text.empty() && text == y.ExactText();
}

// One typed value against one exact answer.
Verdict JudgeOne(const std::string& quantity, const TypedValue& v, const Number& answer, const std::vector<Slip>& slips,
                 bool degrees = false) {
    const std::string exact = Written(answer, degrees);
    if (Same(v.value, answer)) {
        if (v.unsimplified == TypedValue::Unsimplified::No) return {true, "", "✓ " + quantity + " = " + exact};
        return {true, "", "✓ " + quantity + "：" + v.text + " 正确，" + Simplified(v) + " " + exact};
    }
    if (v.places > 0 && RoundsTo(answer, v.value, v.places))
        return {false, "",
                "✗ " + quantity + "：" + v.text + " 是 " + exact + " ≈ " + Leading(answer) + " 四舍五入到" +
                    PlaceName(v.places) + "的近似值，题目要精确值时写 " + exact};
    for (const Slip& slip : slips)
        if (slip.value.ok() && (Same(v.value, slip.value) || (v.places > 0 && RoundsTo(slip.value, v.value, v.places))))
            return {false, slip.what, "✗ " + quantity + "：" + v.text + " 不对，" + slip.what + "。"};
    if (v.places > 0 && Near(answer, v.value, v.places))
        return {false, "",
                "✗ " + quantity + "：" + v.text + " 接近了，但不是四舍五入到" + PlaceName(v.places) + "的值。"};
    return {false, "", "✗ " + quantity + "：" + v.text + " 不对。可以点“提示”看下一步。"};
}

}  // namespace

TypedAnswer ReadTypedAnswer(std::string_view text) {
    const std::vector<char32_t> typed = Decode(text);
    return Reader(Normalize(typed), typed).read();
}

Verdict Judge(const Asked& asked, std::string_view typed, const std::vector<Slip>& slips) {
    TypedAnswer answer = ReadTypedAnswer(typed);
    const std::string& q = asked.quantity;
    if (!answer.fault.empty()) return {false, "", "✗ " + q + "：" + answer.fault + "。"};
    for (TypedValue& v : answer.values)
        if (v.degrees && !asked.degrees) v.value = v.value * Number::Pi() / Int(180);
    if (asked.values.size() == 2) {
        const Number& a = asked.values[0];
        const Number& b = asked.values[1];
        if (answer.values.size() == 1) {
            const TypedValue& v = answer.values[0];
            if (v.value.Equals(a) || v.value.Equals(b))
                return {false, "只写出了一个根", "✗ " + q + "：" + v.text + " 是一个根，这个方程还有另一个根。"};
            return JudgeOne(q, v, a, slips);
        }
        if (answer.values.size() == 2) {
            const TypedValue& x = answer.values[0];
            const TypedValue& y = answer.values[1];
            const bool straight = x.value.Equals(a) && y.value.Equals(b);
            const bool crossed = x.value.Equals(b) && y.value.Equals(a);
            if (straight || crossed) {
                const Verdict first = JudgeOne(q, x, straight ? a : b, {});
                const Verdict second = JudgeOne(q, y, straight ? b : a, {});
                if (first.text == "✓ " + q + " = " + Written(straight ? a : b) &&
                    second.text == "✓ " + q + " = " + Written(straight ? b : a))
                    return {true, "", "✓ " + q + " = " + Written(straight ? a : b) + "，" + Written(straight ? b : a)};
                return {true, "", first.text + "；" + second.text.substr(second.text.find("：") + 3)};
            }
            // One of them is right: the other is judged against the other root.
            for (const auto& [right, other, rest] :
                 {std::tuple{&x, &y, &b}, std::tuple{&x, &y, &a}, std::tuple{&y, &x, &b}, std::tuple{&y, &x, &a}}) {
                const Number& matched = rest == &b ? a : b;
                if (!right->value.Equals(matched)) continue;
                const Verdict wrong = JudgeOne(q, *other, *rest, slips);
                return {false, wrong.slip,
                        "✗ " + q + "：" + right->text + " 对，" + wrong.text.substr(wrong.text.find("：") + 3)};
            }
            return {false, "", "✗ " + q + "：" + x.text + "，" + y.text + " 都不对。可以点“提示”看下一步。"};
        }
    }
    if (answer.values.size() != 1) return {false, "", "✗ " + q + "：这里只要写一个答案。"};
    return JudgeOne(q, answer.values[0], asked.values.at(0), slips, asked.degrees);
}

}  // namespace velunda::exact
