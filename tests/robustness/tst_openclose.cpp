// Every window opened from its menu entry and closed again a hundred times: each
// opening makes one window of its kind however often the entry is clicked, each
// closing destroys it, a window opened again draws with the palettes it drew with
// before (so the toolkit's pixmap names do not pile up), and in the build with
// AddressSanitizer the leak checker then finds no memory that nothing points to any
// more.
#include <QTest>

#include "robustness/everywindow.h"
#include "support/gui.h"
#include "ui/style.h"

#if defined(__SANITIZE_ADDRESS__)
#define VELUNDA_LEAK_CHECK 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELUNDA_LEAK_CHECK 1
#endif
#endif
#ifdef VELUNDA_LEAK_CHECK
#include <sanitizer/lsan_interface.h>
#endif

using namespace velunda;
using namespace velunda::testing;

namespace {

constexpr int kRounds = 100;

// The top-level windows of that kind that are still there, visible or not.
int windowsNamed(const QString& name) {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name) ++n;
    return n;
}

}  // namespace

class OpenCloseTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        style_ = new ui::SteadyPaletteStyle;
        QApplication::setStyle(style_);
    }

    void hundredTimes_data() { addEveryWindowRows(); }

    void hundredTimes() {
        QFETCH(QString, entry);
        QFETCH(QString, window);
        MenuFixture app;
        MessageCatcher summaries;  // the test window shows its summary as it closes
        std::size_t palettes = 0;
        for (int round = 0; round < kRounds; ++round) {
            QWidget* first = app.open<QWidget>(qPrintable(entry), qPrintable(window));
            QWidget* again = app.open<QWidget>(qPrintable(entry), qPrintable(window));
            QVERIFY(first && first->isVisible());
            QCOMPARE(again, first);
            QCOMPARE(windowsNamed(window), 1);
            // Painted twice to learn its palettes; the third time adds none.
            if (round < 3) first->grab();
            if (round == 1) palettes = style_->kept();
            if (round == 2) QCOMPARE(style_->kept(), palettes);
            QPointer<QWidget> closing = first;
            first->close();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY2(!closing, qPrintable(QString("round %1: the closed window still exists").arg(round)));
            QCOMPARE(windowsNamed(window), 0);
        }
        QVERIFY(app.menu && app.menu->isVisible());
    }

    // Runs after every window has been opened and closed a hundred times.
    void nothingLeaked() {
#ifdef VELUNDA_LEAK_CHECK
        QCOMPARE(__lsan_do_recoverable_leak_check(), 0);
#else
        QSKIP("the leak checker comes with the AddressSanitizer build");
#endif
    }

private:
    ui::SteadyPaletteStyle* style_ = nullptr;  // the application's
};

QTEST_MAIN(OpenCloseTest)
#include "tst_openclose.moc"
