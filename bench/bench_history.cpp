// Measures the drill history: how long recording an answer keeps the drill waiting
// (worst of 1000), how long the answers take to reach the disk, and how long the history
// window takes to open over 100 000 answers, the file opened afresh each time.
//   bench_history [answers]       (offscreen or under a display)
// Prints one tab-separated line per measure, times in milliseconds:
//   record <median> <worst>; disk <per answer>; answers <count>;
//   parts <opening the file> <daily table> <facts>; open <median> <worst>
#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "drills/historysample.h"
#include "drills/historystore.h"
#include "drills/historywindow.h"
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

}  // namespace

int main(int argc, char** argv) {
    ui::AddProgramFonts();
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir dir;
    RecordingAnAnswer(dir.filePath("record.sqlite"));
    OpeningTheWindow(dir.filePath("history.sqlite"), count);
    return 0;
}
