#include "ui/calculatorwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <map>
#include <set>

#include "exact/exactnumber.h"
#include "exact/solutionbuilder.h"
#include "figure/figureview.h"
#include "ui/fonts.h"
#include "ui/menuentry.h"
#include "ui/message.h"
#include "ui/solutionpanel.h"

namespace velunda::ui {
namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

void setTextColor(QWidget* w, const QColor& color, QPalette::ColorRole role) {
    if (!color.isValid()) return;
    QPalette p = w->palette();
    p.setColor(role, color);
    w->setPalette(p);
}

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

// The fields and options of a window as they were at one moment, for the explanation of
// the computation that started then.
class FormSnapshot : public Form {
public:
    std::string text(std::string_view name) const override {
        auto it = texts.find(name);
        return it == texts.end() ? std::string() : it->second;
    }
    bool selected(std::string_view name) const override { return options.count(name) != 0; }
    void write(std::string_view, std::string) override {}
    void ShowMessage(std::string_view, Icon, std::string_view) override {}

    std::map<std::string, std::string, std::less<>> texts;
    std::set<std::string, std::less<>> options;
};

// The panel's width beside the designed area, and the least height it needs; the
// figure's height over the solution text.
constexpr int kPanelWidth = 400, kPanelHeight = 300, kFigureHeight = 230;

}  // namespace

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

CalculatorWindow::CalculatorWindow(const WindowDesign& design, QWidget* parent) : QWidget(parent) {
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
    for (const Trigger& trigger : design.triggers) {
        wire(trigger);
        if (trigger.explanation && !hasPanel_) {
            hasPanel_ = true;
            hint_ = trigger.event == Event::Enter ? "在一个文本框里输入已知量，按回车，这里就显示解题过程。"
                                                  : "输入已知量，单击计算按钮，这里就显示解题过程。";
        }
    }
    if (design.setUp) design.setUp(*this);
    designedSize_ = size();
    sketchMaker_ = design.figure;
    if (hasPanel_) {
        auto* toggle = new QShortcut(QKeySequence(Qt::Key_F2), this);
        connect(toggle, &QShortcut::activated, this, [this] { setSolutionShown(!panelShown_); });
        connect(&SolutionSetting::instance(), &SolutionSetting::shownChanged, this,
                &CalculatorWindow::setSolutionShown);
        if (SolutionSetting::instance().shown()) setSolutionShown(true);
    }
}

CalculatorWindow::~CalculatorWindow() = default;

QWidget* CalculatorWindow::build(const ControlDesign& c) {
    const QRect rect(px(c.left), px(c.top), px(c.width), px(c.height));
    QWidget* w = nullptr;
    switch (c.kind) {
        case Kind::Label:
        case Kind::Link: {
            auto* label = c.kind == Kind::Link ? new MenuEntry(qs(c.caption), this) : new QLabel(qs(c.caption), this);
            label->setFont(MakeFont(c.font));
            label->setAlignment((c.centered ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
            setTextColor(label, c.color, QPalette::WindowText);
            setBackground(label, c.background);
            placeLabel(label, rect, c.wrap);
            w = label;
            break;
        }
        case Kind::Field: {
            // The text comes after the font: a field given its text as it is made lays it
            // out at once in the toolkit's default face, and for Chinese text that loads a
            // whole fallback CJK font file that is never drawn with.
            auto* edit = new QLineEdit(this);
            edit->setFont(MakeFont(c.font));
            edit->setText(qs(c.caption));
            setTextColor(edit, c.color, QPalette::Text);
            edit->setGeometry(rect);
            updateToolTip(edit);
            connect(edit, &QLineEdit::textChanged, this, [this, edit] { updateToolTip(edit); });
            w = edit;
            break;
        }
        case Kind::Button: {
            auto* button = new QPushButton(qs(c.caption), this);
            button->setFont(MakeFont(c.font));
            button->setAutoDefault(false);
            setTextColor(button, c.color, QPalette::ButtonText);
            button->setGeometry(rect);
            w = button;
            break;
        }
        case Kind::Option: {
            auto* option = new OptionButton(qs(c.caption), this);
            option->setFont(MakeFont(c.font));
            setTextColor(option, c.color, QPalette::WindowText);
            setBackground(option, c.background);
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

QWidget* CalculatorWindow::control(std::string_view name) const {
    QWidget* w = controls_.value(qs(name));
    if (!w) qFatal("window %s has no control named %.*s", qPrintable(objectName()), int(name.size()), name.data());
    return w;
}

namespace {

template <class T>
T* as(const CalculatorWindow* window, std::string_view name) {
    auto* t = qobject_cast<T*>(window->control(name));
    if (!t)
        qFatal("control %.*s of window %s is not a %s", int(name.size()), name.data(), qPrintable(window->objectName()),
               T::staticMetaObject.className());
    return t;
}

}  // namespace

QLineEdit* CalculatorWindow::field(std::string_view name) const { return as<QLineEdit>(this, name); }
QLabel* CalculatorWindow::label(std::string_view name) const { return as<QLabel>(this, name); }
QAbstractButton* CalculatorWindow::button(std::string_view name) const { return as<QAbstractButton>(this, name); }
QRadioButton* CalculatorWindow::option(std::string_view name) const { return as<QRadioButton>(this, name); }

std::string CalculatorWindow::text(std::string_view name) const {
    QWidget* w = control(name);
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text().toStdString();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text().toStdString();
    return button(name)->text().toStdString();
}

bool CalculatorWindow::selected(std::string_view name) const { return option(name)->isChecked(); }

void CalculatorWindow::write(std::string_view name, std::string text) {
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

void CalculatorWindow::ShowMessage(std::string_view text, Icon icon, std::string_view title) {
    ShowMessageBox(this, qs(text), icon, qs(title));
}

bool CalculatorWindow::compute(Computation computation, Explanation explanation) {
    std::unique_ptr<FormSnapshot> before;
    if (explanation) {
        before = std::make_unique<FormSnapshot>();
        for (auto it = controls_.cbegin(); it != controls_.cend(); ++it) {
            const std::string name = it.key().toStdString();
            if (auto* e = qobject_cast<QLineEdit*>(it.value())) before->texts[name] = e->text().toStdString();
            if (auto* o = qobject_cast<QRadioButton*>(it.value()); o && o->isChecked()) before->options.insert(name);
        }
    }
    const bool completed = RunComputation(*this, computation);
    if (explanation) {
        explanation_ = explanation;
        before_ = std::move(before);
        if (panelShown_) updateSolution();
    }
    return completed;
}

WorkedSolution CalculatorWindow::solution() const {
    if (!explanation_ || !before_)
        return exact::FromSteps({exact::MakeStep(exact::StepKind::Cannot, hint_.toStdString())});
    return explanation_(*before_);
}

void CalculatorWindow::setSolutionShown(bool shown) {
    if (!hasPanel_ || shown == panelShown_) return;
    panelShown_ = shown;
    if (shown && !panel_) {
        exact::LoadEngineInBackground();  // the first solution then finds the engine ready
        panel_ = new QTextBrowser(this);
        panel_->setObjectName("solution");
        panel_->setAccessibleName("解题过程");
        panel_->setFont(MakeFont(SimSun(10.5)));
        panel_->setOpenLinks(false);
        panel_->setContextMenuPolicy(Qt::DefaultContextMenu);
        if (sketchMaker_) {
            figure_ = new FigureView(this);
            figure_->setGeometry(designedSize_.width(), 0, kPanelWidth, kFigureHeight);
        }
    }
    // The designed controls keep their places; the window grows to the right for the panel.
    if (shown) {
        const int height = std::max(designedSize_.height(), kPanelHeight + (figure_ ? kFigureHeight : 0));
        setFixedSize(designedSize_.width() + kPanelWidth, height);
        panel_->show();
        updateSolution();
    } else {
        if (panel_) panel_->hide();
        if (figure_) figure_->hide();
        setFixedSize(designedSize_);
    }
}

void CalculatorWindow::updateSolution() {
    if (!panel_) return;
    const WorkedSolution worked = solution();
    panel_->setHtml(QString::fromStdString(worked.html));
    // The figure over the text where there is one to draw, or a reason why not.
    int top = 0;
    if (figure_) {
        figure_->setSketch(sketchMaker_(worked.figure));
        if (!figure_->sketch().empty()) top = kFigureHeight;
        figure_->setVisible(top > 0);
    }
    panel_->setGeometry(designedSize_.width(), top, kPanelWidth, height() - top);
}

const Sketch* CalculatorWindow::figure() const {
    return figure_ && figure_->isVisible() && figure_->sketch().whyNot.isEmpty() ? &figure_->sketch() : nullptr;
}

void CalculatorWindow::exportSolution() {
    const QString path = QFileDialog::getSaveFileName(this, "导出为 PDF", windowTitle() + ".pdf", "PDF 文件 (*.pdf)");
    if (path.isEmpty()) return;
    const QString fault =
        WriteSolutionPdf(path, windowTitle(), solution(), figure(), figure_ && figure_->extrasShown());
    if (!fault.isEmpty()) ShowMessageBox(this, fault, Icon::Information, {});
}

void CalculatorWindow::contextMenuEvent(QContextMenuEvent* event) {
    if (!hasPanel_) return QWidget::contextMenuEvent(event);
    QMenu menu(this);
    QAction* show = menu.addAction("显示解题过程\tF2");
    show->setCheckable(true);
    show->setChecked(panelShown_);
    QAction* copy = menu.addAction("复制解题过程");
    QAction* pdf = menu.addAction("导出为 PDF…");
    QAction* print = menu.addAction("打印…");
    // The three-sides figure's circumcircle and incircle, on request.
    if (figure_ && figure_->isVisible() && figure_->sketch().hasExtras) {
        QAction* circles = menu.addAction("显示外接圆和内切圆");
        circles->setCheckable(true);
        circles->setChecked(figure_->extrasShown());
        connect(circles, &QAction::toggled, figure_, &FigureView::setExtrasShown);
    }
    QAction* chosen = menu.exec(event->globalPos());
    if (chosen == show) setSolutionShown(!panelShown_);
    if (chosen == copy) QApplication::clipboard()->setText(QString::fromStdString(solution().plain));
    if (chosen == pdf) exportSolution();
    if (chosen == print) PrintSolution(this, windowTitle(), solution(), figure(), figure_ && figure_->extrasShown());
}

void CalculatorWindow::wire(const Trigger& trigger) {
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

void CalculatorWindow::onEnter(std::string_view name, const std::function<void()>& handler) {
    QLineEdit* edit = field(name);
    edit->installEventFilter(this);
    enter_.insert(edit, handler);
}

void CalculatorWindow::onKeyUp(std::string_view name, const std::function<void()>& handler) {
    QLineEdit* edit = field(name);
    edit->installEventFilter(this);
    keyUp_.insert(edit, handler);
}

void CalculatorWindow::clear(const std::vector<std::string_view>& fields) {
    for (std::string_view f : fields) field(f)->clear();
    // The panel goes back to saying what to type.
    explanation_ = nullptr;
    before_.reset();
    if (panelShown_) updateSolution();
    // Typing goes on in the first field cleared.
    if (!fields.empty()) field(fields.front())->setFocus(Qt::OtherFocusReason);
}

void CalculatorWindow::updateToolTip(QLineEdit* edit) const {
    // The text has the field's width less its frame and the two-pixel margin on each side.
    const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
    const int room = edit->width() - 2 * frame - 4;
    QStringList tip;
    if (edit->fontMetrics().horizontalAdvance(edit->text()) > room) tip << edit->text();
    if (!fieldToolTip_.isEmpty()) tip << fieldToolTip_;
    edit->setToolTip(tip.join('\n'));
}

void CalculatorWindow::showEvent(QShowEvent* event) {
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

bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        // Enter, and whatever else types a carriage return (Ctrl+M), is the Enter key.
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                           (!key->text().isEmpty() && key->text().at(0) == QChar('\r'));
        if (enter) {
            if (auto it = enter_.constFind(watched); it != enter_.cend()) {
                const auto handler = it.value();  // the handler may close the window
                handler();
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
