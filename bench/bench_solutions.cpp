// Time to write a worked solution: the first one (which opens the engine module) and the
// worst of the next 1000, over the computations of the plane and solid windows with
// typical field texts. Prints one line per figure, in milliseconds.
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "exact/exactnumber.h"
#include "exact/workedsolution.h"
#include "solvers/algebra/linear.h"
#include "solvers/algebra/quadratic.h"
#include "solvers/algebra/trigonometry.h"
#include "solvers/plane/chord.h"
#include "solvers/plane/circle.h"
#include "solvers/plane/parallelogram.h"
#include "solvers/plane/rectangle.h"
#include "solvers/plane/square.h"
#include "solvers/plane/trapezoid.h"
#include "solvers/solid/cube.h"
#include "solvers/solid/cuboid.h"
#include "solvers/solid/cylinder.h"

using namespace velunda;

namespace {

// The processor time of this thread: on a busy machine the wall clock also counts the
// time other programs ran.
double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

class Fields : public Form {
public:
    // "Text1=5;Text5=3.14"
    explicit Fields(const std::string& fields, bool radians = false) : radians_(radians) {
        std::size_t from = 0;
        while (from < fields.size()) {
            std::size_t to = fields.find(';', from);
            if (to == std::string::npos) to = fields.size();
            const std::string pair = fields.substr(from, to - from);
            const std::size_t eq = pair.find('=');
            fields_[pair.substr(0, eq)] = pair.substr(eq + 1);
            from = to + 1;
        }
    }
    std::string text(std::string_view name) const override {
        auto it = fields_.find(name);
        return it == fields_.end() ? std::string() : it->second;
    }
    bool selected(std::string_view name) const override { return radians_ && name == "opt1"; }
    void write(std::string_view, std::string) override {}
    void ShowMessage(std::string_view, Icon, std::string_view) override {}

private:
    std::map<std::string, std::string, std::less<>> fields_;
    bool radians_;
};

struct Case {
    Explanation explain;
    Fields form;
};

}  // namespace

int main(int argc, char** argv) {
    // "preloaded": the module is opened on its own thread first, as a window with its
    // panel shown does, and the first solution comes 200 ms later.
    const bool preloaded = argc > 1 && std::string(argv[1]) == "preloaded";
    if (preloaded) {
        exact::LoadEngineInBackground();
        timespec pause{0, 200'000'000};
        nanosleep(&pause, nullptr);
    }
    const std::vector<Case> cases = {
        {ExplainSquareFromSide, Fields("Text1=5")},
        {ExplainSquareFromArea, Fields("Text3=50")},
        {ExplainRectangle, Fields("Text3=10;Text4=5")},
        {ExplainCircleFromArea, Fields("Text4=50;Text5=3.1415926")},
        {ExplainCircleFromRadius, Fields("Text1=5;Text5=3.14")},
        {ExplainChord, Fields("Text1=5;Text2=8")},
        {ExplainChord, Fields("Text1=7.3;Text4=1.2", true)},
        {ExplainTrapezoid, Fields("Text1=2;Text2=4;Text3=3")},
        {ExplainParallelogramArea, Fields("Text1=4;Text2=3")},
        {ExplainParallelogramPerimeter, Fields("Text1=3;Text3=16")},
        {ExplainParallelogramAngle, Fields("Text1=2;Text2=3;Text3=60")},
        {ExplainParallelogramAngle, Fields("Text1=2.7;Text2=3.1;Text4=5.5")},
        {ExplainCylinder, Fields("Text3=62.8;Text4=87.92")},
        {ExplainCylinder, Fields("Text6=5;Text4=87.92")},
        {ExplainCuboid, Fields("Text1=1.5;Text4=7;Text5=30")},
        {ExplainCubeFromVolume, Fields("Text4=45.7")},
        {ExplainQuadraticEquation, Fields("Text1=1;Text2=2.0000001;Text3=1.0000001")},
        {ExplainTwoLinearEquations, Fields("Text1=0.3;Text2=1.7;Text6=-3;Text3=2.9;Text4=-1;Text7=-4.1")},
        {ExplainThreeLinearEquations,
         Fields("Text1(2)=1.5;Text1(3)=1;Text1(4)=-5;Text1(5)=7;Text1(6)=1;Text1(8)=-3;Text1(9)=1.3;Text1(11)=1;"
                "Text1(12)=-4")},
        {ExplainAngleAndFunctions, Fields("Text1=15")},
        {ExplainAngleAndFunctions, Fields("Text5=0.3")},
    };
    using Clock = std::chrono::steady_clock;
    auto ms = [](Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); };

    const auto start = Clock::now();
    const double startCpu = CpuMs();
    const WorkedSolution first = cases[0].explain(cases[0].form);
    const double firstMs = ms(Clock::now() - start), firstCpu = CpuMs() - startCpu;

    std::vector<double> times, cpuTimes;
    std::vector<double> worstOfCase(cases.size());
    for (int i = 0; i < 1000; ++i) {
        const std::size_t k = static_cast<std::size_t>(i) % cases.size();
        const auto t = Clock::now();
        const double cpu = CpuMs();
        const WorkedSolution s = cases[k].explain(cases[k].form);
        times.push_back(ms(Clock::now() - t));
        cpuTimes.push_back(CpuMs() - cpu);
        worstOfCase[k] = std::max(worstOfCase[k], times.back());
        if (s.plain.empty()) return 1;
    }
    std::sort(times.begin(), times.end());
    std::sort(cpuTimes.begin(), cpuTimes.end());
    for (std::size_t k = 0; k < cases.size(); ++k) std::printf("case %zu: worst %.3f ms\n", k, worstOfCase[k]);
    std::printf("first solution, %s: %.2f ms (processor %.2f ms, %zu characters)\n",
                preloaded ? "engine opened beforehand" : "opening the engine", firstMs, firstCpu, first.plain.size());
    std::printf("worst of 1000 solutions: %.2f ms (processor %.2f ms)\n", times.back(), cpuTimes.back());
    std::printf("99th percentile: %.3f ms, median %.3f ms\n", times[989], times[times.size() / 2]);
    return 0;
}
