#include "exact/exactnumber.h"

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <numeric>
#include <thread>
#include <vector>

#include "exact/calcium_bridge.h"
#include "numeric/numbertext.h"

namespace velunda::exact {
namespace {

// ---- The module ----

std::string ExecutableDir() {
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return ".";
    std::string p(path, static_cast<std::size_t>(n));
    return p.substr(0, p.rfind('/'));
}

const vx_api* LoadApi() {
    std::vector<std::string> candidates;
    if (const char* chosen = std::getenv("VELUNDA_EXACT_MODULE")) {
        candidates.push_back(chosen);
    } else {
        const std::string dir = ExecutableDir();
        candidates = {dir + "/velunda-exact.so", dir + "/" VELUNDA_EXACT_RELATIVE_DIR "/velunda-exact.so",
                      VELUNDA_EXACT_INSTALLED_DIR "/velunda-exact.so"};
    }
    for (const std::string& file : candidates) {
        void* module = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!module) continue;
        using Entry = const vx_api* (*)();
        const auto entry = reinterpret_cast<Entry>(dlsym(module, "velunda_exact_api"));
        const vx_api* api = entry ? entry() : nullptr;
        if (api && api->version == VX_API_VERSION) return api;  // stays loaded for the program's life
        dlclose(module);
    }
    return nullptr;
}

const vx_api* Api() {
    static std::once_flag once;
    static const vx_api* api = nullptr;
    std::call_once(once, [] { api = LoadApi(); });
    return api;
}

std::shared_ptr<vx_num> Own(vx_num* handle) {
    return std::shared_ptr<vx_num>(handle, [](vx_num* x) { Api()->release(x); });
}

// A string the module allocated.
std::string Take(char* s) {
    if (!s) return {};
    std::string out(s);
    Api()->release_string(s);
    return out;
}

// Rationals of more bits than this are not handed to roots and closed forms: factoring
// them could take long, and no pupil's exercise needs them.
constexpr long kMaxHeightBits = 400;
// The notation gives the decimal alone past these.
constexpr unsigned long kRadicandLimit = 1'000'000;
constexpr long long kNumberLimit = 1'000'000'000'000;  // 12 digits

// "ddd" with its first digit at 10^e, as the program's decimal notation with a leading 0.
std::string DecimalFromDigits(std::string digits, long e, bool negative) {
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const long count = static_cast<long>(digits.size());
    std::string out = negative ? "-" : "";
    if (digits == "0") return "0";
    if (e < -4 || e >= 15) {
        out += digits.substr(0, 1);
        if (count > 1) out += "." + digits.substr(1);
        const long a = std::labs(e);
        out += std::string("E") + (e < 0 ? "-" : "+") + (a < 10 ? "0" : "") + std::to_string(a);
    } else if (e >= 0) {
        if (count <= e + 1)
            out += digits + std::string(static_cast<std::size_t>(e + 1 - count), '0');
        else
            out += digits.substr(0, static_cast<std::size_t>(e + 1)) + "." +
                   digits.substr(static_cast<std::size_t>(e + 1));
    } else {
        out += "0." + std::string(static_cast<std::size_t>(-e - 1), '0') + digits;
    }
    return out;
}

// One term c × √k × ∛m of a closed form, with c = num/den.
struct Term {
    long long num = 0, den = 1;
    unsigned long k = 1, m = 1;
};

bool ParseTerms(const std::string& text, std::vector<Term>* terms) {
    std::size_t from = 0;
    while (from < text.size()) {
        std::size_t to = text.find(';', from);
        if (to == std::string::npos) to = text.size();
        const std::string part = text.substr(from, to - from);
        char c[128];
        Term t;
        if (part.size() >= sizeof c || std::sscanf(part.c_str(), "%127s %lu %lu", c, &t.k, &t.m) != 3) return false;
        const std::string coefficient = c;
        const std::size_t slash = coefficient.find('/');
        const std::string num = coefficient.substr(0, slash);
        const std::string den = slash == std::string::npos ? "1" : coefficient.substr(slash + 1);
        if (num.size() > 13 || den.size() > 12) return false;
        t.num = std::stoll(num);
        t.den = std::stoll(den);
        if (std::llabs(t.num) > kNumberLimit || t.den > kNumberLimit) return false;
        terms->push_back(t);
        from = to + 1;
    }
    return !terms->empty();
}

std::string PiPower(int halves) {
    const int a = std::abs(halves);
    std::string out = a % 2 ? "√π" : "";
    const int whole = a / 2;
    if (whole == 1) out = "π" + out;
    if (whole == 2) out = "π²" + out;
    if (whole == 3) out = "π³" + out;
    if (whole > 3) return {};
    return out;
}

// The closed form of terms × π^(halves/2) in the notation, or "" where it is too long.
std::string FormatTerms(std::vector<Term> terms, int halves) {
    long long q = 1;
    for (const Term& t : terms) {
        q = std::lcm(q, t.den);
        if (q > kNumberLimit) return {};
    }
    for (Term& t : terms) {
        const __int128 n = static_cast<__int128>(t.num) * (q / t.den);
        if (n > kNumberLimit || n < -kNumberLimit) return {};
        t.num = static_cast<long long>(n);
    }
    // The rational part first, then the radicals: positive before negative, larger radicands first.
    std::stable_sort(terms.begin(), terms.end(), [](const Term& a, const Term& b) {
        const bool ar = a.k == 1 && a.m == 1, br = b.k == 1 && b.m == 1;
        if (ar != br) return ar;
        if ((a.num > 0) != (b.num > 0)) return a.num > 0;
        return a.k * 1000003 + a.m > b.k * 1000003 + b.m;
    });
    const std::string pi = PiPower(halves);
    if (halves != 0 && pi.empty()) return {};
    std::string numerator;
    for (std::size_t i = 0; i < terms.size(); ++i) {
        const Term& t = terms[i];
        const bool radical = t.k != 1 || t.m != 1;
        const long long a = std::llabs(t.num);
        if (t.num < 0)
            numerator += "-";
        else if (i > 0)
            numerator += "+";
        if (a != 1 || !radical) numerator += std::to_string(a);
        if (t.k != 1) numerator += "√" + std::to_string(t.k);
        if (t.m != 1) numerator += "∛" + std::to_string(t.m);
    }
    const bool sum = terms.size() > 1;
    if (halves > 0) {
        if (sum) numerator = "(" + numerator + ")";
        if (numerator == "1")
            numerator = pi;
        else if (numerator == "-1")
            numerator = "-" + pi;
        else
            numerator += pi;
    }
    std::string denominator = q == 1 ? "" : std::to_string(q);
    if (halves < 0) denominator = denominator.empty() ? pi : "(" + denominator + pi + ")";
    if (denominator.empty()) return numerator;
    if (sum && halves <= 0) numerator = "(" + numerator + ")";
    return numerator + "/" + denominator;
}

// Whether the sine, cosine and tangent of pπ/q have short closed forms (angles in steps
// of 15° or 18°, and 22.5°); others have degrees in the dozens, slow to work with and
// without a closed form a pupil could read, so they are taken as decimals.
bool SmallDegreeAngle(long long p, long long q) {
    if (q <= 0 || q > 1'000'000'000 || std::llabs(p) > 1'000'000'000) return false;
    const long long g = std::gcd(std::llabs(p), q);
    switch (q / g) {
        case 1:
        case 2:
        case 3:
        case 4:
        case 5:
        case 6:
        case 8:
        case 10:
        case 12:
            return true;
        default:
            return false;
    }
}

}  // namespace

std::string FaultText(Fault fault) {
    switch (fault) {
        case Fault::None:
            return {};
        case Fault::DivisionByZero:
            return "除数为 0";
        case Fault::NegativeRoot:
            return "负数不能开平方";
        case Fault::OutOfRange:
            return "超出计算范围";
        case Fault::Undefined:
            return "无意义";
        case Fault::NoEngine:
            return "精确计算模块无法加载，解题过程暂不可用";
    }
    return {};
}

bool EngineAvailable() { return Api() != nullptr; }

void LoadEngineInBackground() {
    static std::once_flag once;
    std::call_once(once, [] {
        std::thread([] {
            // A first few steps bring the code a solution runs into memory.
            if (Api()) (void)((Number::Integer(50).Sqrt() + Number::Fraction(1, 3)) * Number::Pi()).Text();
        }).detach();
    });
}

// ---- Construction ----

Number::Number() {
    if (Api())
        value_ = Own(Api()->from_fraction("0", "1"));
    else
        kind_ = Kind::Approximate, fault_ = Fault::NoEngine;
}

Number Number::FromHandle(vx_num* handle, Fault ifNull, int piHalves) {
    if (!handle) return Failed(ifNull);
    Number n(Kind::Exact);
    n.value_ = Own(handle);
    n.piHalves_ = piHalves;
    // Numbers of high degree have no closed form worth writing and are slow to work with.
    if (Api()->degree(handle) > 8) return Approx(n.Approximate());
    return n;
}

Number Number::FromDigits(const std::string& num, const std::string& den) {
    if (!Api()) return Failed(Fault::NoEngine);
    return FromHandle(Api()->from_fraction(num.c_str(), den.c_str()), Fault::DivisionByZero);
}

Number Number::Failed(Fault fault) {
    Number n(Kind::Approximate);
    n.fault_ = fault;
    return n;
}

Number Number::Approx(long double v) {
    Number n(Kind::Approximate);
    n.approximate_ = v;
    if (!std::isfinite(v)) n.fault_ = Fault::OutOfRange;
    return n;
}

Number Number::Fraction(long long p, long long q) {
    const vx_api* api = Api();
    if (!api) return Failed(Fault::NoEngine);
    return FromHandle(api->from_fraction(std::to_string(p).c_str(), std::to_string(q).c_str()), Fault::DivisionByZero);
}

Number Number::Integer(long long n) { return Fraction(n, 1); }

Number Number::Pi() {
    Number n = Integer(1);
    n.piHalves_ = 2;
    return n;
}

Number Number::SinPi(long long p, long long q) {
    if (!Api()) return Failed(Fault::NoEngine);
    if (!SmallDegreeAngle(p, q)) return Approx(std::sin(p * M_PIl / q));
    return FromHandle(Api()->sin_pi(static_cast<long>(p), static_cast<unsigned long>(q)));
}

Number Number::CosPi(long long p, long long q) {
    if (!Api()) return Failed(Fault::NoEngine);
    if (!SmallDegreeAngle(p, q)) return Approx(std::cos(p * M_PIl / q));
    return FromHandle(Api()->cos_pi(static_cast<long>(p), static_cast<unsigned long>(q)));
}

Number Number::TanPi(long long p, long long q) {
    if (!Api()) return Failed(Fault::NoEngine);
    if (!SmallDegreeAngle(p, q)) return Approx(std::tan(p * M_PIl / q));
    return FromHandle(Api()->tan_pi(static_cast<long>(p), static_cast<unsigned long>(q)), Fault::Undefined);
}

// ---- Arithmetic ----

bool Number::TooLarge() const {
    return kind_ != Kind::Approximate && Api()->height_bits(value_.get()) > kMaxHeightBits;
}

namespace {
Fault FirstFault(const Number& x, const Number& y) { return x.ok() ? y.fault() : x.fault(); }
}  // namespace

Number operator+(const Number& x, const Number& y) {
    if (!x.ok() || !y.ok()) return Number::Failed(FirstFault(x, y));
    if (x.kind_ == Number::Kind::Exact && y.kind_ == Number::Kind::Exact) {
        if (x.IsZero()) return y;
        if (y.IsZero()) return x;
        if (x.piHalves_ == y.piHalves_) {
            return Number::FromHandle(Api()->add(x.value_.get(), y.value_.get()), Fault::OutOfRange, x.piHalves_);
        }
    }
    return Number::Approx(x.Approximate() + y.Approximate());
}

Number Number::operator-() const { return Integer(-1) * *this; }

Number operator-(const Number& x, const Number& y) { return x + (-y); }

Number operator*(const Number& x, const Number& y) {
    if (!x.ok() || !y.ok()) return Number::Failed(FirstFault(x, y));
    if (x.kind_ == Number::Kind::Function && y.kind_ == Number::Kind::Function)
        return Number::Approx(x.Approximate() * y.Approximate());
    if (x.kind_ != Number::Kind::Approximate && y.kind_ != Number::Kind::Approximate) {
        const Number& f = x.kind_ == Number::Kind::Function ? x : y;
        Number r = Number::FromHandle(Api()->mul(x.value_.get(), y.value_.get()), Fault::OutOfRange,
                                      x.piHalves_ + y.piHalves_);
        if (f.kind_ == Number::Kind::Function) {
            if (r.kind_ != Number::Kind::Exact) return Number::Approx(x.Approximate() * y.Approximate());
            r.kind_ = Number::Kind::Function;
            r.arg_ = f.arg_;
            r.function_ = f.function_;
        }
        return r;
    }
    return Number::Approx(x.Approximate() * y.Approximate());
}

Number operator/(const Number& x, const Number& y) {
    if (!x.ok() || !y.ok()) return Number::Failed(FirstFault(x, y));
    if (y.Sign() == 0) return Number::Failed(Fault::DivisionByZero);
    if (y.kind_ == Number::Kind::Exact && x.kind_ != Number::Kind::Approximate) {
        Number r = Number::FromHandle(Api()->div(x.value_.get(), y.value_.get()), Fault::DivisionByZero,
                                      x.piHalves_ - y.piHalves_);
        if (x.kind_ == Number::Kind::Function) {
            if (r.kind_ != Number::Kind::Exact) return Number::Approx(x.Approximate() / y.Approximate());
            r.kind_ = Number::Kind::Function;
            r.arg_ = x.arg_;
            r.function_ = x.function_;
        }
        return r;
    }
    return Number::Approx(x.Approximate() / y.Approximate());
}

Number Number::Approximation() const { return ok() && kind_ != Kind::Approximate ? Approx(Approximate()) : *this; }

Number Number::Pow(int n) const {
    if (!ok()) return *this;
    if (n < 0 && Sign() == 0) return Failed(Fault::DivisionByZero);
    if (kind_ == Kind::Exact && !TooLarge() && std::abs(n) <= 64) {
        return FromHandle(Api()->pow_si(value_.get(), n), Fault::DivisionByZero, piHalves_ * n);
    }
    return Approx(std::pow(Approximate(), static_cast<long double>(n)));
}

Number Number::Sqrt() const {
    if (!ok()) return *this;
    const int s = Sign();
    if (s < 0) return Failed(Fault::NegativeRoot);
    if (kind_ == Kind::Exact && piHalves_ % 2 == 0 && !TooLarge()) {
        return FromHandle(Api()->root_ui(value_.get(), 2), Fault::NegativeRoot, piHalves_ / 2);
    }
    return Approx(std::sqrt(Approximate()));
}

Number Number::Cbrt() const {
    if (!ok()) return *this;
    if (kind_ == Kind::Exact && piHalves_ == 0 && !TooLarge()) return FromHandle(Api()->root_ui(value_.get(), 3));
    return Approx(std::cbrt(Approximate()));
}

Number Number::Sin() const {
    long long p = 0, q = 1;
    if (!ok()) return *this;
    if (PiMultiple(&p, &q)) return SinPi(p, q);
    return Approx(std::sin(Approximate()));
}

Number Number::Cos() const {
    long long p = 0, q = 1;
    if (!ok()) return *this;
    if (PiMultiple(&p, &q)) return CosPi(p, q);
    return Approx(std::cos(Approximate()));
}

Number Number::Tan() const {
    long long p = 0, q = 1;
    if (!ok()) return *this;
    if (PiMultiple(&p, &q)) return TanPi(p, q);
    return Approx(std::tan(Approximate()));
}

// arctan, arcsin or arccos: a rational multiple of π where the engine finds one, else the
// function of this exact argument; arcsin and arccos beyond ±1 are Undefined.
Number Number::Inverse(int function) const {
    if (!ok()) return *this;
    const bool bounded = function != VX_ATAN;
    if (kind_ != Kind::Exact || piHalves_ != 0 || TooLarge()) {
        const long double v = Approximate();
        if (bounded && (v > 1 || v < -1)) return Failed(Fault::Undefined);
        return Approx(function == VX_ATAN ? std::atan(v) : function == VX_ASIN ? std::asin(v) : std::acos(v));
    }
    if (bounded && (Api()->compare(value_.get(), Integer(1).value_.get()) > 0 ||
                    Api()->compare(value_.get(), Integer(-1).value_.get()) < 0))
        return Failed(Fault::Undefined);
    const auto piMultiple = function == VX_ATAN   ? Api()->atan_pi
                            : function == VX_ASIN ? Api()->asin_pi
                                                  : Api()->acos_pi;
    long p = 0;
    unsigned long q = 1;
    if (piMultiple(value_.get(), &p, &q)) return Fraction(p, static_cast<long long>(q)) * Pi();
    Number r = Integer(1);
    r.kind_ = Kind::Function;
    r.function_ = function;
    r.arg_ = value_;
    return r;
}

Number Number::Atan() const { return Inverse(VX_ATAN); }
Number Number::Asin() const { return Inverse(VX_ASIN); }
Number Number::Acos() const { return Inverse(VX_ACOS); }

// ---- Questions ----

int Number::Sign() const {
    if (!ok()) return 0;
    if (kind_ == Kind::Exact) return Api()->sign(value_.get());
    const long double v = Approximate();
    return v > 0 ? 1 : v < 0 ? -1 : 0;
}

bool Number::IsInteger() const {
    return IsAlgebraic() && Api()->degree(value_.get()) == 1 && ExactText().find('/') == std::string::npos;
}

bool Number::IsAlgebraic() const { return ok() && kind_ == Kind::Exact && piHalves_ == 0; }

bool Number::Equals(const Number& other) const {
    return ok() && other.ok() && kind_ == Kind::Exact && other.kind_ == Kind::Exact && piHalves_ == other.piHalves_ &&
           Api()->compare(value_.get(), other.value_.get()) == 0;
}

bool Number::PiMultiple(long long* p, long long* q) const {
    if (!ok() || kind_ != Kind::Exact || piHalves_ != 2 || Api()->degree(value_.get()) != 1) return false;
    Number plain = *this;
    plain.piHalves_ = 0;
    std::vector<Term> terms;
    if (!ParseTerms(Take(Api()->radicals(value_.get(), 1)), &terms) || terms.size() != 1) {
        if (IsZero()) {
            *p = 0;
            *q = 1;
            return true;
        }
        return false;
    }
    *p = terms[0].num;
    *q = terms[0].den;
    return true;
}

std::string Number::RoundedDigits(int sig, long* exp10, bool* negative) const {
    // Exact rounding for rationals, whose decimals can end in a tie; an irrational number
    // cannot, and its enclosure is quicker.
    if (kind_ == Kind::Exact && piHalves_ == 0 && Api()->degree(value_.get()) == 1) {
        *negative = Sign() < 0;
        return Take(Api()->rounded(value_.get(), sig, exp10));
    }
    int neg = 0;
    std::string d = kind_ == Kind::Exact
                        ? Take(Api()->approx(value_.get(), VX_IDENTITY, nullptr, piHalves_, 2, sig, exp10, &neg))
                        : Take(Api()->approx(arg_.get(), function_, value_.get(), piHalves_, 2, sig, exp10, &neg));
    *negative = neg != 0;
    return d;
}

long double Number::Approximate() const {
    if (!ok()) return NAN;
    if (kind_ == Kind::Approximate) return approximate_;
    long e = 0;
    bool negative = false;
    const std::string digits = RoundedDigits(21, &e, &negative);
    if (digits.empty() || digits == "0") return 0;
    const long double v = std::strtold(("0." + digits + "e" + std::to_string(e + 1)).c_str(), nullptr);
    return negative ? -v : v;
}

// ---- Notation ----

std::string Number::ExactText() const {
    if (!exactText_) exactText_ = FindExactText();
    return *exactText_;
}

std::string Number::FindExactText() const {
    if (!ok()) return {};
    if (kind_ == Kind::Approximate) return {};
    if (kind_ == Kind::Function) {
        Number factor = *this;
        factor.kind_ = Kind::Exact;
        Number argument = Integer(1);
        argument.value_ = arg_;
        const std::string a = argument.ExactText();
        if (a.empty()) return {};
        const char* name = function_ == VX_ATAN ? "arctan" : function_ == VX_ASIN ? "arcsin" : "arccos";
        const std::string f = std::string(name) + "(" + a + ")";
        const std::string c = factor.ExactText();
        if (c.empty()) return {};
        if (c == "1") return f;
        if (c == "-1") return "-" + f;
        // 2arctan(4/3), arctan(4/3)/π, 180arctan(4/3)/π
        const std::size_t slash = c.find('/');
        if (slash == std::string::npos) return c + f;
        std::string num = c.substr(0, slash);
        if (num == "1") num.clear();
        if (num == "-1") num = "-";
        return num + f + c.substr(slash);
    }
    if (TooLarge()) return {};
    std::vector<Term> terms;
    if (IsZero()) return "0";
    if (!ParseTerms(Take(Api()->radicals(value_.get(), kRadicandLimit)), &terms)) return {};
    return FormatTerms(terms, piHalves_);
}

std::string Number::DecimalText() const {
    if (!ok()) return {};
    long e = 0;
    bool negative = false;
    std::string digits;
    if (kind_ == Kind::Approximate) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.14Le", approximate_);
        std::string s = buffer;
        negative = s[0] == '-';
        if (negative) s.erase(0, 1);
        if (approximate_ == 0) return "0";
        digits = s.substr(0, 1) + s.substr(2, 14);
        e = std::strtol(s.c_str() + s.find('e') + 1, nullptr, 10);
        return DecimalFromDigits(digits, e, negative);
    }
    digits = RoundedDigits(15, &e, &negative);
    if (digits.empty()) return {};
    return DecimalFromDigits(digits, e, negative);
}

bool Number::DecimalIsWhole() const { return ReadLenient(DecimalText()).Equals(*this); }

std::string Number::Text() const {
    if (!ok()) return FaultText(fault_);
    const std::string decimal = DecimalText();
    const std::string exact = ExactText();
    if (exact.empty()) return decimal;
    if (IsAlgebraic() && Api()->degree(value_.get()) == 1) {
        const std::size_t slash = exact.find('/');
        if (slash == std::string::npos) return exact;  // an integer
        // A denominator of 10, 100, … says no more than the decimal does.
        const std::string denominator = exact.substr(slash + 1);
        if (denominator.find_first_not_of('0', 1) == std::string::npos && denominator[0] == '1') return decimal;
        // Whether the decimal is the whole value: read it back exactly.
        return exact + (DecimalIsWhole() ? " = " : " ≈ ") + decimal;
    }
    if (CodePoints(exact) > CodePoints(decimal)) return decimal;
    return exact + " ≈ " + decimal;
}

// ---- Reading ----

namespace {

// The text as ParseNumber sees it: blanks gone, full-width characters as ASCII (the
// ideographic full stop as the point), anything else as '\x01'.
std::string Normalised(std::string_view text, bool keepBlanks) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto b0 = static_cast<unsigned char>(text[i]);
        if (b0 < 0x80) {
            if (keepBlanks || (text[i] != ' ' && text[i] != '\t' && text[i] != '\n')) out += text[i];
            ++i;
            continue;
        }
        std::size_t len = (b0 & 0xE0) == 0xC0 ? 2 : (b0 & 0xF0) == 0xE0 ? 3 : (b0 & 0xF8) == 0xF0 ? 4 : 1;
        len = std::min(len, text.size() - i);
        const std::string_view c = text.substr(i, len);
        i += len;
        if (c == "\xE3\x80\x80") {  // U+3000
            if (keepBlanks) out += ' ';
            continue;
        }
        if (c == "\xE3\x80\x82") {  // 。
            out += '.';
            continue;
        }
        if (len == 3 && b0 == 0xEF) {
            const auto b1 = static_cast<unsigned char>(c[1]), b2 = static_cast<unsigned char>(c[2]);
            if (b1 == 0xBC && b2 >= 0x90 && b2 <= 0x99) {
                out += static_cast<char>('0' + (b2 - 0x90));
                continue;
            }
            const char* map = nullptr;
            if (b1 == 0xBC)
                map = b2 == 0x8B   ? "+"
                      : b2 == 0x8D ? "-"
                      : b2 == 0x8E ? "."
                      : b2 == 0xA5 ? "E"
                      : b2 == 0xA4 ? "D"
                                   : nullptr;
            if (b1 == 0xBD) map = b2 == 0x85 ? "e" : b2 == 0x84 ? "d" : nullptr;
            if (map) {
                out += map;
                continue;
            }
        }
        out += '\x01';
    }
    return out;
}

// The leading number of normalised text as sign, digits and a power of ten.
Number ExactLeadingNumber(const std::string& s) {
    std::size_t p = 0;
    bool negative = false;
    if (p < s.size() && (s[p] == '+' || s[p] == '-')) negative = s[p++] == '-';
    std::string digits;
    long long fraction = 0;
    bool point = false, any = false;
    for (; p < s.size(); ++p) {
        if (s[p] >= '0' && s[p] <= '9') {
            any = true;
            if (point) ++fraction;
            if (!digits.empty() || s[p] != '0') digits += s[p];
        } else if (s[p] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!any || digits.empty()) return Number::Integer(0);
    long long exponent = 0;
    if (p < s.size() && (s[p] == 'E' || s[p] == 'e' || s[p] == 'D' || s[p] == 'd')) {
        ++p;
        bool en = false;
        if (p < s.size() && (s[p] == '+' || s[p] == '-')) en = s[p++] == '-';
        bool ed = false;
        long long e = 0;
        for (; p < s.size() && s[p] >= '0' && s[p] <= '9'; ++p) {
            if (e < 1'000'000'000) e = e * 10 + (s[p] - '0');
            ed = true;
        }
        if (ed) exponent = en ? -e : e;
    }
    const long long scale = exponent - fraction;
    if (scale > 1000 || scale < -2000) return Number::Failed(Fault::OutOfRange);
    std::string num = (negative ? "-" : "") + digits, den = "1";
    if (scale >= 0)
        num += std::string(static_cast<std::size_t>(scale), '0');
    else
        den += std::string(static_cast<std::size_t>(-scale), '0');
    return Number::FromDigits(num, den);
}

}  // namespace

Number ReadLenient(std::string_view text) {
    const double field = ParseNumber(text);
    if (!std::isfinite(field)) return Number::Failed(Fault::OutOfRange);
    if (field == 0) return Number::Integer(0);
    return ExactLeadingNumber(Normalised(text, false));
}

std::optional<Number> ReadStrict(std::string_view text) {
    double field = 0;
    try {
        field = StrictNumber(text);
    } catch (const ComputationFault&) {
        // A number whose exponent takes it beyond the double range is still a number:
        // only its size is refused.
        if (std::isfinite(ParseNumber(text))) return std::nullopt;
        std::string shape = Normalised(text, true);
        const std::size_t e = shape.find_last_of("eE");
        if (e == std::string::npos) return std::nullopt;
        std::size_t digit = e + 1;
        if (digit < shape.size() && (shape[digit] == '+' || shape[digit] == '-')) ++digit;
        while (digit < shape.size() && shape[digit] >= '0' && shape[digit] <= '9') shape[digit++] = '0';
        try {
            StrictNumber(shape);
        } catch (const ComputationFault&) {
            return std::nullopt;
        }
        return Number::Failed(Fault::OutOfRange);
    }
    if (field == 0) return Number::Integer(0);
    std::string s = Normalised(text, false);
    s.erase(std::remove(s.begin(), s.end(), ','), s.end());
    return ExactLeadingNumber(s);
}

std::size_t CodePoints(std::string_view s) {
    return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

}  // namespace velunda::exact
