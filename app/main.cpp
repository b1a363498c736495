#include <QApplication>

#include "app/frmmulu.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Velunda");
    velunda::ui::WindowCatalog catalog;
    auto* menu = new velunda::ui::frmmulu(catalog);
    menu->show();
    return QApplication::exec();
}
