// Helpers for tests that drive the real windows: open them from the menu by clicking
// their entries, type, press keys, and answer the message boxes they show.
#pragma once

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/mainmenu.h"
#include "app/windowcatalog.h"
#include "app/windowtable.h"
#include "drills/pupils.h"
#include "numeric/form.h"
#include "ui/designedwindow.h"

namespace velunda::testing {

struct ShownMessage {
    QString text;
    QMessageBox::Icon icon;
    QString title;
};

// Watches for modal message boxes while it lives, records each as it is shown and
// presses its OK as soon as its event loop runs; a question without OK gets its default
// answer (the history's "删除全部口算记录吗？" its 取消), always the same one.
class MessageCatcher : public QObject {
    Q_OBJECT

public:
    MessageCatcher() { qApp->installEventFilter(this); }
    ~MessageCatcher() override { qApp->removeEventFilter(this); }

    // "text|icon|title" with icon i (information) or - (none), joined by " / ".
    QString shown() const {
        QStringList parts;
        for (const ShownMessage& m : messages)
            parts << m.text + "|" + (m.icon == QMessageBox::Information ? "i" : "-") + "|" + m.title;
        return parts.join(" / ");
    }
    void clear() { messages.clear(); }
    std::vector<ShownMessage> messages;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* box = qobject_cast<QMessageBox*>(watched)) {
                messages.push_back({box->text(), box->icon(), box->windowTitle()});
                QPointer<QMessageBox> guard = box;
                QTimer::singleShot(0, box, [guard] {
                    if (!guard) return;
                    if (QAbstractButton* ok = guard->button(QMessageBox::Ok))
                        ok->click();
                    else if (QPushButton* answer = guard->defaultButton())
                        answer->click();
                    else
                        guard->reject();
                });
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

// The main menu with its catalog, as the program starts it.
class MenuFixture {
public:
    // The pupil is chosen already: the first drill does not ask who is practising.
    MenuFixture() : menu(new ui::MainMenu(catalog)) {
        if (!ui::CurrentPupil::instance().chosen()) ui::CurrentPupil::instance().choose({1, "学生1", ""});
        menu->show();
    }
    ~MenuFixture() {
        // A window may show a message as it closes (the test window's summary): OK it.
        MessageCatcher closing;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            w->close();
        }
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Clicks the menu entry and returns the window it opened.
    template <class Window = ui::DesignedWindow>
    Window* open(const char* entry, const char* window) {
        QLabel* label = menu->label(entry);
        QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
        return qobject_cast<Window*>(catalog.find(window));
    }

    ui::WindowCatalog catalog;
    QPointer<ui::MainMenu> menu;
};

inline void typeInto(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->clear();
    QTest::keyClicks(field, text);
}

inline void pressEnter(QLineEdit* field) { QTest::keyClick(field, Qt::Key_Return); }

inline void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

// Clicks an option button on its round mark.
inline void click(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

// Does the steps of "Text1=5;enter Text1;click Command2" in order: "name=text" types
// the text into the emptied field; "enter", "tab" and "escape" press that key in the
// field named; "click" clicks the button or option button named.
inline void runSteps(QWidget* window, const QString& steps) {
    for (const QString& step : steps.split(';', Qt::SkipEmptyParts)) {
        const qsizetype eq = step.indexOf('=');
        if (eq >= 0) {
            auto* field = window->findChild<QLineEdit*>(step.left(eq));
            QVERIFY2(field, qPrintable("no field " + step.left(eq)));
            typeInto(field, step.mid(eq + 1));
            continue;
        }
        const QString action = step.section(' ', 0, 0), name = step.section(' ', 1);
        auto* control = window->findChild<QWidget*>(name);
        QVERIFY2(control, qPrintable("no control " + name));
        static const std::map<QString, Qt::Key> keys{
            {"enter", Qt::Key_Return}, {"tab", Qt::Key_Tab}, {"escape", Qt::Key_Escape}};
        if (action == "click") {
            if (auto* option = qobject_cast<QRadioButton*>(control))
                click(option);
            else if (auto* button = qobject_cast<QAbstractButton*>(control))
                click(button);
            else
                QFAIL(qPrintable(name + " is no button"));
        } else if (keys.count(action)) {
            control->setFocus();
            QTest::keyClick(control, keys.at(action));
        } else {
            QFAIL(qPrintable("no step " + step));
        }
    }
}

// The states of the controls named in "Text1=5;Text2=;opt1=1", in the same form: a
// field's, button's or label's text, an option button's 1 when it is selected and 0
// when not.
inline QString controlTexts(QWidget* window, const QString& named) {
    QStringList pairs;
    for (const QString& pair : named.split(';', Qt::SkipEmptyParts)) {
        const QString name = pair.left(pair.indexOf('='));
        QString state = "(none)";
        if (auto* field = window->findChild<QLineEdit*>(name))
            state = field->text();
        else if (auto* option = qobject_cast<QRadioButton*>(window->findChild<QWidget*>(name)))
            state = option->isChecked() ? "1" : "0";
        else if (auto* button = window->findChild<QAbstractButton*>(name))
            state = button->text();
        else if (auto* label = window->findChild<QLabel*>(name))
            state = label->text();
        pairs << name + "=" + state;
    }
    return pairs.join(';');
}

// The exit button closes its window and leaves the menu open.
inline void CheckExit(const MenuFixture& app, ui::DesignedWindow* w, std::string_view exitButton) {
    QPointer<QWidget> window = w;
    click(w->button(exitButton));
    QVERIFY(!window || !window->isVisible());
    QVERIFY(app.menu && app.menu->isVisible());
}

// The focusable controls from `first` on, as Tab reaches them, `count` of them.
inline QStringList FocusOrder(QWidget* first, int count) {
    QStringList names;
    QWidget* w = first;
    while (names.size() < count) {
        names << w->objectName();
        do w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
    }
    return names;
}

// A two-line caption: its blanks make it wrap onto exactly two lines.
inline bool WrapsOntoTwoLines(QLabel* label) {
    const int line = label->fontMetrics().lineSpacing();
    const int height = label->heightForWidth(label->width());
    return height >= 2 * line && height < 3 * line;
}

// The fault message as MessageCatcher::shown() gives it.
inline const QString kFaultBox = QString::fromUtf8(kFaultMessage.data(), kFaultMessage.size()) + "|i|Velunda";

}  // namespace velunda::testing
