#include "app/windowcatalog.h"

namespace velunda::ui {
namespace {

std::map<std::string, WindowFactory, std::less<>>& factories() {
    static std::map<std::string, WindowFactory, std::less<>> all;
    return all;
}

}  // namespace

bool RegisterWindow(std::string_view name, WindowFactory factory) {
    factories().emplace(std::string(name), factory);
    return true;
}

bool HasWindow(std::string_view name) { return factories().count(name) != 0; }

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
        auto it = factories().find(name);
        if (it == factories().end()) return nullptr;
        window = it->second();
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
