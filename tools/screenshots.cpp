// Saves a picture of the menu and of every window into a folder:
//   velunda-screenshots DIR [window ...]
// Each window is opened from the catalog as its menu entry opens it and drawn as it
// shows on screen.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTimer>

#include "app/frmmulu.h"
#include "app/windowcatalog.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        qWarning("usage: velunda-screenshots DIR [window ...]");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(dir.path());
    velunda::ui::WindowCatalog catalog;
    auto* menu = new velunda::ui::frmmulu(catalog);
    menu->show();

    QStringList names;
    for (int i = 2; i < argc; ++i) names << QString::fromLocal8Bit(argv[i]);
    if (names.isEmpty()) {
        names << "frmmulu";
        for (const auto& e : velunda::ui::frmmulu::Entries())
            if (velunda::ui::HasWindow(e.window)) names << QString::fromUtf8(e.window.data(), e.window.size());
    }
    int failures = 0;
    for (const QString& name : names) {
        QWidget* w = name == "frmmulu" ? menu : catalog.open(name.toStdString());
        if (!w) {
            qWarning("no window named %s", qPrintable(name));
            ++failures;
            continue;
        }
        QApplication::processEvents();
        if (!w->grab().save(dir.filePath(name + ".png"))) ++failures;
    }
    return failures == 0 ? 0 : 1;
}
