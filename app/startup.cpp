#include "app/startup.h"

#include <QApplication>

#include "app/frmmulu.h"
#include "app/windowcatalog.h"

namespace velunda::ui {

int RunProgram(int argc, char* argv[], const std::function<void(frmmulu&, WindowCatalog&)>& started) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Velunda");
    WindowCatalog catalog;
    auto* menu = new frmmulu(catalog);
    menu->show();
    if (started) started(*menu, catalog);
    return QApplication::exec();
}

}  // namespace velunda::ui
