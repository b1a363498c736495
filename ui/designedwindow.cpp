#include "ui/designedwindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStyle>
#include <algorithm>
#include <cmath>

#include "ui/fonts.h"
#include "ui/formsnapshot.h"
#include "ui/menuentry.h"
#include "ui/message.h"
#include "ui/settings.h"
#include "ui/solutionpanel.h"
#include "ui/tryfirst.h"

namespace velunda::ui {
namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// Where a window keeps its zoom: "zoom/frm12".
QString ZoomKey(const QString& window) { return "zoom/" + window; }

// A window's frame where the window system has not told it yet: a title bar and borders.
constexpr QMargins kAssumedFrame(8, 32, 8, 8);

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
    board_ = QSize(px(design.width), px(design.height));
    setFixedSize(board_);
    setFont(MakeFont(kDefaultFont));
    setBackground(this, design.background);
    fieldToolTip_ = qs(design.fieldToolTip);

    QList<QWidget*> order;
    QLabel* caption = nullptr;  // the label just described, if any
    for (const ControlDesign& c : design.controls) {
        QWidget* w = build(c);
        controls_.insert(w->objectName(), w);
        placed_.push_back({w, QRect(px(c.left), px(c.top), px(c.width), px(c.height)), c.look.font,
                           c.kind == Kind::Label || c.kind == Kind::Link, c.look.wrap});
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
    // The fields the window only writes come after everything the pupil types or presses,
    // each part in its order; a window whose design gives its order keeps it.
    if (design.tabOrder.empty())
        std::stable_partition(order.begin(), order.end(), [&](QWidget* w) {
            return std::ranges::find(design.results, w->objectName().toStdString()) == design.results.end();
        });
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
    if (!order.isEmpty()) firstFocus_ = order.front();

    if (!design.clearButton.empty()) {
        connect(button(design.clearButton), &QAbstractButton::clicked, this,
                [this, fields = design.clearedFields] { clear(fields); });
    }
    if (!design.exitButton.empty())
        connect(button(design.exitButton), &QAbstractButton::clicked, this, &QWidget::close);
    for (const Trigger& trigger : design.triggers) wire(trigger);
    // Ctrl + (also Ctrl = without the Shift key), Ctrl − and Ctrl 0 zoom the window.
    const std::pair<QKeySequence, int> zoomKeys[] = {{QKeySequence::ZoomIn, +1},
                                                     {QKeySequence(Qt::CTRL | Qt::Key_Equal), +1},
                                                     {QKeySequence::ZoomOut, -1},
                                                     {QKeySequence(Qt::CTRL | Qt::Key_0), 0}};
    for (const auto& [keys, step] : zoomKeys)
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [this, step = step] {
            if (step > 0) zoomIn();
            if (step < 0) zoomOut();
            if (step == 0) setZoom(100);
        });
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
    // The zoom the window had when it was last used; at 100 % it is laid out as built.
    if (const int kept = ProgramSettings::instance().value(ZoomKey(objectName()), 100).toInt(); kept != 100)
        setZoom(kept);
    else
        fit();
    // On opening, the first control of the focus order receives the focus, which
    // selects it when it is an option button.
    if (firstFocus_) {
        firstFocus_->setFocus(Qt::OtherFocusReason);
        if (auto* o = qobject_cast<OptionButton*>(firstFocus_); o && !o->isChecked()) o->setChecked(true);
    }
}

bool DesignedWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == content_ && event->type() == QEvent::Paint) {
        QPainter painter(content_);
        paintBoard(painter, content_->rect());
        return true;
    }
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

void DesignedWindow::paintEvent(QPaintEvent*) {
    if (content_) return;  // the board paints inside its scroll area
    QPainter painter(this);
    paintBoard(painter, rect());
}

void DesignedWindow::paintBoard(QPainter&, const QRect&) {}

int DesignedWindow::scaled(int pixels) const { return int(std::lround(pixels * zoom_ / 100.0)); }

QRect DesignedWindow::scaled(const QRect& r) const {
    // Edges scaled rather than sizes, so that controls that touch in the design still touch.
    return QRect(QPoint(scaled(r.left()), scaled(r.top())),
                 QPoint(scaled(r.left() + r.width()) - 1, scaled(r.top() + r.height()) - 1));
}

FontStyle DesignedWindow::scaled(FontStyle font) const {
    font.points = font.points * zoom_ / 100.0;
    return font;
}

QSize DesignedWindow::boardSize() const {
    QRect board(QPoint(), QSize(scaled(board_.width()), scaled(board_.height())));
    for (const Placed& p : placed_)
        if (!p.widget->isHidden()) board |= p.widget->geometry();
    return board.size();
}

void DesignedWindow::place(QWidget* w, const QRect& rect, const FontStyle& font) {
    placed_.push_back({w, rect, font});
    w->setFont(MakeFont(scaled(font)));
    w->setGeometry(scaled(rect));
}

void DesignedWindow::growBoard(int pixels) {
    board_.rheight() += pixels;
    setFixedSize(board_);
}

void DesignedWindow::setZoom(int percent) {
    const int* nearest = std::ranges::min_element(kZoomSteps, {}, [percent](int z) { return std::abs(z - percent); });
    if (*nearest == zoom_) return;
    zoom_ = *nearest;
    ProgramSettings::instance().setValue(ZoomKey(objectName()), zoom_);
    layOut();
}

void DesignedWindow::zoomIn() {
    const auto next = std::ranges::upper_bound(kZoomSteps, zoom_);
    if (next != kZoomSteps.end()) setZoom(*next);
}

void DesignedWindow::zoomOut() {
    const auto at = std::ranges::lower_bound(kZoomSteps, zoom_);
    if (at != kZoomSteps.begin()) setZoom(*(at - 1));
}

void DesignedWindow::addZoomActions(QMenu& menu) {
    QAction* in = menu.addAction("放大\tCtrl++");
    in->setEnabled(zoom_ < kZoomSteps.back());
    connect(in, &QAction::triggered, this, &DesignedWindow::zoomIn);
    QAction* out = menu.addAction("缩小\tCtrl+-");
    out->setEnabled(zoom_ > kZoomSteps.front());
    connect(out, &QAction::triggered, this, &DesignedWindow::zoomOut);
    QAction* original = menu.addAction(QString("原始大小\tCtrl+0"));
    original->setEnabled(zoom_ != 100);
    connect(original, &QAction::triggered, this, [this] { setZoom(100); });
}

void DesignedWindow::layOut() {
    setFont(MakeFont(scaled(kDefaultFont)));
    for (const Placed& p : placed_) {
        p.widget->setFont(MakeFont(scaled(p.font)));
        if (auto* label = qobject_cast<QLabel*>(p.widget); label && p.label)
            placeLabel(label, scaled(p.rect), p.wrap);
        else
            p.widget->setGeometry(scaled(p.rect));
        if (auto* edit = qobject_cast<QLineEdit*>(p.widget)) updateToolTip(edit);
    }
    laidOut();
    if (panel_) panel_->zoomChanged();
    fit();
    update();
}

void DesignedWindow::fit() {
    const QRect available = screen()->availableGeometry();
    // The frame as the window system draws it, once it has told; until then, a usual one.
    const QRect frame = frameGeometry(), inner = geometry();
    const bool framed = isVisible() && frame != inner;
    const QMargins margins = framed ? QMargins(inner.left() - frame.left(), inner.top() - frame.top(),
                                               frame.right() - inner.right(), frame.bottom() - inner.bottom())
                             : isVisible() && testAttribute(Qt::WA_Mapped) ? QMargins()
                                                                           : kAssumedFrame;
    const QSize room = available.size().shrunkBy(margins);

    // The panel takes what room is left beside the board, between its least and its full width.
    const QSize board = boardSize();
    QSize content = board;
    int panelWidth = 0;
    if (panel_ && panel_->shown()) {
        panelWidth =
            std::clamp(room.width() - board.width(), scaled(SolutionPanel::kLeastWidth), scaled(SolutionPanel::kWidth));
        // The panel wants its height, but no more than the screen has beside a shorter board.
        const int wanted = std::min(scaled(panel_->wantedHeight()), std::max(board.height(), room.height()));
        content = QSize(board.width() + panelWidth, std::max(board.height(), wanted));
    }
    // What does not fit scrolls; a scroll bar takes room from the other direction.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    bool across = content.width() > room.width(), down = content.height() > room.height();
    if (across && !down) down = content.height() + bar > room.height();
    if (down && !across) across = content.width() + bar > room.width();
    setScrolling(across || down);
    const QSize size(std::min(content.width() + (down ? bar : 0), room.width()),
                     std::min(content.height() + (across ? bar : 0), room.height()));
    if (scroll_) {
        content_->setFixedSize(content);
        scroll_->setGeometry(QRect(QPoint(), size));
    }
    setFixedSize(size);
    if (panelWidth > 0) panel_->place(QRect(board.width(), 0, panelWidth, content.height()));

    // A window that has grown past the screen's edge moves back onto it.
    if (isVisible() && testAttribute(Qt::WA_Mapped)) {
        const QSize outer = size.grownBy(margins);
        QPoint at = pos();
        at.setX(
            std::clamp(at.x(), available.left(), std::max(available.left(), available.right() + 1 - outer.width())));
        at.setY(
            std::clamp(at.y(), available.top(), std::max(available.top(), available.bottom() + 1 - outer.height())));
        if (at != pos()) move(at);
    }
}

void DesignedWindow::setScrolling(bool on) {
    if (on == (scroll_ != nullptr)) return;
    // The controls move between the window and the board inside the scroll area, keeping
    // their places, their focus order (the window stays theirs) and the focus.
    const QPointer<QWidget> focused = focusWidget();
    QWidget* from = on ? static_cast<QWidget*>(this) : content_;
    if (on) {
        scroll_ = new QScrollArea(this);
        scroll_->setObjectName("boardScroll");
        scroll_->setFrameShape(QFrame::NoFrame);
        scroll_->setFocusPolicy(Qt::NoFocus);
        content_ = new QWidget;
        content_->setObjectName("board");
        content_->setAutoFillBackground(autoFillBackground());
        content_->installEventFilter(this);
        scroll_->setWidget(content_);
    }
    QWidget* to = on ? content_ : static_cast<QWidget*>(this);
    for (QWidget* child : from->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child == scroll_ || child->isWindow()) continue;
        const bool shown = !child->isHidden();
        child->setParent(to);
        child->setVisible(shown);
    }
    if (on) {
        scroll_->show();
    } else {
        delete scroll_;
        scroll_ = nullptr;
        content_ = nullptr;
    }
    if (focused) focused->setFocus(Qt::OtherFocusReason);
}

}  // namespace velunda::ui
