// Velunda's own start path, timed: it starts as the program does and quits after the
// menu's first paint. With "open-all" it then first opens every window the menu lists
// by clicking its entry, waits until each has painted, and quits; the driver reads the
// peak resident memory of the process. It leaves with exit(), not quit(): quitting
// closes every window, and the test window waits for its summary to be read.
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "app/mainmenu.h"
#include "app/startup.h"
#include "app/windowcatalog.h"
#include "app/windowtable.h"
#include "bench/firstpaint.h"

using namespace velunda;

namespace {

// A left click on a menu entry, as the mouse gives it.
void clickEntry(QWidget* entry) {
    const QPointF at = entry->rect().center();
    const QPointF global = entry->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(entry, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(entry, &release);
}

void openEveryWindow(ui::MainMenu& menu, ui::WindowCatalog& catalog) {
    auto pending = std::make_shared<int>(0);
    int opened = 0;
    // VELUNDA_PROBE_SKIP names windows left closed ("frmhistory,frm22"), to see what each
    // part of the program costs.
    const QStringList skipped = qEnvironmentVariable("VELUNDA_PROBE_SKIP").split(',', Qt::SkipEmptyParts);
    for (const auto& entry : ui::Windows()) {
        if (skipped.contains(QString::fromUtf8(entry.name.data(), qsizetype(entry.name.size())))) continue;
        clickEntry(menu.control(entry.menuEntry));
        QWidget* window = catalog.find(entry.name);
        if (!window) {
            std::fprintf(stderr, "the entry %s did not open %s\n", std::string(entry.menuEntry).c_str(),
                         std::string(entry.name).c_str());
            std::exit(1);
        }
        ++*pending;
        ++opened;
        new bench::FirstPaint(window, [pending] {
            if (--*pending == 0) QApplication::exit(0);
        });
    }
    std::printf("opened %d\n", opened);
    std::fflush(stdout);
    if (opened == 0) QApplication::exit(0);
}

}  // namespace

int main(int argc, char* argv[]) {
    const bool openAll = argc > 1 && std::strcmp(argv[1], "open-all") == 0;
    if (openAll) {
        argv[1] = argv[0];
        ++argv;
        --argc;
    }
    return ui::RunProgram(argc, argv, [openAll](ui::MainMenu& menu, ui::WindowCatalog& catalog) {
        new bench::FirstPaint(&menu, [openAll, &menu, &catalog] {
            bench::ReportPainted();
            if (openAll)
                openEveryWindow(menu, catalog);
            else
                QApplication::exit(0);
        });
    });
}
