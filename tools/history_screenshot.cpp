// A picture of the history window over a month of made-up history:
//   history-screenshot FILE.png
// Run it under a display, e.g. xvfb-run -a. The history lives in a temporary folder,
// never in the user's.
#include <QApplication>
#include <QDateTime>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>

#include "drills/historysample.h"
#include "drills/historystore.h"
#include "drills/historywindow.h"
#include "ui/fonts.h"

int main(int argc, char** argv) {
    velunda::ui::AddProgramFonts();
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    QTemporaryDir dir;
    velunda::HistoryStore store(dir.filePath("history.sqlite"));
    store.importAnswers(velunda::SampleHistory(QDateTime::currentMSecsSinceEpoch(), 30, 45));
    velunda::ui::HistoryWindow window(store);
    window.show();
    const QString file = QString::fromLocal8Bit(argv[1]);
    bool saved = false;
    QTimer::singleShot(500, &app, [&] {
        saved = window.grab().save(file);
        app.quit();
    });
    app.exec();
    return saved ? 0 : 1;
}
