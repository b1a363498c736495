// Writing worked solutions: one step a line in the school layout
//
//   解：
//   已知 a = 5
//   对角线 d = √2·a = √2 × 5 = 5√2 ≈ 7.07106781186548
//   答：对角线为 5√2。
//
// with the numbers in the notation of exact values. Each step is read into its tokens
// once, as it is made; the solution's texts are written from the tokens.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "exact/exactnumber.h"
#include "exact/workedsolution.h"
#include "numeric/form.h"

namespace velunda::exact {

// A number as it is put into a formula: a terminating decimal as a decimal ("2.5"), any
// other rational as a fraction ("7/3"), an exact form where there is a short one ("5√2",
// "10π"), otherwise the decimal; negative values in parentheses.
std::string In(const Number& x);

// In(x) in parentheses where it is a sum or a fraction ("4π", "(7/3)"); squared, in
// parentheses unless a plain decimal ("5²", "(5√2)²"); under a root ("√50", "√(7/3)").
std::string Grouped(const Number& x);
// In(x) without the parentheses of a negative value, as a given or an answer shows it.
std::string Plain(const Number& x);
// In(x) as a divisor: in parentheses unless a plain decimal ("62.8/(4π)").
std::string Divisor(const Number& x);
std::string Squared(const Number& x);
std::string RootOf(const Number& x);
// x + y (or x − y where `minus`) over one denominator where the two parts have exact forms
// over different or equal denominators and the sum has none of its own: 5√3/2 + √11/2 is
// "(5√3+√11)/2", 2√3 + √5/2 "(4√3+√5)/2"; "" where there is no such form or no
// denominator to share.
std::string OverOneDenominator(const Number& x, bool minus, const Number& y);

// Whether the text is x's decimal alone and only a rounding of x: what follows " ≈ ".
bool RoundedDecimal(const Number& x, std::string_view text);
// " = 31.4" where the decimal is the whole value, else " ≈ 3.99043442233811".
std::string ValueAlone(const Number& x);

// A value as a figure labels it: the short exact form ("5√2", "7/3"), else the decimal
// to 3 significant figures ("7.07").
std::string FigureLabel(const Number& x);

// A field's number read exactly (ReadLenient of its text).
Number Read(const Form& form, std::string_view field);
// An angle field in radians: typed in radians, or in degrees and turned into radians.
Number ReadAngle(const Form& form, std::string_view field, bool inRadians);
// An angle held in radians as the window shows it: "30°", "2arctan(4/3) ≈ 106.260204708312°",
// "π/6 ≈ 0.523598775598299（弧度）".
std::string AngleText(const Number& radians, bool inRadians);

// A solution of the steps, its plain text and HTML written from them.
WorkedSolution FromSteps(std::vector<Step> steps, std::vector<FigureValue> figure = {});

class SolutionBuilder {
public:
    SolutionBuilder();

    // "已知 a = 5，b = 3": the given quantities, gathered on one line. The figure gets each
    // value recorded as its measure (Measure::None: not at all); the symbol names it there.
    void Given(Measure measure, std::string_view symbol, const Number& value);
    void Given(std::string_view symbol, const Number& value) { Given(Measure::None, symbol, value); }
    void Given(std::string_view text);
    // A typed angle among them, in the unit it was typed in: "θ = 30°", or
    // "θ = 1（弧度）≈ 57.2957795130823°"; the figure gets it in radians.
    void GivenAngle(Measure measure, std::string_view symbol, const Number& typed, bool inRadians);
    // Any line of its own: a note, or which case applies and why ("Δ = … > 0，方程有两个
    // 不相等的实数根").
    void Line(std::string_view line, StepKind kind = StepKind::Note);
    // One computed quantity: "对角线 d = √2·a = √2 × 5 = 5√2 ≈ 7.07106781186548". Where the
    // value is not ok, the line says why it cannot be computed and false is returned. The
    // figure gets the value as its measure, as with Given.
    bool Quantity(Measure measure, std::string_view name, std::string_view symbol, std::string_view formula,
                  std::string_view substituted, const Number& value);
    bool Quantity(std::string_view name, std::string_view symbol, std::string_view formula,
                  std::string_view substituted, const Number& value) {
        return Quantity(Measure::None, name, symbol, formula, substituted, value);
    }
    // The same with a second, window-specific value: "…= 10π，π 取 3.14 时 C = 31.4".
    bool Quantity(Measure measure, std::string_view name, std::string_view symbol, std::string_view formula,
                  std::string_view substituted, const Number& value, std::string_view piText,
                  const Number& withWindowPi);
    // A computation that ends in a message: the reason, then "所以无法计算。".
    void Cannot(std::string_view what, std::string_view reason);
    // The answer line; built from the quantities ("周长为 20") when not given.
    void Answer(std::string text);
    // One more part of the built answer ("圆心角为 90°").
    void AnswerPart(std::string text);

    // A quantity a line shows without Quantity (an angle in radians): recorded for
    // checking a pupil's answer to it.
    void Solved(std::string_view name, std::string_view symbol, const Number& value, bool angle = false,
                bool given = false);

    // An angle the figure needs that has no line of its own (found on the way, in
    // radians). Given, GivenAngle and Quantity record theirs; the last record of a measure
    // holds, as the window ends with it.
    void RecordAngle(Measure measure, std::string_view symbol, const Number& radians, bool given = false);

    bool failed() const { return failed_; }
    WorkedSolution Finish();

private:
    // A length or other value for the figure, as Given and Quantity record it.
    void Record(Measure measure, std::string_view symbol, const Number& value, bool given);
    // Keeps a figure's value; the last of a measure holds.
    void Store(FigureValue value);

    std::vector<Step> steps_;
    std::vector<std::vector<Token>> given_;
    std::size_t givenStep_ = 0;
    bool tooLongSaid_ = false;
    std::vector<std::string> answers_;
    std::string answer_;
    std::vector<FigureValue> figure_;
    std::vector<SolvedValue> values_;
    bool failed_ = false;
};

// A field the window reads strictly (the whole text one number) as a given quantity: false,
// with the reason in the solution, where it is not a number or cannot be held.
bool ReadGivenStrictly(SolutionBuilder& b, const Form& before, std::string_view field, Measure measure,
                       std::string_view symbol, Number* value);
inline bool ReadGivenStrictly(SolutionBuilder& b, const Form& before, std::string_view field, std::string_view symbol,
                              Number* value) {
    return ReadGivenStrictly(b, before, field, Measure::None, symbol, value);
}

// Whether every given quantity could be read; otherwise a line saying why not.
bool AllRead(SolutionBuilder& b, std::initializer_list<const Number*> numbers);

// The solution of a computation that cannot be explained because the engine is missing.
WorkedSolution EngineMissing();

// The worked solution of one computation, as every caller of an explanation gets it: the
// explanation's own where the engine is available, otherwise EngineMissing().
WorkedSolution Explain(Explanation explanation, const Form& before);

}  // namespace velunda::exact
