// The order in which Tab walks the controls of a window, by name.
#pragma once

#include <QStringList>
#include <QWidget>

namespace velunda::testing {

// The focusable controls from `first` on, as Tab reaches them, `count` of them.
inline QStringList FocusOrder(QWidget* first, int count) {
    QStringList names;
    QWidget* w = first;
    while (names.size() < count) {
        names << w->objectName();
        do w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus || !(w->focusPolicy() & Qt::TabFocus));
    }
    return names;
}

}  // namespace velunda::testing
