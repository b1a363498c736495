// The rows of a test that goes through every window the menu opens: one row per
// window, named after it, with the columns "entry" (the menu entry's label) and
// "window".
#pragma once

#include <QString>
#include <QTest>

#include "app/frmmulu.h"
#include "app/windowcatalog.h"

namespace velunda::testing {

inline void addEveryWindowRows() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("window");
    for (const auto& e : ui::frmmulu::Entries())
        if (ui::HasWindow(e.window))
            QTest::newRow(e.window.data()) << QString::fromUtf8(e.label.data(), qsizetype(e.label.size()))
                                           << QString::fromUtf8(e.window.data(), qsizetype(e.window.size()));
}

}  // namespace velunda::testing
