// Steps that the worked solutions of several families share: the case a quadratic's
// discriminant decides, and one quantity of three from the two others given.
#pragma once

#include <array>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "exact/solutionbuilder.h"
#include "numeric/form.h"

namespace velunda {

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

namespace steps {

// The case a quadratic's discriminant Δ decides, on the line of Δ (`line`: "Δ = B² − 4AC =
// 1² − 4 × 1 × 2 = -7"): " < 0，方程没有实数根。", or `equal` where Δ = 0 (" = 0，方程有两个相等的
// 实数根。"), or " > 0，方程有两个不相等的实数根" and `unequal` ("。"). Where Δ could not be
// computed, `what` and the reason instead. Returns the sign of Δ, nullopt where it failed.
std::optional<int> DiscriminantCase(exact::SolutionBuilder& b, const exact::Number& delta, std::string_view what,
                                    std::string_view line, std::string_view equal, std::string_view unequal);

// A quantity of a formula in three (S = ah: a, h and S), with its measure for the figure
// and its symbol.
struct Known {
    Measure measure;
    const char* symbol;
    const exact::Number& value;
};

// The windows that find one of three quantities from the other two take the first two
// that are not 0, in the order first and second, first and third, second and third: writes
// those two as given and runs find[i] for the third, the i-th; with fewer than two given,
// the line `otherwise`.
void OneOfThree(exact::SolutionBuilder& b, const std::array<Known, 3>& known,
                const std::array<std::function<void()>, 3>& find, std::string_view otherwise);

// A field the window writes and the exact value its solution found for it.
struct Shown {
    std::string_view field;
    const char* symbol;
    const exact::Number& value;
};

// Whether a field's text is further from the exact value than the rounding of its digits.
bool LostDigits(std::string_view text, const exact::Number& value);

// Runs the window's own computation on the typed texts and, where a field it writes differs
// from the exact value by more than the rounding of its digits (digits lost where the
// window's arithmetic cancels), says so: "窗口的小数计算在这里丢失了有效数字（窗口中
// b = 6.48000006513E-05），以上面的值为准。" Nothing where they agree or the window refused.
void FieldsAgree(exact::SolutionBuilder& b, const Form& before, Computation computation,
                 std::initializer_list<Shown> shown);

}  // namespace steps
}  // namespace velunda
