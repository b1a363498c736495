#include "exact/exactnumber.h"

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
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
    // An odd power of √π goes to the numerator, under the root there: √(50/π) is 5√(2π)/π,
    // not 5√2/√π.
    const bool rootPi = halves % 2 != 0;
    if (rootPi) halves -= 1;
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
        const bool alone = terms.size() == 1 && rootPi;
        if (a != 1 || (!radical && !alone)) numerator += std::to_string(a);
        if (t.k != 1) numerator += alone && t.m == 1 ? "√(" + std::to_string(t.k) + "π)" : "√" + std::to_string(t.k);
        if (t.m != 1) numerator += "∛" + std::to_string(t.m);
        if (alone && (t.k == 1 || t.m != 1)) numerator += "√π";
    }
    if (rootPi && terms.size() > 1) numerator = "(" + numerator + ")√π";
    const bool sum = terms.size() > 1 && !rootPi;  // (…)√π is one group already
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

// ---- Values without a closed form ----

// One step of an expression: a leaf (an exact number times a power of π) or an operation
// on the results of its arguments. Expressions share their parts.
struct Node {
    int op = VX_LEAF;
    std::shared_ptr<const Node> a, b;
    std::shared_ptr<vx_num> leaf;
    long n = 0;  // a leaf's π^(n/2), the exponent of a power, the index of a root
};

namespace {

// The precision at which an expression's ball stops doubling: a value still not told apart
// from 0 there is taken as 0, and said to be so.
constexpr long kMaxPrecision = 4096;

std::shared_ptr<const Node> MakeNode(int op, std::shared_ptr<const Node> a, std::shared_ptr<const Node> b = {},
                                     long n = 0) {
    auto node = std::make_shared<Node>();
    node->op = op;
    node->a = std::move(a);
    node->b = std::move(b);
    node->n = n;
    return node;
}

std::shared_ptr<const Node> LeafNode(std::shared_ptr<vx_num> value, int piHalves) {
    auto node = std::make_shared<Node>();
    node->leaf = std::move(value);
    node->n = piHalves;
    return node;
}

const std::shared_ptr<vx_num>& One();

// The steps of an expression for the engine, each shared part once.
int Flatten(const Node* node, std::vector<vx_step>* steps, std::vector<const Node*>* seen) {
    const auto at = std::find(seen->begin(), seen->end(), node);
    if (at != seen->end()) return static_cast<int>(at - seen->begin());
    const int a = node->a ? Flatten(node->a.get(), steps, seen) : 0;
    const int b = node->b ? Flatten(node->b.get(), steps, seen) : 0;
    steps->push_back({node->op, a, b, node->n, node->leaf.get()});
    seen->push_back(node);
    return static_cast<int>(steps->size()) - 1;
}

// The value of an expression to sig digits (see vx_api::evaluate).
std::string EvaluateNode(const Node& node, int sig, long* exp10, int* sign, bool* certain) {
    std::vector<vx_step> steps;
    std::vector<const Node*> seen;
    Flatten(&node, &steps, &seen);
    int sure = 0;
    char* digits =
        Api()->evaluate(steps.data(), static_cast<int>(steps.size()), sig, kMaxPrecision, exp10, sign, &sure);
    *certain = sure != 0;
    return Take(digits);
}

}  // namespace

Number Number::OfNode(std::shared_ptr<const Node> node) {
    Number n(Kind::Expression);
    n.value_ = One();
    n.node_ = std::move(node);
    return n;
}

std::shared_ptr<const Node> Number::AsNode() const {
    if (kind_ == Kind::Exact) return LeafNode(value_, piHalves_);
    if (piHalves_ == 0 && Api()->compare(value_.get(), One().get()) == 0) return node_;
    return MakeNode(VX_MUL, LeafNode(value_, piHalves_), node_);
}

const Number::Evaluated& Number::Evaluate() const {
    if (!evaluated_) {
        auto e = std::make_shared<Evaluated>();
        e->digits = EvaluateNode(*AsNode(), 15, &e->exp10, &e->sign, &e->certain);
        evaluated_ = std::move(e);
    }
    return *evaluated_;
}

bool Number::Certain() const { return !ok() || kind_ == Kind::Exact || Evaluate().certain; }

// ---- Construction ----

Number::Number() {
    if (Api())
        value_ = Own(Api()->from_fraction("0", "1"));
    else
        kind_ = Kind::Expression, fault_ = Fault::NoEngine;
}

namespace {
const std::shared_ptr<vx_num>& One() {
    static const std::shared_ptr<vx_num> one = Own(Api()->from_fraction("1", "1"));
    return one;
}
}  // namespace

Number Number::FromHandle(vx_num* handle, Fault ifNull, int piHalves) {
    if (!handle) return Failed(ifNull);
    Number n(Kind::Exact);
    n.value_ = Own(handle);
    n.piHalves_ = piHalves;
    // Numbers of high degree have no closed form worth writing and are slow to work with:
    // they are worked with through their enclosures.
    if (Api()->degree(handle) > 8) return n.Approximation();
    return n;
}

Number Number::FromDigits(const std::string& num, const std::string& den) {
    if (!Api()) return Failed(Fault::NoEngine);
    return FromHandle(Api()->from_fraction(num.c_str(), den.c_str()), Fault::DivisionByZero);
}

Number Number::Failed(Fault fault) {
    Number n(Kind::Expression);
    n.fault_ = fault;
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
    if (!SmallDegreeAngle(p, q)) return OfNode(MakeNode(VX_SIN, (Fraction(p, q) * Pi()).AsNode()));
    return FromHandle(Api()->sin_pi(static_cast<long>(p), static_cast<unsigned long>(q)));
}

Number Number::CosPi(long long p, long long q) {
    if (!Api()) return Failed(Fault::NoEngine);
    if (!SmallDegreeAngle(p, q)) return OfNode(MakeNode(VX_COS, (Fraction(p, q) * Pi()).AsNode()));
    return FromHandle(Api()->cos_pi(static_cast<long>(p), static_cast<unsigned long>(q)));
}

Number Number::TanPi(long long p, long long q) {
    if (!Api()) return Failed(Fault::NoEngine);
    if (!SmallDegreeAngle(p, q)) return OfNode(MakeNode(VX_TAN, (Fraction(p, q) * Pi()).AsNode()));
    return FromHandle(Api()->tan_pi(static_cast<long>(p), static_cast<unsigned long>(q)), Fault::Undefined);
}

// ---- Arithmetic ----

bool Number::TooLarge() const { return kind_ == Kind::Exact && Api()->height_bits(value_.get()) > kMaxHeightBits; }

namespace {
Fault FirstFault(const Number& x, const Number& y) { return x.ok() ? y.fault() : x.fault(); }

// Whether an exact sum or product of x and y could take long: two irrational numbers of
// large minimal polynomials, whose combination the engine factors. Such a result has no
// form the notation could write either.
bool CostlyPair(const vx_num* x, const vx_num* y) {
    const vx_api* api = Api();
    return api->degree(x) >= 2 && api->degree(y) >= 2 && api->height_bits(x) + api->height_bits(y) > 256;
}
}  // namespace

Number operator+(const Number& x, const Number& y) {
    if (!x.ok() || !y.ok()) return Number::Failed(FirstFault(x, y));
    const bool exact = x.kind_ == Number::Kind::Exact && y.kind_ == Number::Kind::Exact;
    if (x.kind_ == Number::Kind::Exact && Api()->sign(x.value_.get()) == 0) return y;
    if (y.kind_ == Number::Kind::Exact && Api()->sign(y.value_.get()) == 0) return x;
    if (exact && x.piHalves_ == y.piHalves_ && !CostlyPair(x.value_.get(), y.value_.get()))
        return Number::FromHandle(Api()->add(x.value_.get(), y.value_.get()), Fault::OutOfRange, x.piHalves_);
    return Number::OfNode(MakeNode(VX_ADD, x.AsNode(), y.AsNode()));
}

Number Number::operator-() const { return Integer(-1) * *this; }

Number operator-(const Number& x, const Number& y) {
    if (!x.ok() || !y.ok()) return Number::Failed(FirstFault(x, y));
    if (x.kind_ == Number::Kind::Exact && y.kind_ == Number::Kind::Exact) return x + (-y);
    if (y.kind_ == Number::Kind::Exact && Api()->sign(y.value_.get()) == 0) return x;
    return Number::OfNode(MakeNode(VX_SUB, x.AsNode(), y.AsNode()));
}

Number operator*(const Number& x, const Number& y) {
    if (!x.ok() || !y.ok()) return Number::Failed(FirstFault(x, y));
    using K = Number::Kind;
    if ((x.kind_ == K::Expression && y.kind_ == K::Expression) || CostlyPair(x.value_.get(), y.value_.get()))
        return Number::OfNode(MakeNode(VX_MUL, x.AsNode(), y.AsNode()));
    // An exact factor goes into the exact part: b·sin A/a is sin A itself where a = b.
    const Number& e = x.kind_ == K::Exact ? x : y;
    const Number& other = x.kind_ == K::Exact ? y : x;
    if (Api()->sign(e.value_.get()) == 0) return e;
    Number r =
        Number::FromHandle(Api()->mul(x.value_.get(), y.value_.get()), Fault::OutOfRange, x.piHalves_ + y.piHalves_);
    if (other.kind_ == K::Exact) return r;
    if (!r.ok() || r.kind_ != K::Exact || r.TooLarge()) return Number::OfNode(MakeNode(VX_MUL, x.AsNode(), y.AsNode()));
    r.kind_ = K::Expression;
    r.node_ = other.node_;
    r.opaque_ = other.opaque_;
    return r;
}

Number operator/(const Number& x, const Number& y) {
    if (!x.ok() || !y.ok()) return Number::Failed(FirstFault(x, y));
    if (y.Sign() == 0) return Number::Failed(Fault::DivisionByZero);
    using K = Number::Kind;
    if (y.kind_ == K::Exact && !CostlyPair(x.value_.get(), y.value_.get())) {
        if (x.kind_ == K::Exact)
            return Number::FromHandle(Api()->div(x.value_.get(), y.value_.get()), Fault::DivisionByZero,
                                      x.piHalves_ - y.piHalves_);
        Number r = Number::FromHandle(Api()->div(x.value_.get(), y.value_.get()), Fault::DivisionByZero,
                                      x.piHalves_ - y.piHalves_);
        if (!r.ok() || r.kind_ != K::Exact || r.TooLarge())
            return Number::OfNode(MakeNode(VX_DIV, x.AsNode(), y.AsNode()));
        r.kind_ = K::Expression;
        r.node_ = x.node_;
        r.opaque_ = x.opaque_;
        return r;
    }
    return Number::OfNode(MakeNode(VX_DIV, x.AsNode(), y.AsNode()));
}

Number Number::Approximation() const {
    if (!ok() || kind_ != Kind::Exact) {
        Number n = *this;
        n.opaque_ = true;
        n.exactText_.reset();
        return n;
    }
    Number n = OfNode(AsNode());
    n.opaque_ = true;
    return n;
}

Number Number::Pow(int n) const {
    if (!ok()) return *this;
    if (n < 0 && Sign() == 0) return Failed(Fault::DivisionByZero);
    if (n == 0) return Integer(1);
    if (kind_ == Kind::Exact && !TooLarge() && std::abs(n) <= 64) {
        return FromHandle(Api()->pow_si(value_.get(), n), Fault::DivisionByZero, piHalves_ * n);
    }
    return OfNode(MakeNode(VX_POW, AsNode(), {}, n));
}

Number Number::Sqrt() const {
    if (!ok()) return *this;
    const int s = Sign();
    if (s < 0) return Failed(Fault::NegativeRoot);
    if (s == 0 && kind_ == Kind::Exact) return *this;
    // A large rational is still quick to take apart (√1E+300 = 1E+150).
    const bool rational = kind_ == Kind::Exact && Api()->degree(value_.get()) == 1 &&
                          Api()->height_bits(value_.get()) <= 4 * kMaxHeightBits;
    if (kind_ == Kind::Exact && piHalves_ % 2 == 0 && (!TooLarge() || rational)) {
        return FromHandle(Api()->root_ui(value_.get(), 2), Fault::NegativeRoot, piHalves_ / 2);
    }
    return OfNode(MakeNode(VX_ROOT, AsNode(), {}, 2));
}

Number Number::Cbrt() const {
    if (!ok()) return *this;
    if (kind_ == Kind::Exact && piHalves_ == 0 && !TooLarge()) return FromHandle(Api()->root_ui(value_.get(), 3));
    return OfNode(MakeNode(VX_ROOT, AsNode(), {}, 3));
}

Number Number::Sin() const {
    long long p = 0, q = 1;
    if (!ok()) return *this;
    if (PiMultiple(&p, &q)) return SinPi(p, q);
    return OfNode(MakeNode(VX_SIN, AsNode()));
}

Number Number::Cos() const {
    long long p = 0, q = 1;
    if (!ok()) return *this;
    if (PiMultiple(&p, &q)) return CosPi(p, q);
    return OfNode(MakeNode(VX_COS, AsNode()));
}

Number Number::Tan() const {
    long long p = 0, q = 1;
    if (!ok()) return *this;
    if (PiMultiple(&p, &q)) return TanPi(p, q);
    return OfNode(MakeNode(VX_TAN, AsNode()));
}

namespace {

// p/q reduced, as a number times π.
Number PiTimes(__int128 p, __int128 q) {
    if (q < 0) p = -p, q = -q;
    __int128 a = p < 0 ? -p : p, b = q;
    while (b != 0) {
        const __int128 t = a % b;
        a = b;
        b = t;
    }
    if (a > 1) p /= a, q /= a;
    return Number::Fraction(static_cast<long long>(p), static_cast<long long>(q)) * Number::Pi();
}

// p/q - floor(p/q / period) × period, for a period of 1 or 2: the angle pπ/q brought into
// [0, period·π).
void Reduce(__int128* p, __int128 q, int period) {
    const __int128 m = q * period;
    *p %= m;
    if (*p < 0) *p += m;
}

}  // namespace

// arcsin(±sin(pπ/q)), arccos(±cos(pπ/q)), arctan(±tan(pπ/q)) and the crossed arcsin of a
// cosine and arccos of a sine: the angle in the principal range, exactly, for an angle
// whose function has no closed form (sin 100° = cos 10°).
bool Number::InverseOfItsFunction(int function, Number* angle) const {
    if (kind_ != Kind::Expression || piHalves_ != 0 || opaque_ || !node_ || node_->a == nullptr) return false;
    const int op = node_->op;
    if (op != VX_SIN && op != VX_COS && op != VX_TAN) return false;
    const Node& arg = *node_->a;
    if (arg.op != VX_LEAF || arg.n != 2) return false;
    const int s = Api()->compare(value_.get(), One().get()) == 0 ? 1 : 0;
    Number minusOne = Integer(-1);
    const int sign = s ? 1 : Api()->compare(value_.get(), minusOne.value_.get()) == 0 ? -1 : 0;
    if (sign == 0) return false;
    Number t = Integer(1);
    t.value_ = arg.leaf;
    t.piHalves_ = 2;
    long long pp = 0, qq = 1;
    if (!t.PiMultiple(&pp, &qq)) return false;
    __int128 p = pp, q = qq;
    const bool tangent = op == VX_TAN;
    if ((function == VX_ATAN) != tangent) return false;
    if (tangent) {  // arctan(tan x) = x brought into (-π/2, π/2)
        Reduce(&p, q, 1);
        if (2 * p > q) p -= q;
        if (2 * p == q) return false;
        *angle = PiTimes(sign * p, q);
        return true;
    }
    // u = arcsin(sin x) in [-π/2, π/2], or v = arccos(cos x) in [0, π].
    const bool sine = op == VX_SIN;
    Reduce(&p, q, 2);  // x in [0, 2π)
    __int128 u = 0, v = 0;
    if (sine) {
        // arcsin(sin x): x for x ≤ π/2, π − x up to 3π/2, x − 2π beyond.
        u = 2 * p <= q ? p : 2 * p <= 3 * q ? q - p : p - 2 * q;
    } else {
        v = p <= q ? p : 2 * q - p;
    }
    // The other function: arccos(y) = π/2 − arcsin(y), arcsin(y) = π/2 − arccos(y), in units of π/(2q).
    __int128 num = 0;
    if (function == VX_ASIN)
        num = sine ? 2 * u * sign : sign * (q - 2 * v);
    else if (sine)
        num = q - 2 * u * sign;
    else
        num = sign > 0 ? 2 * v : 2 * (q - v);
    *angle = PiTimes(num, 2 * q);
    return true;
}

// arctan, arcsin or arccos: a rational multiple of π where the engine finds one, else the
// function of this exact argument; arcsin and arccos beyond ±1 are Undefined.
Number Number::Inverse(int function) const {
    if (!ok()) return *this;
    const bool bounded = function != VX_ATAN;
    const int op = function == VX_ATAN ? VX_ATAN : function == VX_ASIN ? VX_ASIN : VX_ACOS;
    if (kind_ != Kind::Exact || piHalves_ != 0 || TooLarge()) {
        if (bounded && ((*this - Integer(1)).Sign() > 0 || (*this + Integer(1)).Sign() < 0))
            return Failed(Fault::Undefined);
        Number angle;
        if (InverseOfItsFunction(function, &angle)) return angle;
        return OfNode(MakeNode(op, AsNode()));
    }
    if (bounded &&
        (Api()->compare(value_.get(), One().get()) > 0 || Api()->compare(value_.get(), Integer(-1).value_.get()) < 0))
        return Failed(Fault::Undefined);
    const auto piMultiple = function == VX_ATAN   ? Api()->atan_pi
                            : function == VX_ASIN ? Api()->asin_pi
                                                  : Api()->acos_pi;
    long p = 0;
    unsigned long q = 1;
    if (piMultiple(value_.get(), &p, &q)) return Fraction(p, static_cast<long long>(q)) * Pi();
    return OfNode(MakeNode(op, AsNode()));
}

Number Number::Atan() const { return Inverse(VX_ATAN); }
Number Number::Asin() const { return Inverse(VX_ASIN); }
Number Number::Acos() const { return Inverse(VX_ACOS); }

// ---- Questions ----

int Number::Sign() const {
    if (!ok()) return 0;
    if (kind_ == Kind::Exact) return Api()->sign(value_.get());
    return Evaluate().sign;
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
    if (kind_ == Kind::Exact) {
        int neg = 0;
        std::string d = Take(Api()->approx(value_.get(), piHalves_, 2, sig, exp10, &neg));
        *negative = neg != 0;
        return d;
    }
    if (sig == 15) {
        const Evaluated& e = Evaluate();
        *exp10 = e.exp10;
        *negative = e.sign < 0;
        return e.digits;
    }
    int sign = 0;
    bool certain = false;
    std::string d = EvaluateNode(*AsNode(), sig, exp10, &sign, &certain);
    *negative = sign < 0;
    return d;
}

long double Number::Approximate() const {
    if (!ok()) return NAN;
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

bool Number::PiTerms(const Node& node, const Number& scale, std::map<int, Number>* terms) {
    const auto leaf = [](const Node& n) {
        Number x = Integer(1);
        x.value_ = n.leaf;
        x.piHalves_ = static_cast<int>(n.n);
        return x;
    };
    switch (node.op) {
        case VX_LEAF: {
            const Number x = scale * leaf(node);
            Number& sum = (*terms)[x.piHalves_];
            sum = sum + x;
            return sum.ok() && sum.kind_ == Kind::Exact;
        }
        case VX_ADD:
            return PiTerms(*node.a, scale, terms) && PiTerms(*node.b, scale, terms);
        case VX_SUB:
            return PiTerms(*node.a, scale, terms) && PiTerms(*node.b, -scale, terms);
        case VX_MUL:
            if (node.a->op == VX_LEAF) return PiTerms(*node.b, scale * leaf(*node.a), terms);
            if (node.b->op == VX_LEAF) return PiTerms(*node.a, scale * leaf(*node.b), terms);
            return false;
        case VX_DIV:
            return node.b->op == VX_LEAF && PiTerms(*node.a, scale / leaf(*node.b), terms);
        default:
            return false;
    }
}

std::string Number::PiSumText() const {
    Number scale = *this;
    scale.kind_ = Kind::Exact;
    scale.node_.reset();
    scale.exactText_.reset();
    scale.evaluated_.reset();
    std::map<int, Number> terms;
    if (!PiTerms(*node_, scale, &terms)) return {};
    // Positive terms before negative ones; among them the part free of π first, then π,
    // π², … and last 1/π, 1/π², …: 12.56-2π, 25/π-2.
    std::vector<std::pair<int, Number>> order(terms.begin(), terms.end());
    std::erase_if(order, [](const auto& term) { return term.second.IsZero(); });
    const auto rank = [](const std::pair<int, Number>& term) {
        const int halves = term.first;
        return (term.second.Sign() < 0 ? 10000 : 0) + (halves == 0 ? 0 : halves > 0 ? halves : 1000 - halves);
    };
    std::sort(order.begin(), order.end(), [&](const auto& x, const auto& y) { return rank(x) < rank(y); });
    if (order.size() < 2) return {};
    std::string text;
    for (const auto& [halves, term] : order) {
        // A rational part that a decimal writes whole is written so, as it was typed.
        std::string part = term.DecimalIsWhole() ? term.DecimalText() : term.ExactText();
        if (part.empty()) return {};
        if (!text.empty() && part[0] != '-') text += "+";
        text += part;
    }
    return text;
}

std::string Number::FindExactText() const {
    if (!ok() || opaque_) return {};
    if (kind_ == Kind::Expression) {
        // A sum of unlike powers of π: 12.56-2π.
        if (std::string sum = PiSumText(); !sum.empty()) return sum;
        // factor × f(argument) with an exact argument: arctan(4/3), 2arctan(4/3), 180arctan(4/3)/π.
        const int op = node_->op;
        if ((op != VX_ATAN && op != VX_ASIN && op != VX_ACOS) || node_->a->op != VX_LEAF || node_->a->n != 0) return {};
        Number factor = *this;
        factor.kind_ = Kind::Exact;
        factor.node_.reset();
        factor.exactText_.reset();
        factor.evaluated_.reset();
        Number argument = Integer(1);
        argument.value_ = node_->a->leaf;
        const std::string a = argument.ExactText();
        if (a.empty()) return {};
        const char* name = op == VX_ATAN ? "arctan" : op == VX_ASIN ? "arcsin" : "arccos";
        const std::string f = std::string(name) + "(" + a + ")";
        const std::string c = factor.ExactText();
        if (c.empty()) return {};
        if (c == "1") return f;
        if (c == "-1") return "-" + f;
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
    const std::string digits = RoundedDigits(15, &e, &negative);
    if (digits.empty()) return {};
    return DecimalFromDigits(digits, e, negative);
}

bool Number::IsExactly(std::string digits, long e, bool negative) const {
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const long shift = e + 1 - static_cast<long>(digits.size());
    if (digits.empty() || std::labs(shift) > 5000) return false;
    std::string den = "1";
    if (shift >= 0)
        digits += std::string(static_cast<std::size_t>(shift), '0');
    else
        den += std::string(static_cast<std::size_t>(-shift), '0');
    return FromDigits((negative ? "-" : "") + digits, den).Equals(*this);
}

bool Number::DecimalIsWhole() const { return !WholeDecimalText(15).empty(); }

std::string Number::WholeDecimalText(int digits) const {
    // Only a rational has a decimal that ends; its digits are read back exactly, also
    // beyond the range of a field (-3E+400).
    if (!IsAlgebraic() || Api()->degree(value_.get()) != 1) return {};
    long e = 0;
    bool negative = false;
    const std::string rounded = RoundedDigits(digits, &e, &negative);
    return IsExactly(rounded, e, negative) ? DecimalFromDigits(rounded, e, negative) : std::string();
}

bool Number::ExactFormTooLong() const {
    if (!ok() || (kind_ != Kind::Exact && !opaque_)) return false;
    if (DecimalIsWhole()) return false;
    const std::string exact = ExactText();
    return exact.empty() || CodePoints(exact) > CodePoints(DecimalText());
}

std::string Number::Text() const {
    if (!ok()) return FaultText(fault_);
    const std::string decimal = DecimalText();
    const std::string exact = ExactText();
    // A quotient that ends is written whole where its fraction is too long (4.000000000000004).
    if (exact.empty() || CodePoints(exact) > CodePoints(decimal)) {
        const std::string whole = decimal.empty() || DecimalIsWhole() ? "" : WholeDecimalText();
        if (!whole.empty()) return whole;
    }
    if (exact.empty()) return decimal;
    if (IsAlgebraic() && Api()->degree(value_.get()) == 1) {
        const std::size_t slash = exact.find('/');
        if (slash == std::string::npos) return exact;  // an integer
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
