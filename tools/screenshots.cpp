// Saves a picture of the menu and of every window into a folder:
//   velunda-screenshots DIR [window ...]
// Each window is opened from the catalog as its menu entry opens it, filled with a
// worked example the way a pupil fills it (keys typed into its fields, an option
// chosen, Enter or the compute button), and drawn as it then shows on screen.
// Run it under a display, e.g. xvfb-run -a; QT_SCALE_FACTOR=2 gives high-DPI pictures.
// "frm1.pdf" writes that window's worked sheet, figure and solution, as 导出为 PDF does;
// "help" the help window at the square window's page; "sheet.pdf" a printed 口算 sheet; "frm22-practice", "frm22-today"
// and "frm23-length" the drills' wrong-answer book, today's practice and a test with a length;
// "frm12-zoom" the square window at 200 %.
//   velunda-screenshots --soak ROUNDS
// is a school day instead: with the panels shown, every window opened, its example
// computed and the window closed, ROUNDS times over, in a settings and history folder
// of its own; it prints "round N <TAB> resident KB <TAB> peak KB" now and then.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

#include "app/mainmenu.h"
#include "app/windowcatalog.h"
#include "app/windowtable.h"
#include "drills/classreportwindow.h"
#include "drills/drillwindow.h"
#include "drills/historystore.h"
#include "drills/sheet.h"
#include "drills/sheetpdf.h"
#include "tools/examples.h"
#include "ui/designedwindow.h"
#include "ui/fonts.h"
#include "ui/help.h"
#include "ui/presentation.h"
#include "ui/solutionpanel.h"
#include "ui/style.h"
#include "ui/tryfirst.h"

namespace {

using velunda::ui::DesignedWindow;

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

using velunda::examples::Example;

void sendKey(QWidget* target, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

// Types the text key by key into the emptied field, as from the keyboard.
void typeInto(QLineEdit* field, const QString& text) {
    field->setFocus(Qt::OtherFocusReason);
    field->clear();
    for (QChar c : text) sendKey(field, c.toUpper().unicode(), QString(c));
}

void pressEnter(QLineEdit* field) { sendKey(field, Qt::Key_Return, "\r"); }

// The answer to a drill problem such as "7×8=", right or off by one.
QString DrillAnswer(const QString& problem, bool right) {
    static const QRegularExpression shape("^(\\d+)(.)(\\d+)=$");
    const QRegularExpressionMatch m = shape.match(problem);
    if (!m.hasMatch()) return "0";
    const int a = m.captured(1).toInt(), b = m.captured(3).toInt();
    const QString op = m.captured(2);
    int result = 0;
    if (op == "+")
        result = a + b;
    else if (op == "-")
        result = a - b;
    else if (op == "×")
        result = a * b;
    else if (b != 0)
        result = a / b;
    return QString::number(right ? result : result + 1);
}

// Fills the window with its example; false when a control of the example is missing.
bool Fill(DesignedWindow& w, const Example& e) {
    try {
        for (std::string_view o : e.options) w.option(o)->click();
        for (const auto& [field, text] : e.typed) typeInto(w.field(field), qs(text));
        if (!e.trigger.empty()) {
            QWidget* trigger = w.control(e.trigger);
            if (auto* field = qobject_cast<QLineEdit*>(trigger))
                pressEnter(field);
            else
                w.button(e.trigger)->click();
        }
        for (bool right : e.answers) {
            QLineEdit* answer = w.field("Text1");
            typeInto(answer, DrillAnswer(w.label("lbl1")->text(), right));
            pressEnter(answer);
        }
    } catch (const std::logic_error& fault) {
        qWarning("%s: %s", qPrintable(w.objectName()), fault.what());
        return false;
    }
    return true;
}

// An example is meant to show results, not a message: a message box is noted as a
// failure and closed at once, so that the run goes on.
class MessageCloser : public QObject {
    Q_OBJECT

public:
    MessageCloser() { qApp->installEventFilter(this); }
    int shown = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* box = qobject_cast<QMessageBox*>(watched)) {
                ++shown;
                qWarning("message shown: %s", qPrintable(box->text()));
                QTimer::singleShot(0, box, [box] { box->accept(); });
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

// "VmRSS" or "VmHWM" of this process, in KB.
long MemoryKb(const char* field) {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field)) return line.mid(int(std::strlen(field)) + 1).trimmed().split(' ')[0].toLong();
    return -1;
}

int Soak(int rounds) {
    MessageCloser messages;
    velunda::ui::SolutionSetting::instance().setShown(true);
    velunda::ui::WindowCatalog catalog;
    auto* menu = new velunda::ui::MainMenu(catalog);
    menu->show();
    for (int round = 1; round <= rounds; ++round) {
        for (const auto& e : velunda::ui::Windows()) {
            QWidget* w = catalog.open(e.name);
            if (!w) return 1;
            QApplication::processEvents();
            auto* calculator = qobject_cast<DesignedWindow*>(w);
            if (const Example* example = velunda::examples::ExampleFor(e.name); example && calculator)
                Fill(*calculator, *example);
            QApplication::processEvents();
            w->close();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QApplication::processEvents();
        }
        velunda::HistoryStore::Shared().flush();
        if (round == 1 || round % 25 == 0 || round == rounds) {
            std::printf("round %d\t%ld\t%ld\n", round, MemoryKb("VmRSS:"), MemoryKb("VmHWM:"));
            std::fflush(stdout);
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    // A soak keeps its settings and history in a folder of its own, never the user's.
    const bool soak = argc == 3 && std::strcmp(argv[1], "--soak") == 0;
    QTemporaryDir own;
    if (soak) {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(own.filePath("config")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(own.filePath("data")));
    }
    // The program's own faces, as at start-up.
    velunda::ui::AddProgramFonts();
    QApplication app(argc, argv);
    velunda::ui::InstallProgramStyle();
    if (soak) return Soak(std::atoi(argv[2]));
    if (argc < 2) {
        qWarning("usage: velunda-screenshots DIR [window ...]");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(dir.path());
    MessageCloser messages;
    velunda::ui::WindowCatalog catalog;
    auto* menu = new velunda::ui::MainMenu(catalog);
    menu->show();

    QStringList names;
    for (int i = 2; i < argc; ++i) names << QString::fromLocal8Bit(argv[i]);
    if (names.isEmpty()) {
        names << "frmmulu";
        for (const auto& e : velunda::ui::Windows()) names << qs(e.name);
        names << "help";
    }
    int failures = 0;
    for (const QString& name : names) {
        // "frm22-practice": the practice window going through the wrong-answer book that the
        // frm22 example before it filled.
        if (name == "frm22-practice") {
            auto* drill = qobject_cast<velunda::ui::DrillWindow*>(catalog.open("frm22"));
            if (!drill) {
                ++failures;
                continue;
            }
            velunda::HistoryStore::Shared().flush();
            drill->practiseWrongAnswers();
            velunda::HistoryStore::Shared().flush();
            QApplication::processEvents();
            if (!drill->grab().save(dir.filePath(name + ".png"))) ++failures;
            continue;
        }
        // "frm22-today": today's practice, over the history the frm22 example left.
        // "frm23-length": the test window with a length chosen, then its example.
        if (name == "frm22-today" || name == "frm23-length") {
            const bool today = name == "frm22-today";
            auto* drill = qobject_cast<velunda::ui::DrillWindow*>(catalog.open(today ? "frm22" : "frm23"));
            if (!drill) {
                ++failures;
                continue;
            }
            velunda::HistoryStore::Shared().flush();
            if (today) {
                drill->findChild<QPushButton*>("cmdToday")->click();
                velunda::HistoryStore::Shared().flush();
                QApplication::processEvents();
            } else if (auto* lengths = drill->findChild<QComboBox*>("cmbLength")) {
                const int twenty = lengths->findText("20 题");
                lengths->setCurrentIndex(twenty);
                emit lengths->activated(twenty);
                if (const Example* example = velunda::examples::ExampleFor("frm23")) Fill(*drill, *example);
            }
            QApplication::processEvents();
            if (!drill->grab().save(dir.filePath(name + ".png"))) ++failures;
            continue;
        }
        // "frm1-present": the three-sides window's example as F11 shows it at the
        // projector, four steps in, at 1280 × 800.
        if (name == "frm1-present") {
            auto* calculator = qobject_cast<DesignedWindow*>(catalog.open("frm1"));
            const Example* example = velunda::examples::ExampleFor("frm1");
            if (!calculator || !example || !Fill(*calculator, *example)) {
                ++failures;
                continue;
            }
            velunda::ui::PresentationView view(calculator->windowTitle(), calculator->solution(), calculator->figure());
            view.resize(1280, 800);
            view.show();
            for (int step = 1; step < 4; ++step) {
                QKeyEvent next(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
                QApplication::sendEvent(&view, &next);
            }
            QApplication::processEvents();
            if (!view.grab().save(dir.filePath(name + ".png"))) ++failures;
            continue;
        }
        // The square in try-first mode: a = 5 posed, the pupil's answers checked, one right,
        // one right but not in simplest form, one a named slip; and after two hints.
        if (name == "frm12-try" || name == "frm12-hint") {
            auto* square = qobject_cast<DesignedWindow*>(catalog.open("frm12"));
            if (!square || !square->tryFirst()) {
                ++failures;
                continue;
            }
            square->tryFirst()->setOn(true);
            typeInto(square->field("Text1"), "5");
            pressEnter(square->field("Text1"));
            if (name == "frm12-try") {
                typeInto(square->field("Text2"), "20");
                typeInto(square->field("Text3"), "20");
                typeInto(square->field("Text4"), "√50");
                pressEnter(square->field("Text4"));
            } else {
                square->tryFirst()->hint();
                square->tryFirst()->hint();
            }
            QApplication::processEvents();
            if (!square->grab().save(dir.filePath(name + ".png"))) ++failures;
            square->close();
            continue;
        }
        // "frm16-exercise": the window's own exercise at the second level, posed.
        if (name.endsWith("-exercise")) {
            auto* solver = qobject_cast<DesignedWindow*>(catalog.open(name.chopped(9).toStdString()));
            if (!solver || !solver->tryFirst()) {
                ++failures;
                continue;
            }
            solver->tryFirst()->setLevel(2);
            solver->tryFirst()->exercise();
            QApplication::processEvents();
            if (!solver->grab().save(dir.filePath(name + ".png"))) ++failures;
            solver->close();
            continue;
        }
        // "frm12-zoom": the square's example at 200 %, its solution panel beside it.
        if (name == "frm12-zoom") {
            auto* square = qobject_cast<DesignedWindow*>(catalog.open("frm12"));
            const Example* example = velunda::examples::ExampleFor("frm12");
            if (!square || !example) {
                ++failures;
                continue;
            }
            square->setZoom(200);
            if (!Fill(*square, *example)) ++failures;
            QApplication::processEvents();
            if (!square->grab().save(dir.filePath(name + ".png"))) ++failures;
            square->setZoom(100);
            square->close();
            continue;
        }
        // "help": the help window at the square window's page, as F1 there shows it.
        if (name == "help") {
            QWidget* help = velunda::ui::ShowHelp("frm12");
            QApplication::processEvents();
            if (!help->grab().save(dir.filePath(name + ".png"))) ++failures;
            continue;
        }
        // "class-report": the class report over the CSV files of four pupils, the one
        // wrong with 7 × 8 and 8 × 7 most often, each answer a few seconds apart.
        if (name == "class-report") {
            const std::pair<const char*, int> pupils[] = {{"王小明", 3}, {"李思雨", 1}, {"张子涵", 5}, {"陈浩", 2}};
            const velunda::Problem facts[] = {
                {velunda::Operation::Multiplication, 7, 8}, {velunda::Operation::Multiplication, 8, 7},
                {velunda::Operation::Multiplication, 6, 9}, {velunda::Operation::Addition, 8, 7},
                {velunda::Operation::Subtraction, 15, 8},   {velunda::Operation::Division, 56, 7}};
            QString told;
            for (const auto& [pupil, slowness] : pupils) {
                std::vector<velunda::AnswerRecord> answers;
                for (int i = 0; i < 24; ++i) {
                    const velunda::Problem& p = facts[(i * 5 + slowness) % 6];
                    // The products of 7 and 8 are missed about one time in two, the others one in ten.
                    const bool hard = p.operation == velunda::Operation::Multiplication && p.first + p.second == 15;
                    const bool right = (i * 7 + slowness * 3) % 10 >= (hard ? 5 : 1);
                    const auto result = static_cast<long long>(p.result());
                    answers.push_back(
                        {1796731200000LL + i * 7000LL, "frm23", p, std::to_string(right ? result : result + 1), right,
                         1.2 + slowness * 0.5 + (i % 4) * 0.6 + (hard ? 2.0 : 0.0), velunda::DrillMode::Test});
                }
                const std::string csv = velunda::AnswersCsv(answers, pupil, "三年级2班");
                told += velunda::HistoryStore::Shared().importClassFile(QString(pupil) + ".csv",
                                                                        QByteArray::fromStdString(csv));
            }
            if (!told.contains("导入了 24 道题")) qWarning("%s", qPrintable(told));
            velunda::ui::ClassReportWindow report(velunda::HistoryStore::Shared());
            report.resize(1000, 520);
            report.show();
            QApplication::processEvents();
            if (!report.grab().save(dir.filePath(name + ".png"))) ++failures;
            continue;
        }
        // "sheet.pdf": a one-page 口算 sheet of 20 以内进位加法 with its answers.
        if (name == "sheet.pdf") {
            const velunda::SheetPlan plan{velunda::SheetSet::CarryAddition, 1, 2026};
            const QString fault = velunda::ui::WriteSheetPdf(dir.filePath(name), plan, velunda::SheetProblems(plan));
            if (!fault.isEmpty()) {
                qWarning("%s", qPrintable(fault));
                ++failures;
            }
            continue;
        }
        const bool sheet = name.endsWith(".pdf");
        const QString window = sheet ? name.chopped(4) : name;
        QWidget* w = window == "frmmulu" ? menu : catalog.open(window.toStdString());
        if (!w) {
            qWarning("no window named %s", qPrintable(name));
            ++failures;
            continue;
        }
        // The history window fills in once the store has answered.
        velunda::HistoryStore::Shared().flush();
        QApplication::processEvents();
        auto* calculator = qobject_cast<DesignedWindow*>(w);
        if (const Example* example = velunda::examples::ExampleFor(window.toStdString())) {
            if (!calculator || !Fill(*calculator, *example)) ++failures;
            QApplication::processEvents();
        }
        if (sheet) {
            const QString fault = calculator
                                      ? velunda::ui::WriteSolutionPdf(dir.filePath(name), calculator->windowTitle(),
                                                                      calculator->solution(), calculator->figure())
                                      : "not a calculator window";
            if (!fault.isEmpty()) {
                qWarning("%s", qPrintable(fault));
                ++failures;
            }
            continue;
        }
        // Painted once, so that the history's table asks for its medians, which then arrive.
        w->grab();
        velunda::HistoryStore::Shared().flush();
        QApplication::processEvents();
        if (!w->grab().save(dir.filePath(name + ".png"))) ++failures;
    }
    return failures == 0 && messages.shown == 0 ? 0 : 1;
}

#include "screenshots.moc"
