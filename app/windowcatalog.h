// The one open copy of each window the menu opens.
#pragma once

#include <QPointer>
#include <QWidget>
#include <map>
#include <string>
#include <string_view>

namespace velunda::ui {

class WindowCatalog {
public:
    // Shows the window: creates it when it is not open (first use, or closed since),
    // otherwise brings the open one to the front with its fields as they are. Returns
    // the window, or nullptr when the window table has no window of that name.
    QWidget* open(std::string_view name);
    // The open window of that name, or nullptr.
    QWidget* find(std::string_view name) const;

private:
    std::map<std::string, QPointer<QWidget>, std::less<>> open_;
};

}  // namespace velunda::ui
