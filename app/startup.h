// The way Velunda starts: the application object, the main menu shown, the event loop.
// The program's main and the start-up probe of the performance bench share it, so that
// what the bench measures is what the pupil waits for.
#pragma once

#include <functional>

namespace velunda::ui {

class MainMenu;
class WindowCatalog;

// Runs the program and returns its exit code. `started`, when given, is called once the
// menu is shown and before the event loop runs (the bench probes watch the menu from
// there); the program itself passes nothing.
int RunProgram(int argc, char* argv[], const std::function<void(MainMenu& menu, WindowCatalog& catalog)>& started = {});

}  // namespace velunda::ui
