// The common shape of every window: built from its WindowDesign, with fields, labels,
// buttons and option buttons found by name, the Form its computations run against and
// its triggers wired; a window whose triggers explain their computations has the
// worked-solution panel attached (ui/solutionpanel.h).
#pragma once

#include <QHash>
#include <QPalette>
#include <QRadioButton>
#include <QWidget>
#include <array>
#include <functional>
#include <string_view>
#include <vector>

#include "numeric/form.h"
#include "ui/windowdesign.h"

class QLabel;
class QLineEdit;
class QAbstractButton;
class QMenu;
class QPainter;
class QScrollArea;

namespace velunda::ui {

class SolutionPanel;
class TryFirst;

// An option button becomes the selected one of its group when it receives the focus,
// by a click, the Tab key or the program.
class OptionButton : public QRadioButton {
    Q_OBJECT

public:
    using QRadioButton::QRadioButton;

protected:
    void focusInEvent(QFocusEvent* event) override;
};

class DesignedWindow : public QWidget, public Form {
    Q_OBJECT

public:
    // Builds the controls and wires the triggers of the design.
    explicit DesignedWindow(const WindowDesign& design, QWidget* parent = nullptr);
    ~DesignedWindow() override;

    // The control of that name. A name the design lacks, or a control of another kind,
    // is a programming error: the program stops with a message naming it.
    QWidget* control(std::string_view name) const;
    QLineEdit* field(std::string_view name) const;
    QLabel* label(std::string_view name) const;
    QAbstractButton* button(std::string_view name) const;
    QRadioButton* option(std::string_view name) const;

    // Form over the widgets.
    std::string text(std::string_view name) const override;
    bool selected(std::string_view name) const override;
    void write(std::string_view name, std::string text) override;
    void ShowMessage(std::string_view text, Icon icon = Icon::None, std::string_view title = {}) override;

    // Runs a computation as a unit against this window (see RunComputation); the panel,
    // when shown, explains it.
    bool compute(Computation computation, Explanation explanation = nullptr);

    // The worked-solution panel: windows whose triggers explain their computations have
    // one, beside the designed area, hidden until the pupil asks for it.
    bool hasSolutionPanel() const { return panel_ != nullptr; }
    bool solutionShown() const;
    void setSolutionShown(bool shown);
    // What the panel says: the last computation's solution, or what to type.
    WorkedSolution solution() const;
    // The figure the panel shows over the solution, or nullptr.
    const Sketch* figure() const;

    // Try-first mode (自己做), where the window has the panel; else nullptr.
    TryFirst* tryFirst() const { return try_; }

    // The designed controls by name.
    const QHash<QString, QWidget*>& controls() const { return controls_; }

    // Opens another window of the program, as its menu entry does (the catalog that made
    // this window gives the means); the window, or nullptr.
    void setWindowOpener(std::function<QWidget*(std::string_view)> opener) { opener_ = std::move(opener); }
    QWidget* openWindow(std::string_view name) const { return opener_ ? opener_(name) : nullptr; }

    // Zoom: the whole window, its fonts and its panel at one of these sizes, laid out
    // again from the design; Ctrl +, Ctrl − and Ctrl 0, kept per window across runs.
    static constexpr std::array<int, 7> kZoomSteps = {100, 125, 150, 175, 200, 250, 300};
    int zoom() const { return zoom_; }  // percent
    void setZoom(int percent);          // the nearest step
    void zoomIn();
    void zoomOut();
    // 放大, 缩小 and 原始大小 for the window's context menu.
    void addZoomActions(QMenu& menu);
    // A length, a place and a font of the designed board at the window's zoom.
    int scaled(int pixels) const;
    QRect scaled(const QRect& pixels) const;
    FontStyle scaled(FontStyle font) const;
    // The designed board at the zoom, the window without its panel; larger where a
    // caption in the installed face reaches past the designed edge.
    QSize boardSize() const;
    // A control added beside the design: placed at `rect` (designed pixels) in `font`,
    // now and at every zoom.
    void place(QWidget* w, const QRect& rect, const FontStyle& font);
    // Sizes the window for its board and panel within its screen's available geometry:
    // where they would not fit, the panel narrows down to its least width, then the
    // board and panel scroll inside the window.
    void fit();
    // The scroll area the board is in while it does not fit, or nullptr.
    QScrollArea* scrollArea() const { return scroll_; }
    // What the controls are children of: the window, or the board inside the scroll area.
    QWidget* holder() { return content_ ? content_ : this; }

    // Enter in the field runs the handler; the key still reaches the field.
    void onEnter(std::string_view field, const std::function<void()>& handler);
    // Any key released in the field (auto-repeat aside) runs the handler.
    void onKeyUp(std::string_view field, const std::function<void()>& handler);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // What a window draws under its controls, over `area` (the whole board and panel) in
    // the painter's pixels; scale by zoom() / 100 for places of the design.
    virtual void paintBoard(QPainter& painter, const QRect& area);
    // After every control is placed again at a new zoom, for what a window moves itself.
    virtual void laidOut() {}
    // The designed board one row taller, for controls a window adds under its design.
    void growBoard(int pixels);

private:
    struct Placed {
        QWidget* widget;
        QRect rect;  // designed pixels
        FontStyle font;
        bool label = false;  // a designed label, which grows to hold its caption
        bool wrap = false;
    };
    QWidget* build(const ControlDesign& c);
    void layOut();
    void setScrolling(bool on);
    void wire(const Trigger& trigger);
    void clear(const std::vector<std::string_view>& fields);
    // The field's tooltip: its whole text when the field is too narrow for it, and the
    // window's tooltip for fields.
    void updateToolTip(QLineEdit* field) const;

    QHash<QString, QWidget*> controls_;
    QWidget* firstFocus_ = nullptr;
    bool shown_ = false;
    QHash<QObject*, std::function<void()>> enter_, keyUp_;
    QString fieldToolTip_;
    std::function<QWidget*(std::string_view)> opener_;

    std::vector<Placed> placed_;
    QSize board_;  // designed pixels
    int zoom_ = 100;
    QScrollArea* scroll_ = nullptr;  // while the board does not fit
    QWidget* content_ = nullptr;     // the board inside it

    SolutionPanel* panel_ = nullptr;  // a part of the window, where it has one
    TryFirst* try_ = nullptr;         // with the panel
};

// The control's text in that colour (WindowText for a label, Text for a field,
// ButtonText for a button); an invalid colour leaves it as it is. For the controls a
// window adds beside its design as well.
void SetTextColor(QWidget* w, const QColor& color, QPalette::ColorRole role = QPalette::WindowText);

}  // namespace velunda::ui
