// Time to write a worked solution: the first one (which opens the engine module) and the
// worst of the next 1000, over the worked examples of every window that explains its
// computations and the hardest inputs found; then the time to draw a figure (sketch, layout and painting at the
// panel's size), worst of 1000 over the examples of every window with a figure. Prints
// one line per measure, in milliseconds.
//
// "bench_solutions one WINDOW TRIGGER [OPTION|FIELD=TEXT]…" prints the solution of that
// one computation and its worst processor time of 20.
#include <time.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "exact/exactnumber.h"
#include "exact/solutionbuilder.h"
#include "exact/workedsolution.h"
#include "exampleform.h"
#include "figure/painter.h"

using namespace velunda;

namespace {

// The processor time of this thread: on a busy machine the wall clock also counts the
// time other programs ran.
double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

struct Case {
    std::string name;  // window and trigger
    Explanation explain;
    testing::FakeForm form;
};

// The figures: each example's sketch made from its solution, laid out and painted into an
// image of the panel's figure, as the panel does after each computation.
int Figures(int argc, char** argv, const std::vector<Case>& cases) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    struct Drawn {
        ui::SketchMaker make;
        std::vector<FigureValue> values;
    };
    std::vector<Drawn> drawn;
    for (const Case& c : cases) {
        if (const ui::SketchMaker make = examples::SketchOf(c.name.substr(0, c.name.find(' '))))
            drawn.push_back({make, exact::Explain(c.explain, c.form).figure});
    }
    QImage image(400, 230, QImage::Format_ARGB32_Premultiplied);
    std::vector<double> cpuTimes;
    // The first figure also loads the label font (reported apart, as the first solution is).
    for (int i = -1; i < 1000; ++i) {
        const Drawn& d = drawn[static_cast<std::size_t>(std::max(i, 0)) % drawn.size()];
        const double cpu = CpuMs();
        image.fill(Qt::white);
        QPainter painter(&image);
        ui::PaintFigure(painter, d.make(d.values), image.rect(), i % 2 == 1);
        painter.end();
        cpuTimes.push_back(CpuMs() - cpu);
    }
    const double first = cpuTimes.front();
    cpuTimes.erase(cpuTimes.begin());
    std::sort(cpuTimes.begin(), cpuTimes.end());
    std::printf("first figure: processor %.2f ms\n", first);
    std::printf("worst of 1000 figures: processor %.2f ms, median %.3f ms (%zu examples)\n", cpuTimes.back(),
                cpuTimes[cpuTimes.size() / 2], drawn.size());
    return 0;
}

// Inputs that once took long or lost digits, timed with the worked examples: long
// decimals, digits that cancel, numbers far apart in size, many digits.
const std::vector<examples::Example>& Hardest() {
    static const std::string many = "0." + std::string(1500, '7');
    static const std::vector<examples::Example> hardest = {
        {"frm6", {}, {{"Text4", "0.142857142857143"}, {"Text5", "1e15"}}, "Command1"},
        {"frm11", {}, {{"Text4", "0.123456789012345"}}, "Text4"},
        {"frm11", {}, {{"Text4", many}}, "Text4"},
        {"frm15", {}, {{"Text4", "2.5"}, {"Text6", "1e-15"}}, "Command2"},
        {"frm16", {}, {{"Text1", "1e-200"}, {"Text2", "1"}, {"Text3", "1"}}, "Command2"},
        {"frm16", {}, {{"Text1", "0.123456789012345"}, {"Text2", many}, {"Text3", "-2.71828182845905"}}, "Command2"},
        {"frm18", {}, {{"Text2", "3.14159265358979"}}, "Command2"},
        {"frm18", {}, {{"Text5", "0.707106781186548"}}, "Command2"},
        {"frm18", {}, {{"Text7", many}}, "Command2"},
        {"frm21", {"Opt2"}, {{"Text3", "100"}, {"Text4", "2"}, {"Text6", "2"}}, "Command2"},
        {"frm21", {"Opt2"}, {{"Text2", "1"}, {"Text4", "1"}, {"Text5", "0.01"}}, "Command2"},
        {"frm17", {"opt1"}, {{"Text4", "3.14159265358979"}, {"Text1", "2.5"}}, "Command2"},
    };
    return hardest;
}

// One computation from the command line: its solution and its worst processor time.
int One(int argc, char** argv) {
    if (argc < 4) return 2;
    const Explanation explain = examples::ExplanationOf(argv[2], argv[3]);
    if (!explain) return 2;
    examples::Example e{argv[2], {}, {}, argv[3]};
    std::vector<std::string> texts(argv + 4, argv + argc);
    for (const std::string& t : texts) {
        const std::size_t eq = t.find('=');
        if (eq == std::string::npos)
            e.options.push_back(t);
        else
            e.typed.emplace_back(std::string_view(t).substr(0, eq), std::string_view(t).substr(eq + 1));
    }
    const testing::FakeForm form = examples::FormOf(e);
    double worst = 0;
    WorkedSolution s;
    for (int i = 0; i < 21; ++i) {
        const double cpu = CpuMs();
        s = exact::Explain(explain, form);
        if (i > 0) worst = std::max(worst, CpuMs() - cpu);  // the first also opens the engine
    }
    std::printf("%s\nworst of 20: processor %.2f ms\n", s.plain.c_str(), worst);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "one") return One(argc, argv);
    // "preloaded": the module is opened on its own thread first, as a window with its
    // panel shown does, and the first solution comes 200 ms later.
    const bool preloaded = argc > 1 && std::string(argv[1]) == "preloaded";
    if (preloaded) {
        exact::LoadEngineInBackground();
        timespec pause{0, 200'000'000};
        nanosleep(&pause, nullptr);
    }
    std::vector<Case> cases;
    for (const auto* list : {&examples::Examples(), &Hardest()})
        for (const examples::Example& e : *list)
            if (const Explanation explain = examples::ExplanationOf(e.window, e.trigger))
                cases.push_back({std::string(e.window) + " " + std::string(e.trigger), explain, examples::FormOf(e)});
    using Clock = std::chrono::steady_clock;
    auto ms = [](Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); };

    const auto start = Clock::now();
    const double startCpu = CpuMs();
    const WorkedSolution first = exact::Explain(cases[0].explain, cases[0].form);
    const double firstMs = ms(Clock::now() - start), firstCpu = CpuMs() - startCpu;

    std::vector<double> times, cpuTimes;
    std::vector<double> worstOfCase(cases.size());
    for (int i = 0; i < 1000; ++i) {
        const std::size_t k = static_cast<std::size_t>(i) % cases.size();
        const auto t = Clock::now();
        const double cpu = CpuMs();
        const WorkedSolution s = exact::Explain(cases[k].explain, cases[k].form);
        times.push_back(ms(Clock::now() - t));
        cpuTimes.push_back(CpuMs() - cpu);
        worstOfCase[k] = std::max(worstOfCase[k], times.back());
        if (s.plain.empty()) return 1;
    }
    std::sort(times.begin(), times.end());
    std::sort(cpuTimes.begin(), cpuTimes.end());
    for (std::size_t k = 0; k < cases.size(); ++k)
        std::printf("%s: worst %.3f ms\n", cases[k].name.c_str(), worstOfCase[k]);
    std::printf("first solution, %s: %.2f ms (processor %.2f ms, %zu characters)\n",
                preloaded ? "engine opened beforehand" : "opening the engine", firstMs, firstCpu, first.plain.size());
    std::printf("worst of 1000 solutions: %.2f ms (processor %.2f ms)\n", times.back(), cpuTimes.back());
    std::printf("99th percentile: %.3f ms, median %.3f ms\n", times[989], times[times.size() / 2]);
    return Figures(argc, argv, cases);
}
