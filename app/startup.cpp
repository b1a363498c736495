#include "app/startup.h"

#include <QApplication>
#include <QFontDatabase>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "app/mainmenu.h"
#include "app/translations.h"
#include "app/windowcatalog.h"
#include "ui/fonts.h"
#include "ui/style.h"

namespace velunda::ui {
namespace {

// The fonts' share of the start, on a second processor: fontconfig's configuration (some
// thirty files of XML) and the program's own faces, then the toolkit's list of installed
// fonts, as soon as the toolkit has its platform. Meanwhile the main thread loads the
// platform plugin, connects to the display and finishes making the application object;
// the menu then finds every font looked up.
//
// It relies on one behaviour of the toolkit: QCoreApplication calls the routines given
// to qAddPreRoutine from its constructor right after the platform integration exists
// (QGuiApplicationPrivate::createPlatformIntegration, before input methods, theme and
// style), and from then on QFontDatabase may be read from another thread. A routine is
// a plain function, so the one reader of a start lives where the routine can find it.
class FontReader {
public:
    FontReader() : thread_([this] { read(); }) {
        current_ = this;
        qAddPreRoutine(&FontReader::PlatformMade);
    }
    ~FontReader() { current_ = nullptr; }

    // Waits for the reading; called once the application object exists.
    void finish() {
        platformMade();  // in case the routine was not called: the fonts are read now
        thread_.join();
    }

private:
    static void PlatformMade() {
        if (current_) current_->platformMade();
    }
    void platformMade() {
        {
            const std::lock_guard lock(mutex_);
            platformReady_ = true;
        }
        condition_.notify_all();
    }
    void read() {
        AddProgramFonts();
        std::unique_lock lock(mutex_);
        condition_.wait(lock, [this] { return platformReady_; });
        lock.unlock();
        QFontDatabase::families();
    }

    static inline FontReader* current_ = nullptr;
    std::mutex mutex_;
    std::condition_variable condition_;
    bool platformReady_ = false;
    std::jthread thread_;  // last: it starts once the members it uses exist
};

}  // namespace

int RunProgram(int argc, char* argv[], const std::function<void(MainMenu&, WindowCatalog&)>& started) {
    FontReader fonts;
    QApplication app(argc, argv);
    InstallProgramStyle();
    fonts.finish();
    InstallChineseTranslations(app);
    QApplication::setApplicationName("Velunda");
    WindowCatalog catalog;
    auto* menu = new MainMenu(catalog);
    menu->show();
    if (started) started(*menu, catalog);
    return QApplication::exec();
}

}  // namespace velunda::ui
