// Measures the drills and their history: how long recording an answer keeps the drill
// waiting (worst of 1000), how long the answers take to reach the disk, how long the
// history window takes to open over 100 000 answers (the file opened afresh each time),
// how long today's practice takes to build from them, how long the practice window takes
// from Enter to the next problem (1000 answers), and how long a 4-page sheet takes to
// become a PDF.
//   bench_history [answers]       (offscreen or under a display)
// Prints one tab-separated line per measure, times in milliseconds:
//   record <median> <worst>; disk <per answer>; answers <count>;
//   parts <opening the file> <daily table> <facts>; open <median> <worst>;
//   today <median> <worst>; next <median> <worst>; sheet <median> <worst>
#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "drills/drillwindow.h"
#include "drills/historysample.h"
#include "drills/historystore.h"
#include "drills/historywindow.h"
#include "drills/sheet.h"
#include "drills/sheetpdf.h"
#include "ui/fonts.h"

using namespace velunda;

namespace {

double Milliseconds(qint64 nanoseconds) { return nanoseconds / 1e6; }

void RecordingAnAnswer(const QString& file) {
    HistoryStore store(file);
    const auto session = store.beginSession("frm22", false, QDateTime::currentMSecsSinceEpoch());
    store.flush();  // the file opened, as after the first answer of a drill
    std::vector<qint64> waits;
    QElapsedTimer total;
    total.start();
    for (int i = 0; i < 1000; ++i) {
        const AnswerRecord answer{
            QDateTime::currentMSecsSinceEpoch(), "frm22", {Operation::Multiplication, 7, 8}, "56", true, 2.5};
        QElapsedTimer wait;
        wait.start();
        store.recordAnswer(session, answer);
        waits.push_back(wait.nsecsElapsed());
    }
    store.flush();
    const qint64 written = total.nsecsElapsed();
    const auto worst = std::max_element(waits.begin(), waits.end());
    std::fprintf(stderr, "worst wait: answer %d of 1000\n", int(worst - waits.begin()) + 1);
    std::sort(waits.begin(), waits.end());
    std::printf("record\t%.4f\t%.4f\n", Milliseconds(waits[500]), Milliseconds(waits.back()));
    std::printf("disk\t%.2f\n", Milliseconds(written) / 1000);
}

void OpeningTheWindow(const QString& file, int count) {
    {
        HistoryStore store(file);
        QElapsedTimer t;
        t.start();
        store.importAnswers(SampleHistory(QDateTime::currentMSecsSinceEpoch(), 365, count / 310));
        store.flush();
        std::printf("answers\t%zu\n", store.answers().size());
    }
    {
        // Where the time goes: opening the file, then each of the two reads.
        HistoryStore store(file);
        QElapsedTimer t;
        t.start();
        store.schemaVersion();
        const qint64 opened = t.nsecsElapsed();
        store.dayStats();
        const qint64 days = t.nsecsElapsed();
        store.facts();
        const qint64 facts = t.nsecsElapsed();
        std::printf("parts\t%.1f\t%.1f\t%.1f\n", Milliseconds(opened), Milliseconds(days - opened),
                    Milliseconds(facts - days));
    }
    std::vector<qint64> times;
    for (int run = 0; run < 7; ++run) {
        QElapsedTimer t;
        t.start();
        HistoryStore store(file);
        ui::HistoryWindow window(store);
        window.show();
        window.grab();  // painted once, then filled in as the store answers
        while (window.reading()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        window.grab();
        times.push_back(t.nsecsElapsed());
        window.close();
        QApplication::processEvents();
    }
    std::sort(times.begin(), times.end());
    std::printf("open\t%.1f\t%.1f\n", Milliseconds(times[3]), Milliseconds(times.back()));
}

void PrintTimes(const char* name, std::vector<qint64> times) {
    std::sort(times.begin(), times.end());
    std::printf("%s\t%.3f\t%.3f\n", name, Milliseconds(times[times.size() / 2]), Milliseconds(times.back()));
}

// Today's practice from the facts of the file: read, then chosen.
void BuildingToday(const QString& file) {
    std::vector<qint64> times;
    for (int run = 0; run < 7; ++run) {
        HistoryStore store(file);
        store.schemaVersion();  // the file opened, as the program has it by then
        QElapsedTimer t;
        t.start();
        const auto today = TodaysFacts(store.facts(), QDateTime::currentMSecsSinceEpoch());
        times.push_back(t.nsecsElapsed());
        if (today.size() > kProblemsPerPage) std::fprintf(stderr, "today: %zu facts\n", today.size());
    }
    PrintTimes("today", times);
}

// The practice window as the pupil answers: Enter, the answer counted and recorded, the
// strategy line, the next problem on show.
void NextProblem() {
    ui::DrillWindow window("frm22", QColor(0, 0, 255), true);
    window.show();
    QApplication::processEvents();
    QLineEdit* field = window.field("Text1");
    std::vector<qint64> times;
    for (int i = 0; i < 1000; ++i) {
        field->setText(i % 3 ? "0" : "7");  // now and then right, mostly wrong: the strategy line shows
        QApplication::processEvents();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, "\r");
        QElapsedTimer t;
        t.start();
        QApplication::sendEvent(field, &press);
        times.push_back(t.nsecsElapsed());
        QApplication::sendEvent(field, &release);
    }
    HistoryStore::Shared().flush();
    PrintTimes("next", times);
}

void SheetToPdf(const QString& folder) {
    const SheetPlan plan{SheetSet::Mixed, 4, 2026};
    std::vector<qint64> times;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer t;
        t.start();
        const QString fault = ui::WriteSheetPdf(folder + "/sheet.pdf", plan, SheetProblems(plan));
        times.push_back(t.nsecsElapsed());
        if (!fault.isEmpty()) std::fprintf(stderr, "%s\n", qPrintable(fault));
    }
    PrintTimes("sheet", times);
}

}  // namespace

int main(int argc, char** argv) {
    // The practice window keeps its history in a folder of this run, never the user's.
    QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath("data")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
    ui::AddProgramFonts();
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    RecordingAnAnswer(dir.filePath("record.sqlite"));
    OpeningTheWindow(dir.filePath("history.sqlite"), count);
    BuildingToday(dir.filePath("history.sqlite"));
    NextProblem();
    SheetToPdf(dir.path());
    return 0;
}
