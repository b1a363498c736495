// Drives a plane-figure window opened from the menu: fill fields, read them back, and
// check its clear and exit buttons.
#pragma once

#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QStringList>
#include <QTest>

#include "support/gui.h"

namespace velunda::testing {

// Clicks an option button on its round mark.
inline void click(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

// Types "Text1=3;Text2=4" into the named fields.
inline void fill(ui::CalculatorWindow* w, const QString& fields) {
    for (const QString& pair : fields.split(';', Qt::SkipEmptyParts)) {
        const qsizetype eq = pair.indexOf('=');
        typeInto(w->field(pair.left(eq).toStdString()), pair.mid(eq + 1));
    }
}

// The texts of Text1 … Textn.
inline QStringList texts(ui::CalculatorWindow* w, int n) {
    QStringList out;
    for (int i = 1; i <= n; ++i) out << w->field("Text" + std::to_string(i))->text();
    return out;
}

// The clear button empties the fields it names (and only those); the exit button
// closes the window and leaves the menu open.
inline bool clearsAndExits(MenuFixture& app, ui::CalculatorWindow* w, const char* clearButton,
                           const QStringList& cleared, const char* exitButton) {
    click(w->button(clearButton));
    for (const QString& f : cleared)
        if (!w->field(f.toStdString())->text().isEmpty()) return false;
    QPointer<QWidget> window = w;
    click(w->button(exitButton));
    return (!window || !window->isVisible()) && app.menu && app.menu->isVisible();
}

}  // namespace velunda::testing
