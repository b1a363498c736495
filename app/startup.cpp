#include "app/startup.h"

#include <QApplication>
#include <QFontDatabase>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "app/fonts.h"
#include "app/frmmulu.h"
#include "app/windowcatalog.h"

namespace velunda::ui {
namespace {

// Set once the toolkit has its platform: from then on its font database can be read.
std::mutex platformMutex;
std::condition_variable platformCondition;
bool platformReady = false;

void PlatformReady() {
    {
        const std::lock_guard lock(platformMutex);
        platformReady = true;
    }
    platformCondition.notify_all();
}

// The fonts' share of the start, on a second processor: fontconfig's configuration (some
// thirty files of XML) and the program's own faces, then the toolkit's list of installed
// fonts, as soon as the toolkit has its platform. Meanwhile the main thread loads the
// platform plugin, connects to the display and finishes making the application object;
// the menu then finds every font looked up.
void ReadFonts() {
    AddProgramFonts();
    std::unique_lock lock(platformMutex);
    platformCondition.wait(lock, [] { return platformReady; });
    lock.unlock();
    QFontDatabase::families();
}

}  // namespace

int RunProgram(int argc, char* argv[], const std::function<void(frmmulu&, WindowCatalog&)>& started) {
    std::thread fonts(ReadFonts);
    // The application object calls its start-up routines right after it has made the
    // platform, before the rest of its set-up (input methods, theme, style).
    qAddPreRoutine(PlatformReady);
    QApplication app(argc, argv);
    PlatformReady();  // in case the routine was not called: the fonts are read now
    fonts.join();
    QApplication::setApplicationName("Velunda");
    WindowCatalog catalog;
    auto* menu = new frmmulu(catalog);
    menu->show();
    if (started) started(*menu, catalog);
    return QApplication::exec();
}

}  // namespace velunda::ui
