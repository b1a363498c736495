// What the worked solutions of the algebra windows share: the left side of an equation
// written from its coefficients, a value's text worked out once, and the window's own
// computation run on the typed texts.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "exact/exactnumber.h"
#include "numeric/form.h"

namespace velunda {

// The left side of an equation from its terms, each a coefficient and its unknown ("x²",
// "x", "" for the constant): "x² − 3x + 2", "(1/2)x − y". Terms with the coefficient 0
// are left out; with none left it is "0".
std::string EquationSide(const std::vector<std::pair<exact::Number, std::string>>& terms);

// " = 7/3 ≈ 2.33333333333333", or " ≈ 0.841470984807897" where the decimal alone is not the
// whole value; *plain is the value as an answer writes it ("7/3", "0.5", "(√6-√2)/4"), taken
// from the same text, since working out an exact form of a higher degree takes a while.
std::string Valued(const exact::Number& x, std::string* plain);

// The window as a form of its own: it reads the texts the pupil typed and keeps what the
// computation writes and whether it shows a message, so that a solution can say how the
// window's own arithmetic ended.
class Replay : public Form {
public:
    explicit Replay(const Form& before) : before_(before) {}
    std::string text(std::string_view name) const override;
    bool selected(std::string_view name) const override { return before_.selected(name); }
    void write(std::string_view name, std::string text) override { written_[std::string(name)] = std::move(text); }
    void ShowMessage(std::string_view text, Icon /*icon*/, std::string_view /*title*/) override {
        messaged = true;
        message = text;
    }
    bool messaged = false;
    std::string message;  // the last message the window showed

private:
    const Form& before_;
    std::map<std::string, std::string, std::less<>> written_;
};

}  // namespace velunda
