// Helpers for tests that drive the real windows: open them from the menu by clicking
// their entries, type, press keys, and answer the message boxes they show.
#pragma once

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/calculatorwindow.h"
#include "app/mainmenu.h"
#include "app/windowcatalog.h"
#include "app/windowtable.h"

namespace velunda::testing {

struct ShownMessage {
    QString text;
    QMessageBox::Icon icon;
    QString title;
};

// Watches for modal message boxes while it lives, records each as it is shown and
// presses its OK as soon as its event loop runs.
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
                    else
                        guard->accept();
                });
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

// The main menu with its catalog, as the program starts it.
class MenuFixture {
public:
    MenuFixture() : menu(new ui::MainMenu(catalog)) { menu->show(); }
    ~MenuFixture() {
        // A window may show a message as it closes (the test window's summary): OK it.
        MessageCatcher closing;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            w->close();
        }
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Clicks the menu entry and returns the window it opened.
    template <class Window = ui::CalculatorWindow>
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

// The exit button closes its window and leaves the menu open.
inline void CheckExit(const MenuFixture& app, ui::CalculatorWindow* w, std::string_view exitButton) {
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

}  // namespace velunda::testing
