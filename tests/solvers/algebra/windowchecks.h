// Checks the GUI tests of the equation and angle windows share.
#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "support/gui.h"

namespace velunda::testing {

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

// Presses the exit button: true when the window has gone and the menu still shows.
inline bool ExitClosesOnlyThisWindow(const MenuFixture& app, QWidget* window, QPushButton* exit) {
    QPointer<QWidget> watched = window;
    click(exit);
    return (!watched || !watched->isVisible()) && app.menu && app.menu->isVisible();
}

}  // namespace velunda::testing
