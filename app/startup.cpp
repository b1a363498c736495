#include "app/startup.h"

#include <QApplication>
#include <fontconfig/fontconfig.h>
#include <thread>

#include "app/fonts.h"
#include "app/frmmulu.h"
#include "app/windowcatalog.h"

namespace velunda::ui {

int RunProgram(int argc, char* argv[], const std::function<void(frmmulu&, WindowCatalog&)>& started) {
    // Before the menu can measure its first caption, fontconfig reads its configuration
    // (some thirty files of XML); the toolkit meanwhile connects to the display and loads
    // its platform plugin. On a second processor the two take place side by side, and
    // the menu then finds the configuration read, and the program's own faces added to it.
    // FcInit may be called again later by the toolkit: it only reads the configuration once.
    std::thread fontconfig([] {
        FcInit();
        AddProgramFonts();
    });
    QApplication app(argc, argv);
    fontconfig.join();
    QApplication::setApplicationName("Velunda");
    WindowCatalog catalog;
    auto* menu = new frmmulu(catalog);
    menu->show();
    if (started) started(*menu, catalog);
    return QApplication::exec();
}

}  // namespace velunda::ui
