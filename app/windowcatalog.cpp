#include "app/windowcatalog.h"

#include "app/windowtable.h"
#include "drills/historywindow.h"
#include "ui/designedwindow.h"
#include "ui/help.h"

namespace velunda::ui {
QWidget* WindowCatalog::find(std::string_view name) const {
    auto it = open_.find(name);
    return it == open_.end() ? nullptr : it->second.data();
}

QWidget* WindowCatalog::open(std::string_view name) {
    QWidget* window = find(name);
    if (window && !window->isVisible()) {
        // Closed, and only waiting to be deleted: the entry creates it afresh.
        window->deleteLater();
        window = nullptr;
    }
    if (!window) {
        window = MakeWindow(name);
        if (!window) return nullptr;
        if (auto* calculator = qobject_cast<DesignedWindow*>(window))
            calculator->setWindowOpener([this](std::string_view other) { return open(other); });
        if (auto* history = dynamic_cast<HistoryWindow*>(window))
            history->setWindowOpener([this](std::string_view other) { return open(other); });
        InstallHelpKey(window);
        window->setAttribute(Qt::WA_DeleteOnClose);
        open_[std::string(name)] = window;
        window->show();
    } else {
        window->showNormal();
        window->raise();
    }
    window->activateWindow();
    return window;
}

}  // namespace velunda::ui
