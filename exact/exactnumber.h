// Exact numbers for the worked solutions: real algebraic numbers times a power of π,
// held by the engine module (opened on first use), with the school notation of their
// values. No toolkit and no engine type appears here.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct vx_num;

namespace velunda::exact {

struct Node;

// Why a value could not be computed.
enum class Fault {
    None,
    DivisionByZero,  // 除数为 0
    NegativeRoot,    // 负数不能开平方
    OutOfRange,      // 超出计算范围
    Undefined,       // 无意义 (tan 90°, arcsin of a value beyond ±1)
    NoEngine,        // the engine module could not be opened
};

// The Chinese reason for a fault, as a solution line states it.
std::string FaultText(Fault fault);

// The characters of a UTF-8 text ("5√2" has 3).
std::size_t CodePoints(std::string_view s);

// Whether the engine module is available; the first call opens it (some 20 ms of
// processor time for Calcium, FLINT and their libraries).
bool EngineAvailable();

// Opens the engine module on a thread of its own and returns at once, so that the first
// solution need not wait for it: for a window whose solution panel is shown.
void LoadEngineInBackground();

class Number {
public:
    Number();  // 0
    static Number Integer(long long n);
    static Number Fraction(long long p, long long q);
    static Number Pi();
    static Number Failed(Fault fault);
    // num/den from decimal digit strings (with an optional '-' in front of num).
    static Number FromDigits(const std::string& num, const std::string& den);
    // sin, cos and tan of the angle pπ/q.
    static Number SinPi(long long p, long long q);
    static Number CosPi(long long p, long long q);
    static Number TanPi(long long p, long long q);

    friend Number operator+(const Number& x, const Number& y);
    friend Number operator-(const Number& x, const Number& y);
    friend Number operator*(const Number& x, const Number& y);
    friend Number operator/(const Number& x, const Number& y);
    Number operator-() const;
    Number Pow(int n) const;
    Number Sqrt() const;  // NegativeRoot below 0
    Number Cbrt() const;  // the real cube root
    // Sine, cosine and tangent of an angle in radians: exact where the angle is a
    // rational multiple of π (sin π/3 = √3/2); tan of an odd multiple of π/2 is Undefined.
    Number Sin() const;
    Number Cos() const;
    Number Tan() const;
    // Angles in radians: arctan, arcsin (Undefined beyond ±1) and arccos of this number,
    // exact where the angle is a rational multiple of π.
    Number Atan() const;
    Number Asin() const;
    Number Acos() const;

    bool ok() const { return fault_ == Fault::None; }
    Fault fault() const { return fault_; }
    // -1, 0 or 1; 0 also for a value that is not ok.
    int Sign() const;
    bool IsZero() const { return ok() && Sign() == 0; }
    bool IsInteger() const;
    // Exact and free of π: what a field can hold exactly.
    bool IsAlgebraic() const;
    // Exactly equal (both ok and exact); false where it cannot be decided exactly.
    bool Equals(const Number& other) const;
    // A rational angle in multiples of π: sets p/q when this is pπ/q exactly.
    bool PiMultiple(long long* p, long long* q) const;

    // The same value without its exact form, worked with through its decimal enclosure
    // from then on: for a value whose exact form the notation cannot write (a nested root
    // such as √(25-12√3)) and would take long to look for. Its decimals stay exact.
    Number Approximation() const;

    // The value to about 19 digits (a value that is not ok gives NaN), for the figure and
    // for comparing with a field; no digit a solution shows comes from it.
    long double Approximate() const;

    // The exact form ("5√2", "3√3/4", "25π", "(√6-√2)/4", "arctan(4/3)"), or "" when the
    // value has none short enough (the decimal stands alone then).
    std::string ExactText() const;
    // Whether the value has an exact form that the notation leaves out as too long (a
    // numerator or denominator of more than 12 digits, a radicand above 10⁶, a form longer
    // than the decimal, or one too costly to look for), so that the decimal stands alone.
    bool ExactFormTooLong() const;
    // The value correctly rounded to 15 significant digits, with a 0 before the point.
    std::string DecimalText() const;
    // Whether DecimalText() is the whole value rather than a rounding of it.
    bool DecimalIsWhole() const;
    // A rational whose decimal ends within `digits` significant digits written whole
    // ("1.000000000000001", as it was typed), "" for any other value.
    std::string WholeDecimalText(int digits = 30) const;
    // What a solution writes for a result: "25", "12/5 = 2.4", "7/3 ≈ 2.33333333333333",
    // "5√2 ≈ 7.07106781186548", or the decimal alone where the exact form is too long.
    std::string Text() const;

    // Whether the sign and the decimals are those of the value itself: false for a value
    // that is 0 within the precision the engine tries (4096 bits) without being known to be
    // 0, whose decimal is then "0" and whose Sign() is 0.
    bool Certain() const;

private:
    // Exact: value_ × π^(piHalves_/2). Expression: value_ × π^(piHalves_/2) × node_, a value
    // without such a form (sin 1, arctan(4/3), a sum of unlike powers of π), whose decimals
    // come from the engine's ball arithmetic.
    enum class Kind { Exact, Expression };
    Kind kind_ = Kind::Exact;
    Fault fault_ = Fault::None;
    bool opaque_ = false;  // written as its decimal only (see Approximation())
    std::shared_ptr<vx_num> value_;
    std::shared_ptr<const Node> node_;
    int piHalves_ = 0;
    // The exact form once found: looking for it can take milliseconds (a sum of unlike
    // roots), and a solution writes a result more than once; likewise an expression's sign
    // and decimal, which can take several precisions to settle.
    mutable std::optional<std::string> exactText_;
    struct Evaluated {
        std::string digits;  // 15 significant digits, "" where the value has none
        long exp10 = 0;
        int sign = 0;
        bool certain = false;
    };
    mutable std::shared_ptr<const Evaluated> evaluated_;

    explicit Number(Kind kind) : kind_(kind) {}
    static Number FromHandle(vx_num* handle, Fault ifNull = Fault::OutOfRange, int piHalves = 0);
    static Number OfNode(std::shared_ptr<const Node> node);
    std::shared_ptr<const Node> AsNode() const;
    const Evaluated& Evaluate() const;
    Number Inverse(int function) const;
    bool InverseOfItsFunction(int function, Number* angle) const;
    bool TooLarge() const;
    std::string FindExactText() const;
    // A sum of unlike powers of π ("12.56-2π", "25/π-2"), "" for any other value.
    std::string PiSumText() const;
    // Adds the terms of the sum `node` times `scale` to `terms`, by their power of π;
    // false where the node is no such sum.
    static bool PiTerms(const Node& node, const Number& scale, std::map<int, Number>* terms);
    std::string RoundedDigits(int sig, long* exp10, bool* negative) const;
    // Whether the decimal digits × 10^(exp10 + 1 − their count) are this value exactly.
    bool IsExactly(std::string digits, long exp10, bool negative) const;
};

// An integer as a number: Int(2) is Number::Integer(2).
inline Number Int(long long n) { return Number::Integer(n); }

// A field's text read exactly by the rules of ParseNumber: "2.5" is 5/2, "0.1" 1/10,
// "1e-3" 1/1000, full-width digits, the leading part that reads; OutOfRange beyond the
// double range.
Number ReadLenient(std::string_view text);
// By the rules of StrictNumber (group separators, the whole text); nullopt where
// StrictNumber refuses the text.
std::optional<Number> ReadStrict(std::string_view text);

}  // namespace velunda::exact
