// Every window the menu opens, by name, and the one open copy of each.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace velunda::ui {

using WindowFactory = QWidget* (*)();

// Each window's source file registers its factory once, at program start:
//   static const bool registered = RegisterWindow("frm12", [] -> QWidget* { return new frm12; });
bool RegisterWindow(std::string_view name, WindowFactory factory);

// Whether a window of that name can be opened.
bool HasWindow(std::string_view name);

class WindowCatalog {
public:
    // Shows the window: creates it when it is not open (first use, or closed since),
    // otherwise brings the open one to the front with its fields as they are. Returns
    // the window, or nullptr when no window of that name is registered.
    QWidget* open(std::string_view name);
    // The open window of that name, or nullptr.
    QWidget* find(std::string_view name) const;

private:
    std::map<std::string, QPointer<QWidget>, std::less<>> open_;
};

}  // namespace velunda::ui
