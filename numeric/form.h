// What a computation sees of its window: named fields to read and write, option
// buttons to ask, and a message box. Windows implement it over their widgets; tests
// implement it with a recording fake, so every computation runs without widgets.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velunda {

enum class Icon { None, Information };

// The title of every message box whose window names none.
inline constexpr std::string_view kApplicationTitle = "Velunda";

// Shown instead of results when a computation meets a value it cannot write.
inline constexpr std::string_view kFaultMessage = "无法计算，请检查输入的数据";

class Form {
public:
    virtual ~Form() = default;
    // The text of a field (or label) by its name, as UTF-8.
    virtual std::string text(std::string_view name) const = 0;
    // Whether the option button of that name is the selected one of its group.
    virtual bool selected(std::string_view name) const = 0;
    virtual void write(std::string_view name, std::string text) = 0;
    // A modal message box with one OK button; returns when the user has closed it. An
    // empty title shows the application's title.
    virtual void ShowMessage(std::string_view text, Icon icon = Icon::None, std::string_view title = {}) = 0;
};

// A window's computation: reads its fields, writes its results, shows its messages.
using Computation = void (*)(Form&);

// Runs one computation as a unit. Its writes are held back and applied in their order
// when it returns; reads during the computation see its own pending writes. Messages
// it shows appear at once. If it throws ComputationFault, nothing it wrote is applied
// and the window shows the fault message instead. Returns whether it completed.
bool RunComputation(Form& form, const std::function<void(Form&)>& computation);

}  // namespace velunda
