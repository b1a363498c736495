// The program's help: one page in Chinese for every window, shipped inside the program
// (data/help), shown in one help window that serves every window and is made on first use.
#pragma once

#include <QString>
#include <string_view>

class QWidget;

namespace velunda::ui {

// The text of the help page of the window of that object name ("frm12", "frmmulu"), or of
// the index for "index"; empty when there is no such page.
QString HelpPageText(std::string_view window);

// Shows the help window at the page of the window of that name, or at the index when the
// window has no page of its own; the help window, made on first use.
QWidget* ShowHelp(std::string_view window);
// The page of the window the widget belongs to.
QWidget* ShowHelpFor(const QWidget* widget);

// F1 in the window shows its help page.
void InstallHelpKey(QWidget* window);

}  // namespace velunda::ui
