// Every window the main menu opens: its object name, the menu entry that opens it with
// its caption and place in the menu, and how the window is made. The one place that
// lists them; the menu draws its entries from it.
#pragma once

#include <QWidget>
#include <span>
#include <string_view>

#include "ui/windowdesign.h"

namespace velunda::ui {

// How the menu draws an entry: an exercise is underlined italic, the version
// information stands out bold on orange.
enum class EntryLook { Exercise, Information };

struct WindowEntry {
    std::string_view name;       // the window's object name, "frm12"
    std::string_view menuEntry;  // the menu label that opens it, "lbl15"
    std::string_view caption;    // the label's caption, "解 正 方 形"
    int left, top;               // the label's place in the menu, twips
    // A window that its design says all about is a DesignedWindow built from it; the
    // others have a class of their own, made by `make`.
    WindowDesign (*design)() = nullptr;
    QWidget* (*make)() = nullptr;
    EntryLook look = EntryLook::Exercise;
};

// In the order of the menu's entries.
std::span<const WindowEntry> Windows();

// The entry of the window of that name, or nullptr.
const WindowEntry* FindWindow(std::string_view name);

// A new window of that name (not shown), or nullptr when there is none.
QWidget* MakeWindow(std::string_view name);

}  // namespace velunda::ui
