#include "exact/solutionbuilder.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <numeric>
#include <optional>

namespace velunda::exact {
namespace {

// Whether a number's text is one group in parentheses, "(-3)", and not a fraction whose
// numerator is one, "(845+21√209)/50".
bool OneGroup(std::string_view t) {
    int depth = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '(') ++depth;
        if (t[i] == ')' && --depth == 0) return i + 1 == t.size();
        if (depth == 0) return false;  // no '(' in front
    }
    return false;
}

// A result the fields cannot hold: beyond the largest double.
bool BeyondFields(const Number& x) { return std::fabs(x.Approximate()) > static_cast<long double>(DBL_MAX); }

const char* const kBeyond = "超出计算范围（结果大于 1.79769313486232E+308）";

}  // namespace

bool RoundedDecimal(const Number& x, std::string_view text) { return text == x.DecimalText() && !x.DecimalIsWhole(); }

namespace {

// "面积为 6", or "面积约为 0.643501108793284" where the text is a rounded decimal.
std::string PartOfAnswer(std::string_view name, const Number& value, const std::string& text) {
    return std::string(name) + (RoundedDecimal(value, text) ? "约为 " : "为 ") + text;
}

}  // namespace

std::string ValueAlone(const Number& x) {
    const std::string decimal = x.DecimalText();
    return (x.DecimalIsWhole() ? " = " : " ≈ ") + decimal;
}

Number Read(const Form& form, std::string_view field) { return ReadLenient(form.text(field)); }

Number ReadAngle(const Form& form, std::string_view field, bool inRadians) {
    const Number typed = Read(form, field);
    return inRadians ? typed : typed * Number::Pi() / Number::Integer(180);
}

std::string AngleText(const Number& radians, bool inRadians) {
    if (!radians.ok()) return FaultText(radians.fault());
    if (inRadians) {
        const std::string exact = radians.ExactText();
        // Half of a typed 3.14159265358979 is 1.570796326794895, not 1.5707963267949.
        if (std::string whole = radians.WholeDecimalText(); !whole.empty())
            if (exact.empty() || CodePoints(exact) > CodePoints(whole)) return whole + "（弧度）";
        if (exact.empty()) return radians.DecimalText() + "（弧度）";
        if (radians.DecimalIsWhole()) return radians.DecimalText() + "（弧度）";
        return exact + " ≈ " + radians.DecimalText() + "（弧度）";
    }
    const Number degrees = radians * Number::Integer(180) / Number::Pi();
    if (degrees.IsAlgebraic()) {
        if (degrees.DecimalIsWhole()) return degrees.DecimalText() + "°";
        const std::string exact = degrees.ExactText();
        return (exact.empty() ? "" : exact + "° ≈ ") + degrees.DecimalText() + "°";
    }
    // arctan(4/3) names the angle itself; any other form is of its degrees (0.5 rad is
    // 90/π°), never of its radians.
    std::string exact = radians.ExactText();
    if (exact.find("arc") == std::string::npos) {
        exact = degrees.ExactText();
        if (!exact.empty()) exact += "°";
    }
    return (exact.empty() ? "" : exact + " ≈ ") + degrees.DecimalText() + "°";
}

std::string In(const Number& x) {
    if (!x.ok()) return "?";
    // A decimal that ends is written whole: a given as it was typed, 1.000000000000001, not 1.
    std::string text = x.WholeDecimalText();
    if (text.empty()) text = x.ExactText();
    if (text.empty()) text = x.DecimalText();
    if (!text.empty() && text[0] == '-') return "(" + text + ")";
    return text;
}

std::string Plain(const Number& x) {
    const std::string t = In(x);
    if (t.size() > 2 && t[0] == '(' && t[1] == '-' && t.back() == ')') return t.substr(1, t.size() - 2);
    return t;
}

std::string Divisor(const Number& x) {
    const std::string t = In(x);
    if (OneGroup(t) || t.find_first_not_of("0123456789.") == std::string::npos) return t;
    return "(" + t + ")";
}

std::string Grouped(const Number& x) {
    const std::string t = In(x);
    // One term (5√2, 4π, 0.5) stands alone in a product; a sum or a fraction does not.
    if (OneGroup(t) || t.find_first_of("+-/ ") == std::string::npos) return t;
    return "(" + t + ")";
}

std::string Squared(const Number& x) {
    const std::string t = In(x);
    if (OneGroup(t) || t.find_first_not_of("0123456789.") == std::string::npos) return t + "²";
    return "(" + t + ")²";
}

std::string RootOf(const Number& x) { return "√" + Grouped(x); }

std::string OverOneDenominator(const Number& x, bool minus, const Number& y) {
    // The denominator of an exact form: the digits after its last '/' ("5√3/2"), 1 without.
    const auto denominator = [](const std::string& text) -> long long {
        const std::size_t slash = text.rfind('/');
        if (slash == std::string::npos) return 1;
        const std::string digits = text.substr(slash + 1);
        if (digits.empty() || digits.size() > 12 || digits.find_first_not_of("0123456789") != std::string::npos)
            return 0;
        return std::stoll(digits);
    };
    const std::string xs = x.ExactText(), ys = y.ExactText();
    if (xs.empty() || ys.empty()) return {};
    const long long dx = denominator(xs), dy = denominator(ys);
    if (dx == 0 || dy == 0 || (dx == 1 && dy == 1)) return {};
    const long long d = std::lcm(dx, dy);
    const std::string p = (x * Int(d)).ExactText(), q = (y * Int(d)).ExactText();
    if (p.empty() || q.empty() || p.find('/') != std::string::npos || q.find('/') != std::string::npos) return {};
    std::string sum = p;
    if (minus)
        sum += q[0] == '-' ? "+" + q.substr(1) : "-" + q;
    else
        sum += q[0] == '-' ? q : "+" + q;
    return "(" + sum + ")/" + std::to_string(d);
}

WorkedSolution FromSteps(std::vector<Step> steps, std::vector<FigureValue> figure) {
    WorkedSolution s;
    s.plain = WritePlain(steps);
    s.html = WriteHtml(steps);
    s.figure = std::move(figure);
    s.steps = std::move(steps);
    return s;
}

SolutionBuilder::SolutionBuilder() { steps_.push_back(MakeStep(StepKind::Heading, "解：")); }

namespace {

// A decimal to 3 significant figures: "7.07", "0.0123", "1230". The places after the
// point follow the rounded value, so 9.996 is "10.0" and not "10.00"; the point is a
// point in every locale.
std::string ThreeFigures(double v) {
    if (v == 0 || !std::isfinite(v)) return "0";
    char text[64];
    char* end = std::to_chars(text, text + sizeof text, v, std::chars_format::general, 3).ptr;
    double rounded = v;
    std::from_chars(text, end, rounded);
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(rounded))));
    if (exponent >= -3 && exponent < 6)
        end = std::to_chars(text, text + sizeof text, rounded, std::chars_format::fixed, std::max(0, 2 - exponent)).ptr;
    return std::string(text, end);
}

}  // namespace

std::string FigureLabel(const Number& x) {
    const std::string plain = Plain(x);
    return CodePoints(plain) <= 7 ? plain : ThreeFigures(static_cast<double>(x.Approximate()));
}

void SolutionBuilder::Store(FigureValue found) {
    // "a = BC" names the side a.
    found.symbol = found.symbol.substr(0, found.symbol.find(" = "));
    // A value found again replaces the first: a side typed and then recomputed, a negative
    // radius taken as its absolute value.
    for (FigureValue& known : figure_)
        if (known.measure == found.measure) {
            known = std::move(found);
            return;
        }
    figure_.push_back(std::move(found));
}

void SolutionBuilder::Record(Measure measure, std::string_view symbol, const Number& value, bool given) {
    if (measure == Measure::None || !value.ok() || BeyondFields(value)) return;
    Store({measure, std::string(symbol), static_cast<double>(value.Approximate()), FigureLabel(value), given});
}

void SolutionBuilder::Solved(std::string_view name, std::string_view symbol, const Number& value, bool angle,
                             bool given) {
    if (value.ok()) values_.push_back({std::string(symbol), std::string(name), value, given, angle, std::nullopt});
}

void SolutionBuilder::RecordAngle(Measure measure, std::string_view symbol, const Number& radians, bool given) {
    Solved(given ? "" : "角", symbol, radians, true, given);
    if (measure == Measure::None || !radians.ok() || BeyondFields(radians)) return;
    const Number degrees = radians * Number::Integer(180) / Number::Pi();
    // arccos(4/5) in degrees has no short form: 36.9°.
    const std::string label =
        degrees.IsAlgebraic() ? FigureLabel(degrees) : ThreeFigures(static_cast<double>(degrees.Approximate()));
    Store({measure, std::string(symbol), static_cast<double>(radians.Approximate()), label + "°", given});
}

void SolutionBuilder::Given(Measure measure, std::string_view symbol, const Number& value) {
    Solved("", symbol, value, false, true);
    Record(measure, symbol, value, true);
    Given(std::string(symbol) + " = " + (value.ok() ? Plain(value) : FaultText(value.fault())));
}

void SolutionBuilder::GivenAngle(Measure measure, std::string_view symbol, const Number& typed, bool inRadians) {
    const Number degrees = inRadians ? typed * Number::Integer(180) / Number::Pi() : typed;
    Given(std::string(symbol) + " = " + In(typed) + (inRadians ? "（弧度）≈ " + degrees.DecimalText() + "°" : "°"));
    RecordAngle(measure, symbol, inRadians ? typed : typed * Number::Pi() / Number::Integer(180), true);
}

void SolutionBuilder::Given(std::string_view text) {
    if (given_.empty()) {
        givenStep_ = steps_.size();
        steps_.push_back({StepKind::Given, {}});
    }
    given_.push_back(Tokens(text));
    // "已知 a = 5，b = 3"
    std::vector<Token> line = Tokens("已知 ");
    for (std::size_t i = 0; i < given_.size(); ++i) {
        if (i) line.push_back(Tokens("，").front());
        line.insert(line.end(), given_[i].begin(), given_[i].end());
    }
    steps_[givenStep_].tokens = std::move(line);
}

void SolutionBuilder::Line(std::string_view line, StepKind kind) { steps_.push_back(MakeStep(kind, line)); }

bool SolutionBuilder::Quantity(Measure measure, std::string_view name, std::string_view symbol,
                               std::string_view formula, std::string_view substituted, const Number& value) {
    std::string line = std::string(name) + " " + std::string(symbol) + " = " + std::string(formula);
    if (!substituted.empty() && substituted != formula) line += " = " + std::string(substituted);
    if (!value.ok()) {
        Cannot(line, FaultText(value.fault()));
        return false;
    }
    if (BeyondFields(value)) {
        Cannot(line, kBeyond);
        return false;
    }
    // "7/4 = 1.75" after the substituted "7/4" adds only " = 1.75".
    const std::string text = value.Text();
    if (!substituted.empty() && text.rfind(substituted, 0) == 0 && text.size() > substituted.size() &&
        text[substituted.size()] == ' ')
        line += text.substr(substituted.size());
    else if (RoundedDecimal(value, text))
        line += " ≈ " + text;  // a decimal alone that is not the whole value
    else if (text != substituted)
        line += " = " + text;
    // Said once a solution: the decimal stands alone because the exact form is too long.
    if (!tooLongSaid_ && RoundedDecimal(value, text) && value.ExactFormTooLong()) {
        line += "（精确值太长，这里只写出四舍五入后的小数）";
        tooLongSaid_ = true;
    }
    steps_.push_back(MakeStep(StepKind::Quantity, line));
    answers_.push_back(PartOfAnswer(name, value, Plain(value)));
    Solved(name, symbol, value);
    Record(measure, symbol, value, false);
    return true;
}

bool SolutionBuilder::Quantity(Measure measure, std::string_view name, std::string_view symbol,
                               std::string_view formula, std::string_view substituted, const Number& value,
                               std::string_view piText, const Number& withWindowPi) {
    // A quantity that does not depend on π is written once.
    if (value.Equals(withWindowPi)) return Quantity(measure, name, symbol, formula, substituted, value);
    std::string line = std::string(name) + " " + std::string(symbol) + " = " + std::string(formula);
    if (!substituted.empty() && substituted != formula) line += " = " + std::string(substituted);
    if (!value.ok() || !withWindowPi.ok()) {
        Cannot(line, FaultText(value.ok() ? withWindowPi.fault() : value.fault()));
        return false;
    }
    if (BeyondFields(withWindowPi)) {
        Cannot(line, kBeyond);
        return false;
    }
    // The exact form in π where there is one, then the value with the window's π.
    const std::string exact = value.ExactText();
    if (exact.empty())
        line += " ≈ " + value.DecimalText();
    else if (exact != substituted)
        line += " = " + exact;
    line += "，π 取 " + std::string(piText) + " 时 " + std::string(symbol) + ValueAlone(withWindowPi);
    steps_.push_back(MakeStep(StepKind::Quantity, line));
    answers_.push_back(PartOfAnswer(name, withWindowPi, withWindowPi.DecimalText()));
    Solved(name, symbol, value);
    values_.back().windowPi = withWindowPi;
    Record(measure, symbol, value, false);
    return true;
}

void SolutionBuilder::Cannot(std::string_view what, std::string_view reason) {
    steps_.push_back(MakeStep(StepKind::Cannot, std::string(what) + "：" + std::string(reason) + "，所以无法计算。"));
    failed_ = true;
}

void SolutionBuilder::Answer(std::string text) { answer_ = std::move(text); }

void SolutionBuilder::AnswerPart(std::string text) { answers_.push_back(std::move(text)); }

WorkedSolution SolutionBuilder::Finish() {
    std::vector<Step> steps = steps_;
    if (!answer_.empty()) {
        steps.push_back(MakeStep(StepKind::Answer, "答：" + answer_));
    } else if (!failed_ && !answers_.empty()) {
        std::string a = "答：";
        for (std::size_t i = 0; i < answers_.size(); ++i) a += (i ? "，" : "") + answers_[i];
        steps.push_back(MakeStep(StepKind::Answer, a + "。"));
    }
    WorkedSolution solution = FromSteps(std::move(steps), figure_);
    solution.values = values_;
    return solution;
}

bool ReadGivenStrictly(SolutionBuilder& b, const Form& before, std::string_view field, Measure measure,
                       std::string_view symbol, Number* value) {
    const std::optional<Number> read = ReadStrict(before.text(field));
    if (!read) {
        b.Cannot("已知 " + std::string(symbol) + " = " + before.text(field),
                 "填入的内容不是一个数（只能填一个数，如 2.5、1,000 或 1e3）");
        return false;
    }
    *value = *read;
    b.Given(measure, symbol, *value);
    if (!value->ok()) b.Cannot("已知 " + std::string(symbol), FaultText(value->fault()));
    return value->ok();
}

bool AllRead(SolutionBuilder& b, std::initializer_list<const Number*> numbers) {
    for (const Number* x : numbers)
        if (!x->ok()) {
            b.Cannot("已知量", FaultText(x->fault()));
            return false;
        }
    return true;
}

WorkedSolution EngineMissing() { return FromSteps({MakeStep(StepKind::Cannot, FaultText(Fault::NoEngine))}); }

WorkedSolution Explain(Explanation explanation, const Form& before) {
    return EngineAvailable() ? explanation(before) : EngineMissing();
}

}  // namespace velunda::exact

namespace velunda {

const SolvedValue* Solved::find(std::string_view symbol) const {
    for (auto it = values_.rbegin(); it != values_.rend(); ++it)
        if (it->symbol == symbol) return &*it;
    return nullptr;
}

exact::Number Solved::operator()(std::string_view symbol) const {
    const SolvedValue* v = find(symbol);
    return v ? v->value : exact::Number::Failed(exact::Fault::Undefined);
}

exact::Number Solved::given(std::string_view symbol) const {
    const SolvedValue* v = find(symbol);
    return v && v->given ? v->value : exact::Number::Failed(exact::Fault::Undefined);
}

}  // namespace velunda
