// Random actions on every window, as a pupil might do anything: nasty texts and any
// number in any field, Enter anywhere, every button and option in any order, the exit
// button too (the window is then opened again from the menu), every message accepted.
//
// After each action the program and its menu are alive, no field shows nan or inf
// that was not typed, and an action that showed the fault message changed no field.
//
// VELUNDA_FUZZ_SEED picks the seed (printed on failure), VELUNDA_FUZZ_ACTIONS the
// number of actions per window, VELUNDA_FUZZ_SECONDS the time each window is given
// (60 s unless set): a window stops taking actions when its time is up, well before the
// test framework's own limit for one row, and says how many it took.
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <random>

#include "robustness/everywindow.h"
#include "support/gui.h"
#include "ui/solutionpanel.h"
#include "ui/tryfirst.h"

using namespace velunda;
using namespace velunda::testing;

namespace {

const QStringList kNasty = {
    "0",
    "-0",
    "",
    "   ",
    "1e308",
    "-1e-320",
    "1e400",
    "-1e400",
    "nan",
    "NaN",
    "inf",
    "-Infinity",
    "abc",
    "1,5",
    "1.2.3",
    "１２．５",
    "－３",
    QString(100000, '9'),
    "三角形",
    "5cm",
    "0.0000001",
    "-1",
    "1e-300",
    "1E+15",
    "9.99999999999999E+307",
    "2",
    "3",
    "4",
    "5",
    "0.5",
    "+",
    "-",
    ".",
    "e5",
    "1d2",
    "\t7\t",
    "１ｅ４００",
};

QMap<QLineEdit*, QString> snapshot() {
    QMap<QLineEdit*, QString> texts;
    for (QWidget* top : QApplication::topLevelWidgets())
        for (QLineEdit* e : top->findChildren<QLineEdit*>()) texts.insert(e, e->text());
    return texts;
}

}  // namespace

class GuiFuzz : public QObject {
    Q_OBJECT

private slots:
    // Every window runs with its worked-solution panel shown, so that every action also
    // has its computation explained.
    void initTestCase() { ui::SolutionSetting::instance().setShown(true); }

    void everyWindow_data() { addEveryWindowRows(); }
    // And every solver window once more in try-first mode, its bar's buttons and levels
    // among the controls: exercises set, answers checked, hints and answers shown.
    void tryingFirst_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("window");
        for (const auto& e : ui::Windows())
            if (e.design && !e.design().answers.empty())
                QTest::newRow(e.name.data()) << QString::fromUtf8(e.menuEntry.data(), qsizetype(e.menuEntry.size()))
                                             << QString::fromUtf8(e.name.data(), qsizetype(e.name.size()));
    }
    void tryingFirst() {
        ui::TrySetting::instance().setOn(true);
        everyWindow();
        ui::TrySetting::instance().setOn(false);
    }

    void everyWindow() {
        QFETCH(QString, entry);
        QFETCH(QString, window);
        const unsigned seed = qEnvironmentVariableIsSet("VELUNDA_FUZZ_SEED")
                                  ? qEnvironmentVariableIntValue("VELUNDA_FUZZ_SEED")
                                  : unsigned(qHash(window));
        const int actions = qEnvironmentVariableIsSet("VELUNDA_FUZZ_ACTIONS")
                                ? qEnvironmentVariableIntValue("VELUNDA_FUZZ_ACTIONS")
                                : 1500;
        const int seconds = qEnvironmentVariableIsSet("VELUNDA_FUZZ_SECONDS")
                                ? qEnvironmentVariableIntValue("VELUNDA_FUZZ_SECONDS")
                                : 60;
        QElapsedTimer clock;
        clock.start();
        std::mt19937 random(seed);
        auto below = [&random](int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(random)); };

        MenuFixture app;
        MessageCatcher catcher;
        const std::string entryName = entry.toStdString(), windowName = window.toStdString();
        auto open = [&] {
            catcher.clear();
            return app.open<QWidget>(entryName.c_str(), windowName.c_str());
        };
        QPointer<QWidget> w = open();
        QVERIFY(w);
        int messages = 0, faults = 0, reopened = 0, taken = 0;

        for (int step = 0; step < actions && !clock.hasExpired(seconds * 1000LL); ++step, ++taken) {
            const QString where = QString("%1 seed %2 step %3").arg(window).arg(seed).arg(step);
            if (!w || !w->isVisible()) {
                QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                w = open();
                ++reopened;
                QVERIFY2(w && w->isVisible(), qPrintable(where + ": the entry no longer opens the window"));
            }
            const auto fields = w->findChildren<QLineEdit*>();
            const auto buttons = w->findChildren<QPushButton*>();
            const auto options = w->findChildren<QRadioButton*>();
            catcher.clear();
            const auto before = snapshot();
            QString action;
            bool computes = true;
            const int kind = below(10);
            if (kind < 4 && !fields.isEmpty()) {
                QLineEdit* f = fields[below(int(fields.size()))];
                QString text;
                switch (below(3)) {
                    case 0:
                        text = kNasty[below(int(kNasty.size()))];
                        break;
                    case 1:
                        text = QString::number(std::uniform_real_distribution<double>(-1e6, 1e6)(random), 'g', 17);
                        break;
                    default:
                        text = QString("%1e%2").arg(below(2000) - 1000).arg(below(700) - 350);
                        break;
                }
                action = "set " + f->objectName() + " to " + text.left(40);
                static const QRegularExpression typable("^[ -~]*$");
                if (text.size() < 12 && typable.match(text).hasMatch() && below(2)) {
                    f->clear();
                    QTest::keyClicks(f, text);
                } else {
                    f->setText(text);
                }
                computes = false;
            } else if (kind < 7 && !fields.isEmpty()) {
                QLineEdit* f = fields[below(int(fields.size()))];
                action = "Enter in " + f->objectName();
                QTest::keyClick(f, Qt::Key_Return);
            } else if (kind < 9 && !buttons.isEmpty()) {
                // Exit buttons are pressed now and then, so that most actions meet a
                // window whose fields hold what earlier actions left.
                QPushButton* b = buttons[below(int(buttons.size()))];
                const QString caption = b->text().remove(' ');
                if ((caption == "退出" || caption == "结束") && below(5) != 0) continue;
                // A button ending in "…" opens a file chooser, which waits for the pupil.
                if (caption.endsWith(QChar(0x2026))) continue;
                action = "click " + b->objectName();
                QTest::mouseClick(b, Qt::LeftButton);
            } else if (kind == 9 && below(8) == 0) {
                action = "close box";
                w->close();
            } else if (!options.isEmpty()) {
                QRadioButton* o = options[below(int(options.size()))];
                action = "choose " + o->objectName();
                QTest::mouseClick(o, Qt::LeftButton);
            } else {
                continue;
            }
            const QString context = where + ": " + action;
            QVERIFY2(app.menu && app.menu->isVisible(), qPrintable(context + ": the menu is gone"));

            const auto after = snapshot();
            bool fault = false;
            for (const ShownMessage& m : catcher.messages)
                if (m.text == QString::fromUtf8(kFaultMessage.data(), kFaultMessage.size())) fault = true;
            messages += int(catcher.messages.size());
            faults += fault;
            static const QRegularExpression bogus("nan|inf", QRegularExpression::CaseInsensitiveOption);
            for (auto it = after.cbegin(); it != after.cend(); ++it) {
                const auto old = before.find(it.key());
                if (old == before.end() || old.value() == it.value() || !computes) continue;
                QVERIFY2(!fault,
                         qPrintable(context + ": the fault message came with a change of " + it.key()->objectName()));
                QVERIFY2(!bogus.match(it.value()).hasMatch(),
                         qPrintable(context + ": " + it.key()->objectName() + " shows " + it.value().left(60)));
            }
        }
        qInfo("%s: %d of %d actions in %lld ms, %d messages, %d faults, reopened %d times", qPrintable(window), taken,
              actions, clock.elapsed(), messages, faults, reopened);
    }
};

QTEST_MAIN(GuiFuzz)
#include "tst_guifuzz.moc"
