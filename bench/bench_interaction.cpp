// What the pupil feels at the keyboard: from the Return key or the click on "计  算" to
// the updated field texts, and on to the repainted window. Velunda starts as the
// program does, each window is opened from its menu entry, and every trigger is timed
// 1000 times with a different input each time. Prints one line per row:
//   window <TAB> trigger <TAB> median µs <TAB> worst µs <TAB> painted median <TAB> painted worst
// or "not built yet" in place of the numbers when the window is not registered.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "app/mainmenu.h"
#include "app/startup.h"
#include "app/windowcatalog.h"
#include "app/windowtable.h"
#include "bench/firstpaint.h"
#include "ui/designedwindow.h"
#include "ui/tryfirst.h"

using namespace velunda;

namespace {

constexpr int kRuns = 1000;

struct Interaction {
    const char* window;
    const char* trigger;              // a field: the Return key in it; a button: a click on it
    std::vector<const char*> inputs;  // fields filled before each run; the first varies
    const char* result;               // a field the computation writes
};

// One row per trigger; adding a window is one more row.
const Interaction kInteractions[] = {
    {"frm12", "Text1", {"Text1"}, "Text2"},                     // square: side, Return
    {"frm15", "Command2", {"Text1", "Text6"}, "Text5"},         // cylinder: radius and height, 计  算
    {"frm1", "Command2", {"Text1", "Text2", "Text3"}, "txt2"},  // triangle: three sides, 计  算
};

std::string_view entryOf(std::string_view window) {
    for (const auto& e : ui::Windows())
        if (e.name == window) return e.menuEntry;
    return {};
}

double micros(std::int64_t nanos) { return double(nanos) / 1000.0; }

struct Stats {
    double median, worst;
};

Stats summarize(std::vector<std::int64_t> v) {
    std::sort(v.begin(), v.end());
    return {micros(v[v.size() / 2]), micros(v.back())};
}

void measure(const Interaction& row, ui::MainMenu& menu, ui::WindowCatalog& catalog) {
    QWidget* entry = menu.control(entryOf(row.window));
    QTest::mouseClick(entry, Qt::LeftButton, {}, entry->rect().center());
    auto* window = qobject_cast<ui::DesignedWindow*>(catalog.find(row.window));
    if (!window) {
        std::printf("%s\t%s\tnot opened\n", row.window, row.trigger);
        return;
    }
    // The pupil types once the window shows.
    if (!QTest::qWaitForWindowExposed(window)) std::fprintf(stderr, "%s did not show\n", row.window);
    QApplication::processEvents();
    QLineEdit* result = window->field(row.result);
    QWidget* trigger = window->control(row.trigger);
    auto* field = qobject_cast<QLineEdit*>(trigger);
    auto* button = qobject_cast<QPushButton*>(trigger);
    if (field) field->setFocus();

    std::vector<std::int64_t> texts, painted;
    for (int i = 0; i < kRuns; ++i) {
        // A fresh input each run: sides from 3 to 99, the others 4 and 5 so that every
        // triangle closes.
        for (std::size_t k = 0; k < row.inputs.size(); ++k)
            window->field(row.inputs[k])->setText(QString::number(k == 0 ? 3 + i % 97 : 4 + k + (i % 97) / 2));
        result->clear();
        QApplication::processEvents();
        // Keys come at a pupil's pace: each one finds the program idle, as a real key
        // does, rather than at the end of a time slice of a busy loop.
        std::this_thread::sleep_for(std::chrono::milliseconds(2));

        const std::int64_t start = bench::MonotonicNanos();
        if (field)
            QTest::keyClick(field, Qt::Key_Return);
        else
            QTest::mouseClick(button, Qt::LeftButton);
        const std::int64_t written = bench::MonotonicNanos();
        window->repaint();
        const std::int64_t shown = bench::MonotonicNanos();
        if (result->text().isEmpty()) {
            std::fprintf(stderr, "%s: %s wrote nothing into %s\n", row.window, row.trigger, row.result);
            std::exit(1);
        }
        if (std::getenv("VELUNDA_BENCH_TRACE") && written - start > 1'000'000)
            std::fprintf(stderr, "run %d: %.1f µs\n", i, micros(written - start));
        texts.push_back(written - start);
        painted.push_back(shown - start);
    }
    const Stats t = summarize(texts), p = summarize(painted);
    std::printf("%s\t%s\t%.1f\t%.1f\t%.1f\t%.1f\n", row.window, row.trigger, t.median, t.worst, p.median, p.worst);
    std::fflush(stdout);
    window->close();
}

// Try-first mode: the exercise posed by the trigger, the pupil's answers typed, then timed
// from the Return key in an answer to every answer judged and marked.
void measureCheck(const Interaction& row, ui::MainMenu& menu, ui::WindowCatalog& catalog) {
    // The window closed after its timings goes first: this one opens afresh, its fields empty.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QWidget* entry = menu.control(entryOf(row.window));
    QTest::mouseClick(entry, Qt::LeftButton, {}, entry->rect().center());
    auto* window = qobject_cast<ui::DesignedWindow*>(catalog.find(row.window));
    if (!window || !window->tryFirst()) {
        std::printf("%s\tcheck\tnot opened\n", row.window);
        return;
    }
    if (!QTest::qWaitForWindowExposed(window)) std::fprintf(stderr, "%s did not show\n", row.window);
    ui::TryFirst& tryFirst = *window->tryFirst();
    tryFirst.setOn(true);
    QWidget* trigger = window->control(row.trigger);
    std::vector<std::int64_t> checked, painted;
    for (int i = 0; i < kRuns; ++i) {
        // 清零 between exercises: the lock left, every field empty.
        tryFirst.reset();
        for (QLineEdit* f : window->findChildren<QLineEdit*>()) f->clear();
        for (std::size_t k = 0; k < row.inputs.size(); ++k)
            window->field(row.inputs[k])->setText(QString::number(k == 0 ? 3 + i % 97 : 4 + k + (i % 97) / 2));
        if (auto* field = qobject_cast<QLineEdit*>(trigger))
            QTest::keyClick(field, Qt::Key_Return);
        else
            QTest::mouseClick(qobject_cast<QPushButton*>(trigger), Qt::LeftButton);
        const std::vector<QLineEdit*> answers = tryFirst.answerFields();
        if (answers.empty()) {
            std::fprintf(stderr, "%s: %s posed nothing\n", row.window, row.trigger);

            std::exit(1);
        }
        // Some right, some a slip, some wrong: "5√2", "(1+√5)/2" and a decimal in turn.
        const char* typed[] = {"5√2", "(1+√5)/2", "12.5", "25π"};
        for (std::size_t k = 0; k < answers.size(); ++k) answers[k]->setText(typed[(k + std::size_t(i)) % 4]);
        QApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        const std::int64_t start = bench::MonotonicNanos();
        QTest::keyClick(answers.front(), Qt::Key_Return);
        const std::int64_t judged = bench::MonotonicNanos();
        window->repaint();
        const std::int64_t shown = bench::MonotonicNanos();
        if (tryFirst.verdicts().empty()) {
            std::fprintf(stderr, "%s: nothing was judged\n", row.window);
            std::exit(1);
        }
        checked.push_back(judged - start);
        painted.push_back(shown - start);
    }
    const Stats t = summarize(checked), p = summarize(painted);
    std::printf("%s\tcheck\t%.1f\t%.1f\t%.1f\t%.1f\n", row.window, t.median, t.worst, p.median, p.worst);
    std::fflush(stdout);
    tryFirst.setOn(false);
    window->close();
}

}  // namespace

int main(int argc, char* argv[]) {
    return ui::RunProgram(argc, argv, [](ui::MainMenu& menu, ui::WindowCatalog& catalog) {
        QTimer::singleShot(0, &menu, [&menu, &catalog] {
            for (const Interaction& row : kInteractions) measure(row, menu, catalog);
            for (const Interaction& row : kInteractions) measureCheck(row, menu, catalog);
            QApplication::quit();
        });
    });
}
