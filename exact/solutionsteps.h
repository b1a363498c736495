// A worked solution as data: a list of steps, each a sequence of tokens, and the writers
// that make its texts from them: the plain notation (what is copied), the typeset HTML
// (the panel, the PDF sheet, the printout) and the text a screen reader reads. No writer
// reads another's output; the notation is read once, when a step is made.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velunda::exact {

enum class TokenKind {
    Text,      // words and operators: "周长 ", " = ", " × ", "("
    Symbol,    // a letter of a formula: "a", "h₁", "π", "Δ"
    Number,    // digits: "25", "7.07106781186548"
    Root,      // √ or ∛ over its radicand, which is `first`
    Fraction,  // `first` over `second`, written with a slash
    Power,     // the superscript after a base: "²", "³"
    Angle,     // an angle in degrees: "30°"
    Approx,    // the "≈" before a rounded value
};

struct Token {
    TokenKind kind = TokenKind::Text;
    std::string text;           // Text, Symbol, Number, Power, Angle, Approx: the characters
    std::vector<Token> first;   // Root: the radicand; Fraction: the numerator
    std::vector<Token> second;  // Fraction: the denominator
    bool cube = false;          // Root: ∛ rather than √
    bool grouped = false;       // Root: the radicand is in parentheses in the notation, √(3² + 4²)
};

enum class StepKind {
    Heading,   // "解："
    Given,     // "已知 a = 5，b = 3"
    Case,      // which case applies and why: "Δ = … > 0，方程有两个不相等的实数根"
    Quantity,  // one computed quantity: "面积 S = ab = 3 × 4 = 12"
    Note,      // any other line
    Cannot,    // a message: why the computation cannot go on, or what to type
    Answer,    // "答：…"
};

struct Step {
    StepKind kind = StepKind::Note;
    std::vector<Token> tokens;
};

// The tokens of a text in the plain notation: a radicand after √ or ∛ (digits, a letter,
// or a group in parentheses), a fraction's slash between its operands, superscripts,
// angles in degrees, "≈". Writing them as plain text gives the text back unchanged.
std::vector<Token> Tokens(std::string_view notation);
Step MakeStep(StepKind kind, std::string_view notation);

constexpr std::size_t kAllSteps = static_cast<std::size_t>(-1);

// The plain notation: one line a step, joined by '\n'; the first `count` steps only.
std::string WritePlain(const Step& step);
std::string WritePlain(const std::vector<Step>& steps, std::size_t count = kAllSteps);

// Typeset for the panel and the sheet: one paragraph a step, a bar over each radicand,
// the program's serif face. Its text (QTextDocument::toPlainText) is the plain notation.
std::string WriteHtml(const Step& step);
std::string WriteHtml(const std::vector<Step>& steps, std::size_t count = kAllSteps);

// What a screen reader reads: the notation with the extent of every radicand spoken by
// its parentheses, as the panel's text, the copied text and the sheet's text read.
std::string WriteSpoken(const Step& step);
std::string WriteSpoken(const std::vector<Step>& steps, std::size_t count = kAllSteps);

}  // namespace velunda::exact
