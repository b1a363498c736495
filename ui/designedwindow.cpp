#include "ui/designedwindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

#include "ui/fonts.h"
#include "ui/formsnapshot.h"
#include "ui/menuentry.h"
#include "ui/message.h"
#include "ui/solutionpanel.h"
#include "ui/tryfirst.h"

namespace velunda::ui {
namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

void setBackground(QWidget* w, const QColor& color) {
    if (!color.isValid()) return;
    QPalette p = w->palette();
    p.setColor(QPalette::Window, color);
    p.setColor(QPalette::Button, color);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

// A label keeps its designed place; where the installed font needs more room than the
// design gave, it grows to the right and downwards so that no caption is cut off.
void placeLabel(QLabel* label, QRect rect, bool wrap) {
    if (wrap) {
        label->setWordWrap(true);
        rect.setHeight(std::max(rect.height(), label->heightForWidth(rect.width())));
    } else {
        const QSize hint = label->sizeHint();
        rect.setWidth(std::max(rect.width(), hint.width()));
        rect.setHeight(std::max(rect.height(), hint.height()));
    }
    label->setGeometry(rect);
}

}  // namespace

void SetTextColor(QWidget* w, const QColor& color, QPalette::ColorRole role) {
    if (!color.isValid()) return;
    QPalette p = w->palette();
    p.setColor(role, color);
    w->setPalette(p);
}

void OptionButton::focusInEvent(QFocusEvent* event) {
    // The group is one stop of the Tab key: tabbing into it lands on its selected
    // button, so that passing through does not change the choice.
    const bool tab = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    if (tab && !isChecked() && parentWidget()) {
        for (auto* sibling : parentWidget()->findChildren<OptionButton*>(Qt::FindDirectChildrenOnly)) {
            if (sibling != this && sibling->isChecked() && sibling->isEnabled()) {
                sibling->setFocus(event->reason());
                return;
            }
        }
    }
    QRadioButton::focusInEvent(event);
    if (!isChecked()) setChecked(true);
}

DesignedWindow::DesignedWindow(const WindowDesign& design, QWidget* parent) : QWidget(parent) {
    setObjectName(qs(design.name));
    setWindowTitle(qs(design.title));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(px(design.width), px(design.height));
    setFont(MakeFont(kDefaultFont));
    setBackground(this, design.background);
    fieldToolTip_ = qs(design.fieldToolTip);

    QList<QWidget*> order;
    QLabel* caption = nullptr;  // the label just described, if any
    for (const ControlDesign& c : design.controls) {
        QWidget* w = build(c);
        controls_.insert(w->objectName(), w);
        if (design.tabOrder.empty() && w->focusPolicy() != Qt::NoFocus) order.append(w);
        // A label described directly before a field is that field's caption: screen
        // readers announce the field by it.
        if (c.kind == Kind::Field && caption) {
            caption->setBuddy(w);
            w->setAccessibleName(caption->text().simplified());
        }
        caption = c.kind == Kind::Label ? qobject_cast<QLabel*>(w) : nullptr;
    }
    for (std::string_view name : design.tabOrder) order.append(control(name));
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
    if (!order.isEmpty()) firstFocus_ = order.front();

    if (!design.clearButton.empty()) {
        connect(button(design.clearButton), &QAbstractButton::clicked, this,
                [this, fields = design.clearedFields] { clear(fields); });
    }
    if (!design.exitButton.empty())
        connect(button(design.exitButton), &QAbstractButton::clicked, this, &QWidget::close);
    for (const Trigger& trigger : design.triggers) wire(trigger);
    if (design.setUp) design.setUp(*this);
    // A window whose triggers explain their computations has the worked-solution panel.
    const auto explained =
        std::ranges::find_if(design.triggers, [](const Trigger& t) { return t.explanation != nullptr; });
    if (explained != design.triggers.end()) {
        panel_ = new SolutionPanel(*this, explained->event, design.figure);
        try_ = new TryFirst(*this, *panel_, design);
        panel_->setTryFirst(try_);
    }
}

DesignedWindow::~DesignedWindow() = default;

QWidget* DesignedWindow::build(const ControlDesign& c) {
    const QRect rect(px(c.left), px(c.top), px(c.width), px(c.height));
    QWidget* w = nullptr;
    switch (c.kind) {
        case Kind::Label:
        case Kind::Link: {
            auto* label = c.kind == Kind::Link ? new MenuEntry(qs(c.caption), this) : new QLabel(qs(c.caption), this);
            label->setFont(MakeFont(c.look.font));
            label->setAlignment((c.look.centered ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
            SetTextColor(label, c.look.color, QPalette::WindowText);
            setBackground(label, c.look.background);
            placeLabel(label, rect, c.look.wrap);
            w = label;
            break;
        }
        case Kind::Field: {
            // The text comes after the font: a field given its text as it is made lays it
            // out at once in the toolkit's default face, and for Chinese text that loads a
            // whole fallback CJK font file that is never drawn with.
            auto* edit = new QLineEdit(this);
            edit->setFont(MakeFont(c.look.font));
            edit->setText(qs(c.caption));
            SetTextColor(edit, c.look.color, QPalette::Text);
            edit->setGeometry(rect);
            updateToolTip(edit);
            connect(edit, &QLineEdit::textChanged, this, [this, edit] { updateToolTip(edit); });
            edit->installEventFilter(this);  // Enter in an answer of try-first mode checks it
            w = edit;
            break;
        }
        case Kind::Button: {
            auto* button = new QPushButton(qs(c.caption), this);
            button->setFont(MakeFont(c.look.font));
            button->setAutoDefault(false);
            button->installEventFilter(this);  // Enter presses it
            SetTextColor(button, c.look.color, QPalette::ButtonText);
            button->setGeometry(rect);
            w = button;
            break;
        }
        case Kind::Option: {
            auto* option = new OptionButton(qs(c.caption), this);
            option->setFont(MakeFont(c.look.font));
            SetTextColor(option, c.look.color, QPalette::WindowText);
            setBackground(option, c.look.background);
            option->setGeometry(rect);
            w = option;
            break;
        }
    }
    w->setObjectName(qs(c.name));
    // Buttons are announced by their caption without the blanks that space it out.
    if (c.kind == Kind::Button || c.kind == Kind::Option || c.kind == Kind::Link)
        w->setAccessibleName(qs(c.caption).remove(' '));
    else if (c.kind == Kind::Field)
        w->setAccessibleName(w->objectName());
    return w;
}

QWidget* DesignedWindow::control(std::string_view name) const {
    QWidget* w = controls_.value(qs(name));
    if (!w) qFatal("window %s has no control named %.*s", qPrintable(objectName()), int(name.size()), name.data());
    return w;
}

namespace {

template <class T>
T* as(const DesignedWindow* window, std::string_view name) {
    auto* t = qobject_cast<T*>(window->control(name));
    if (!t)
        qFatal("control %.*s of window %s is not a %s", int(name.size()), name.data(), qPrintable(window->objectName()),
               T::staticMetaObject.className());
    return t;
}

}  // namespace

QLineEdit* DesignedWindow::field(std::string_view name) const { return as<QLineEdit>(this, name); }
QLabel* DesignedWindow::label(std::string_view name) const { return as<QLabel>(this, name); }
QAbstractButton* DesignedWindow::button(std::string_view name) const { return as<QAbstractButton>(this, name); }
QRadioButton* DesignedWindow::option(std::string_view name) const { return as<QRadioButton>(this, name); }

std::string DesignedWindow::text(std::string_view name) const {
    QWidget* w = control(name);
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text().toStdString();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text().toStdString();
    return button(name)->text().toStdString();
}

bool DesignedWindow::selected(std::string_view name) const { return option(name)->isChecked(); }

void DesignedWindow::write(std::string_view name, std::string text) {
    const QString t = QString::fromStdString(text);
    QWidget* w = control(name);
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        e->setText(t);
        e->setCursorPosition(0);
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
        l->setText(t);
    } else {
        button(name)->setText(t);
    }
}

void DesignedWindow::ShowMessage(std::string_view text, Icon icon, std::string_view title) {
    ShowMessageBox(this, qs(text), icon, qs(title));
}

bool DesignedWindow::compute(Computation computation, Explanation explanation) {
    // In try-first mode the trigger poses the exercise, or checks the pupil's answers.
    if (try_ && try_->trigger(computation, explanation)) return true;
    const auto run = [this, computation] { return RunComputation(*this, computation); };
    return panel_ && explanation ? panel_->explain(explanation, run) : run();
}

std::unique_ptr<FormSnapshot> SnapshotOf(const DesignedWindow& window) {
    auto snapshot = std::make_unique<FormSnapshot>();
    for (auto it = window.controls().cbegin(); it != window.controls().cend(); ++it) {
        const std::string name = it.key().toStdString();
        if (auto* e = qobject_cast<QLineEdit*>(it.value())) snapshot->texts[name] = e->text().toStdString();
        if (auto* o = qobject_cast<QRadioButton*>(it.value()); o && o->isChecked()) snapshot->options.insert(name);
    }
    return snapshot;
}

bool DesignedWindow::solutionShown() const { return panel_ && panel_->shown(); }

void DesignedWindow::setSolutionShown(bool shown) {
    if (panel_) panel_->setShown(shown);
}

WorkedSolution DesignedWindow::solution() const { return panel_ ? panel_->solution() : WorkedSolution{}; }

const Sketch* DesignedWindow::figure() const { return panel_ ? panel_->figure() : nullptr; }

void DesignedWindow::wire(const Trigger& trigger) {
    const Computation computation = trigger.computation;
    const Explanation explanation = trigger.explanation;
    switch (trigger.event) {
        case Event::Enter:
            onEnter(trigger.control, [this, computation, explanation] { compute(computation, explanation); });
            break;
        case Event::Click:
            connect(button(trigger.control), &QAbstractButton::clicked, this,
                    [this, computation, explanation] { compute(computation, explanation); });
            break;
        case Event::Selected:
            connect(option(trigger.control), &QAbstractButton::toggled, this,
                    [this, computation, explanation](bool checked) {
                        if (checked) compute(computation, explanation);
                    });
            break;
    }
}

void DesignedWindow::onEnter(std::string_view name, const std::function<void()>& handler) {
    QLineEdit* edit = field(name);
    edit->installEventFilter(this);
    enter_.insert(edit, handler);
}

void DesignedWindow::onKeyUp(std::string_view name, const std::function<void()>& handler) {
    QLineEdit* edit = field(name);
    edit->installEventFilter(this);
    keyUp_.insert(edit, handler);
}

void DesignedWindow::clear(const std::vector<std::string_view>& fields) {
    if (try_) try_->reset();
    for (std::string_view f : fields) field(f)->clear();
    // The panel goes back to saying what to type.
    if (panel_) panel_->forget();
    // Typing goes on in the first field cleared.
    if (!fields.empty()) field(fields.front())->setFocus(Qt::OtherFocusReason);
}

void DesignedWindow::updateToolTip(QLineEdit* edit) const {
    // The text has the field's width less its frame and the two-pixel margin on each side.
    const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
    const int room = edit->width() - 2 * frame - 4;
    QStringList tip;
    if (edit->fontMetrics().horizontalAdvance(edit->text()) > room) tip << edit->text();
    if (!fieldToolTip_.isEmpty()) tip << fieldToolTip_;
    edit->setToolTip(tip.join('\n'));
}

void DesignedWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shown_) return;
    shown_ = true;
    // On opening, the first control of the focus order receives the focus, which
    // selects it when it is an option button.
    if (firstFocus_) {
        firstFocus_->setFocus(Qt::OtherFocusReason);
        if (auto* o = qobject_cast<OptionButton*>(firstFocus_); o && !o->isChecked()) o->setChecked(true);
    }
}

bool DesignedWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        // Enter, and whatever else types a carriage return (Ctrl+M), is the Enter key.
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                           (!key->text().isEmpty() && key->text().at(0) == QChar('\r'));
        if (enter) {
            if (try_ && try_->enterPressed(watched)) return true;
            if (auto it = enter_.constFind(watched); it != enter_.cend()) {
                const auto handler = it.value();  // the handler may close the window
                handler();
            }
            // Enter on a button that has the focus presses it, as Space does.
            if (auto* button = qobject_cast<QPushButton*>(watched); button && button->isEnabled()) {
                button->click();
                return true;
            }
        }
    } else if (event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (auto it = keyUp_.constFind(watched); it != keyUp_.cend() && !key->isAutoRepeat()) {
            const auto handler = it.value();
            handler();
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace velunda::ui
