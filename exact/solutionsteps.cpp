#include "exact/solutionsteps.h"

#include <array>

namespace velunda::exact {
namespace {

bool Starts(std::string_view s, std::size_t at, std::string_view prefix) {
    return s.substr(at, prefix.size()) == prefix;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The length of the UTF-8 character that starts at s[at].
std::size_t CharLength(std::string_view s, std::size_t at) {
    const auto c = static_cast<unsigned char>(s[at]);
    const std::size_t n = (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 1;
    return std::min(n, s.size() - at);
}

// The length of the character at s[at] where it is one of the list, else 0.
template <std::size_t N>
std::size_t OneOf(std::string_view s, std::size_t at, const std::array<std::string_view, N>& list) {
    for (std::string_view c : list)
        if (Starts(s, at, c)) return c.size();
    return 0;
}

constexpr std::array<std::string_view, 11> kSuperscripts{"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹", "⁻"};
constexpr std::array<std::string_view, 11> kSubscripts{"₀", "₁", "₂", "₃", "₄", "₅", "₆", "₇", "₈", "₉", "′"};
// Letters that are words, not a product of symbols.
constexpr std::array<std::string_view, 10> kFunctions{"arcsin", "arccos", "arctan", "sin", "cos",
                                                      "tan",    "cot",    "lg",     "ln",  "log"};

// A symbol at s[at]: one Latin or Greek letter and its subscripts ("a", "h₁", "π", "Δ").
std::size_t SymbolAt(std::string_view s, std::size_t at) {
    if (at >= s.size()) return 0;
    std::size_t end = at;
    if (IsLetter(s[at]))
        end = at + 1;
    else if (static_cast<unsigned char>(s[at]) == 0xCE || static_cast<unsigned char>(s[at]) == 0xCF)
        end = at + CharLength(s, at);  // the Greek and Coptic block
    else
        return 0;
    while (end < s.size())
        if (const std::size_t n = OneOf(s, end, kSubscripts))
            end += n;
        else
            break;
    return end - at;
}

Token Leaf(TokenKind kind, std::string_view text) {
    Token t;
    t.kind = kind;
    t.text = text;
    return t;
}

bool IsText(const Token& t, std::string_view text) { return t.kind == TokenKind::Text && t.text == text; }
// What a fraction's slash may stand between: a number, a symbol, a root, a power, an angle.
bool Operand(const Token& t) { return t.kind != TokenKind::Text && t.kind != TokenKind::Approx; }

// The tokens of the notation, each character of text a token of its own.
std::vector<Token> Lex(std::string_view s) {
    std::vector<Token> out;
    for (std::size_t i = 0; i < s.size();) {
        if (Starts(s, i, "√") || Starts(s, i, "∛")) {
            Token root;
            root.kind = TokenKind::Root;
            root.cube = Starts(s, i, "∛");
            std::size_t j = i + std::string_view("√").size();
            if (j < s.size() && s[j] == '(') {
                int depth = 0;
                std::size_t end = j;
                for (; end < s.size(); ++end) {
                    if (s[end] == '(') ++depth;
                    if (s[end] == ')' && --depth == 0) break;
                }
                if (end < s.size()) {
                    root.grouped = true;
                    root.first = Tokens(s.substr(j + 1, end - j - 1));
                    out.push_back(std::move(root));
                    i = end + 1;
                    continue;
                }
            } else if (j < s.size() && IsDigit(s[j])) {
                std::size_t end = j;
                while (end < s.size() && (IsDigit(s[end]) || s[end] == '.')) ++end;
                root.first.push_back(Leaf(TokenKind::Number, s.substr(j, end - j)));
                out.push_back(std::move(root));
                i = end;
                continue;
            } else if (const std::size_t n = SymbolAt(s, j)) {
                root.first.push_back(Leaf(TokenKind::Symbol, s.substr(j, n)));
                out.push_back(std::move(root));
                i = j + n;
                continue;
            }
            out.push_back(Leaf(TokenKind::Text, s.substr(i, j - i)));  // a root sign over nothing
            i = j;
            continue;
        }
        if (IsDigit(s[i])) {
            std::size_t end = i;
            while (end < s.size() && (IsDigit(s[end]) || s[end] == '.')) ++end;
            if (Starts(s, end, "°")) {
                end += std::string_view("°").size();
                out.push_back(Leaf(TokenKind::Angle, s.substr(i, end - i)));
            } else {
                out.push_back(Leaf(TokenKind::Number, s.substr(i, end - i)));
            }
            i = end;
            continue;
        }
        if (OneOf(s, i, kSuperscripts)) {
            std::size_t end = i;
            while (end < s.size())
                if (const std::size_t n = OneOf(s, end, kSuperscripts))
                    end += n;
                else
                    break;
            out.push_back(Leaf(TokenKind::Power, s.substr(i, end - i)));
            i = end;
            continue;
        }
        if (Starts(s, i, "≈")) {
            out.push_back(Leaf(TokenKind::Approx, "≈"));
            i += std::string_view("≈").size();
            continue;
        }
        if (IsLetter(s[i])) {
            std::size_t end = i;
            while (end < s.size() && IsLetter(s[end])) ++end;
            bool word = false;
            for (std::string_view f : kFunctions) word = word || s.substr(i, end - i) == f;
            if (word) {
                out.push_back(Leaf(TokenKind::Text, s.substr(i, end - i)));
                i = end;
                continue;
            }
        }
        if (const std::size_t n = SymbolAt(s, i)) {
            out.push_back(Leaf(TokenKind::Symbol, s.substr(i, n)));
            i += n;
            continue;
        }
        const std::size_t n = CharLength(s, i);
        out.push_back(Leaf(TokenKind::Text, s.substr(i, n)));
        i += n;
    }
    return out;
}

// Where the numerator of a slash at the end of `out` starts: the operands and groups in
// parentheses right before it.
std::size_t NumeratorStart(const std::vector<Token>& out) {
    std::size_t j = out.size();
    while (j > 0) {
        if (Operand(out[j - 1])) {
            --j;
        } else if (IsText(out[j - 1], ")")) {
            int depth = 0;
            std::size_t k = j;
            while (k > 0) {
                --k;
                if (IsText(out[k], ")")) ++depth;
                if (IsText(out[k], "(") && --depth == 0) break;
            }
            if (depth != 0) break;
            j = k;
        } else {
            break;
        }
    }
    return j;
}

// Where the denominator that starts at tokens[from] ends.
std::size_t DenominatorEnd(const std::vector<Token>& tokens, std::size_t from) {
    std::size_t j = from;
    while (j < tokens.size()) {
        if (Operand(tokens[j])) {
            ++j;
        } else if (IsText(tokens[j], "(")) {
            int depth = 0;
            std::size_t k = j;
            for (; k < tokens.size(); ++k) {
                if (IsText(tokens[k], "(")) ++depth;
                if (IsText(tokens[k], ")") && --depth == 0) break;
            }
            if (k == tokens.size()) break;
            j = k + 1;
        } else {
            break;
        }
    }
    return j;
}

// Adjacent characters of text become one token.
std::vector<Token> Joined(std::vector<Token> tokens) {
    std::vector<Token> out;
    for (Token& t : tokens) {
        if (t.kind == TokenKind::Fraction) {
            t.first = Joined(std::move(t.first));
            t.second = Joined(std::move(t.second));
        }
        if (t.kind == TokenKind::Text && !out.empty() && out.back().kind == TokenKind::Text)
            out.back().text += t.text;
        else
            out.push_back(std::move(t));
    }
    return out;
}

// A text writer: the plain notation, or the same notation as a screen reader takes it.
void WriteLinear(const std::vector<Token>& tokens, std::string& out) {
    for (const Token& t : tokens) {
        switch (t.kind) {
            case TokenKind::Root:
                out += t.cube ? "∛" : "√";
                if (t.grouped) out += '(';
                WriteLinear(t.first, out);
                if (t.grouped) out += ')';
                break;
            case TokenKind::Fraction:
                WriteLinear(t.first, out);
                out += '/';
                WriteLinear(t.second, out);
                break;
            default:
                out += t.text;
        }
    }
}

void Escape(std::string_view s, bool underBar, std::string& out) {
    for (char c : s) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == ' ' && underBar)
            out += "&nbsp;";  // a bar broken across two lines would look like an underline
        else
            out += c;
    }
}

constexpr auto kBar = "<span style=\"text-decoration: overline\">";
// A radicand's parentheses are in the text (copied, read aloud, found in the sheet) but
// not seen: the bar shows its extent.
constexpr auto kUnseen = "<span style=\"font-size: 1px; color: transparent\">";

void WriteHtml(const std::vector<Token>& tokens, bool underBar, std::string& out) {
    for (const Token& t : tokens) {
        switch (t.kind) {
            case TokenKind::Root:
                out += t.cube ? "∛" : "√";
                if (t.grouped) out += std::string(kUnseen) + "(</span>";
                out += kBar;
                WriteHtml(t.first, true, out);
                out += "</span>";
                if (t.grouped) out += std::string(kUnseen) + ")</span>";
                break;
            case TokenKind::Fraction:
                WriteHtml(t.first, underBar, out);
                out += '/';
                WriteHtml(t.second, underBar, out);
                break;
            default:
                Escape(t.text, underBar, out);
        }
    }
}

std::size_t Count(const std::vector<Step>& steps, std::size_t count) { return std::min(count, steps.size()); }

}  // namespace

std::vector<Token> Tokens(std::string_view notation) {
    const std::vector<Token> flat = Lex(notation);
    std::vector<Token> out;
    for (std::size_t k = 0; k < flat.size(); ++k) {
        if (IsText(flat[k], "/")) {
            const std::size_t from = NumeratorStart(out);
            const std::size_t to = DenominatorEnd(flat, k + 1);
            if (from < out.size() && to > k + 1) {
                Token fraction;
                fraction.kind = TokenKind::Fraction;
                fraction.first.assign(std::make_move_iterator(out.begin() + static_cast<std::ptrdiff_t>(from)),
                                      std::make_move_iterator(out.end()));
                out.erase(out.begin() + static_cast<std::ptrdiff_t>(from), out.end());
                fraction.second.assign(flat.begin() + static_cast<std::ptrdiff_t>(k + 1),
                                       flat.begin() + static_cast<std::ptrdiff_t>(to));
                out.push_back(std::move(fraction));
                k = to - 1;
                continue;
            }
        }
        out.push_back(flat[k]);
    }
    return Joined(std::move(out));
}

Step MakeStep(StepKind kind, std::string_view notation) { return {kind, Tokens(notation)}; }

std::string WritePlain(const Step& step) {
    std::string out;
    WriteLinear(step.tokens, out);
    return out;
}

std::string WritePlain(const std::vector<Step>& steps, std::size_t count) {
    std::string out;
    for (std::size_t i = 0; i < Count(steps, count); ++i) {
        if (i) out += '\n';
        WriteLinear(steps[i].tokens, out);
    }
    return out;
}

std::string WriteHtml(const Step& step) {
    std::string out = "<p>";
    WriteHtml(step.tokens, false, out);
    return out + "</p>";
}

std::string WriteHtml(const std::vector<Step>& steps, std::size_t count) {
    // Blanks kept as they are, so that the document's text is the notation.
    std::string out = "<div style=\"font-family: serif; white-space: pre-wrap\">";
    for (std::size_t i = 0; i < Count(steps, count); ++i) out += WriteHtml(steps[i]);
    return out + "</div>";
}

std::string WriteSpoken(const Step& step) { return WritePlain(step); }

std::string WriteSpoken(const std::vector<Step>& steps, std::size_t count) {
    std::string out;
    for (std::size_t i = 0; i < Count(steps, count); ++i) out += (i ? "\n" : "") + WriteSpoken(steps[i]);
    return out;
}

}  // namespace velunda::exact
