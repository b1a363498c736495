// The common shape of every window: built from its WindowDesign, with fields, labels,
// buttons and option buttons found by name, and the Form its computations run against.
#pragma once

#include <QHash>
#include <QRadioButton>
#include <QWidget>
#include <functional>
#include <string_view>

#include "app/windowdesign.h"
#include "numeric/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace velunda::ui {

// An option button becomes the selected one of its group when it receives the focus,
// by a click, the Tab key or the program.
class OptionButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void focusInEvent(QFocusEvent* event) override;
};

class CalculatorWindow : public QWidget, public Form {
public:
    explicit CalculatorWindow(const WindowDesign& design, QWidget* parent = nullptr);
    ~CalculatorWindow() override;

    QWidget* control(std::string_view name) const;
    QLineEdit* field(std::string_view name) const;
    QLabel* label(std::string_view name) const;
    QPushButton* button(std::string_view name) const;
    QRadioButton* option(std::string_view name) const;

    // Form over the widgets.
    std::string text(std::string_view name) const override;
    bool selected(std::string_view name) const override;
    void write(std::string_view name, std::string text) override;
    void ShowMessage(std::string_view text, Icon icon = Icon::None, std::string_view title = {}) override;

    // Runs a computation as a unit against this window (see RunComputation).
    bool compute(const std::function<void(Form&)>& computation);

protected:
    // Wiring of events to handlers.
    void onClick(std::string_view button, std::function<void()> handler);
    // Key press in a field, with the character code of the key (13 for Enter). The key
    // still reaches the field.
    void onKeyPress(std::string_view field, std::function<void(int keyAscii)> handler);
    void onKeyUp(std::string_view field, std::function<void(int keyAscii)> handler);
    // The option button became the selected one of its group.
    void onSelected(std::string_view option, std::function<void()> handler);

    // Empties the fields, in order.
    void clear(const std::vector<std::string_view>& fields);

    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* build(const ControlDesign& c);

    QHash<QString, QWidget*> controls_;
    QWidget* firstFocus_ = nullptr;
    bool shown_ = false;
    QHash<QObject*, std::function<void(int)>> keyPress_, keyUp_;
};

}  // namespace velunda::ui
