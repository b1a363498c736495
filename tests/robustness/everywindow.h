// The rows of a test that goes through every window the menu opens: one row per
// window, named after it, with the columns "entry" (the menu entry's label) and
// "window".
#pragma once

#include <QString>
#include <QTest>

#include "app/mainmenu.h"
#include "app/windowcatalog.h"
#include "app/windowtable.h"

namespace velunda::testing {

inline void addEveryWindowRows() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("window");
    for (const auto& e : ui::Windows())
        QTest::newRow(e.name.data()) << QString::fromUtf8(e.menuEntry.data(), qsizetype(e.menuEntry.size()))
                                     << QString::fromUtf8(e.name.data(), qsizetype(e.name.size()));
}

}  // namespace velunda::testing
