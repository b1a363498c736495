// The program's own start: fontconfig and the toolkit's font list are read on a second
// thread while the application object is made. Once the menu shows, the font list must
// hold the program's faces and every caption of the menu must be drawn from one of them,
// exactly as a start on one thread gives (tst_programfonts checks the faces themselves).
#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QTimer>
#include <cstdio>

#include "app/mainmenu.h"
#include "app/startup.h"
#include "app/windowtable.h"
#include "support/faces.h"

namespace {

int failures = 0;

void check(bool ok, const QString& what) {
    if (ok) return;
    ++failures;
    std::fprintf(stderr, "FAIL: %s\n", qPrintable(what));
}

void checkMenu(velunda::ui::MainMenu& menu) {
    check(menu.isVisible(), "the menu is not shown");
    const QStringList families = QFontDatabase::families();
    for (const char* family : {"Velunda Serif", "Velunda Sans", "Velunda Kai"})
        check(families.contains(family), QString("the font list lacks ") + family);
    const bool designed = velunda::testing::DesignedFacesInstalled();
    int captions = 0;
    for (const QLabel* label : menu.findChildren<QLabel*>()) {
        if (label->text().trimmed().isEmpty()) continue;
        ++captions;
        const QString faces = velunda::testing::FacesDrawing(label->text(), label->font()).join(" + ");
        check(designed || faces == "Velunda Serif" || faces == "Velunda Sans" || faces == "Velunda Kai",
              label->objectName() + " \"" + label->text() + "\" is drawn in " + faces);
    }
    check(captions >= 24, QString("the menu shows %1 captions").arg(captions));
}

}  // namespace

int main(int argc, char* argv[]) {
    const int code = velunda::ui::RunProgram(argc, argv, [](velunda::ui::MainMenu& menu, velunda::ui::WindowCatalog&) {
        QTimer::singleShot(0, &menu, [&menu] {
            checkMenu(menu);
            QApplication::exit(failures == 0 ? 0 : 1);
        });
    });
    std::printf("%s: %d failure(s)\n", failures == 0 ? "PASS" : "FAIL", failures);
    return code;
}
