// The conversions every computation goes through, against plain references built on
// the C library (snprintf "%.14E" for writing, strtod for reading), and every window's
// computation run as a window runs it, over a fake Form.
//
// Before timing, the program checks that each conversion and its reference give the
// same result for every value of the mixed set, and stops if one differs.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "exampleform.h"
#include "numeric/numbertext.h"
#include "support/fakeform.h"

using namespace velunda;

namespace {

// The references. ---------------------------------------------------------------

// 15 significant digits by way of "%.14E", then the same layout rules: fixed notation
// for decimal exponents from -4 to 14, no trailing zeros, no "0" before the point.
std::string RefNumberText(double x) {
    if (!std::isfinite(x)) throw ComputationFault("not a finite number");
    if (x == 0) return "0";
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14E", std::fabs(x));
    std::string digits;
    digits.push_back(buffer[0]);
    digits.append(buffer + 2, 14);
    const int e = std::atoi(buffer + 17);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    std::string out = x < 0 ? "-" : "";
    if (e < -4 || e >= 15) {
        out += digits[0];
        if (digits.size() > 1) out += "." + digits.substr(1);
        char exponent[16];
        std::snprintf(exponent, sizeof exponent, "E%c%02d", e < 0 ? '-' : '+', std::abs(e));
        out += exponent;
    } else if (e >= 0) {
        const std::size_t whole = std::size_t(e) + 1;
        if (digits.size() <= whole)
            out += digits + std::string(whole - digits.size(), '0');
        else
            out += digits.substr(0, whole) + "." + digits.substr(whole);
    } else {
        out += "." + std::string(std::size_t(-e - 1), '0') + digits;
    }
    return out;
}

std::string RefSignedNumberText(double x) {
    std::string text = RefNumberText(x);
    return x < 0 ? text : " " + text;
}

// Blanks removed, D read as E, then strtod; whatever strtod does not read is ignored.
double RefParseNumber(std::string_view text) {
    char buffer[128];
    std::size_t n = 0;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n') continue;
        if (n + 1 == sizeof buffer) break;
        buffer[n++] = c == 'D' || c == 'd' ? 'E' : c;
    }
    buffer[n] = '\0';
    return std::strtod(buffer, nullptr);
}

// Leading and trailing blanks and the commas between digits removed, then strtod,
// which must read every remaining character.
double RefStrictNumber(std::string_view text) {
    char buffer[128];
    std::size_t n = 0;
    std::size_t begin = text.find_first_not_of(" \t"), end = text.find_last_not_of(" \t");
    if (begin == std::string_view::npos) throw ComputationFault("not a number");
    for (std::size_t i = begin; i <= end && n + 1 < sizeof buffer; ++i)
        if (text[i] != ',') buffer[n++] = text[i];
    buffer[n] = '\0';
    char* stop = nullptr;
    const double v = std::strtod(buffer, &stop);
    if (stop == buffer || *stop != '\0' || !std::isfinite(v)) throw ComputationFault("not a number");
    return v;
}

// The mixed set: what the windows write and what pupils type. -----------------------

// clang-format off
const std::vector<double>& Values() {
    static const std::vector<double> values{
        20, 25, -3, 0.5, -0.5, 1.0 / 3, 2.0 / 3, 5 * std::sqrt(2.0), 123456789012345.0, 1e15, 1e-4, 1e-5,
        3.14 * 7 * 7, 2 * 3.14 * 12.5, std::sqrt(0.1), -2.5e-7, 6.02214076e23, 1.0 / 7, 180, 0.1 + 0.2,
        std::atan(1.0) * 4, 99999.99999999999, 12.5, 7.5e-300, 0,
    };
    return values;
}
// clang-format on

// clang-format off
const std::vector<std::string>& Texts() {
    static const std::vector<std::string> texts{
        "5", "12", " 12 ", "12.5", "-.5", "0.25", "3.5cm", "1e3", "1D3", "100000", "7.07106781186548",
        "-3", "153.86", "2.5E-07", "1E+15", "123456789012345", ".333333333333333", "6.28318530717959",
        "99", "0.001", "42.42", "3.14159265358979", "1,5", "", "1 2",
    };
    return texts;
}
// clang-format on

// Texts that StrictNumber accepts.
const std::vector<std::string>& StrictTexts() {
    static const std::vector<std::string> texts{
        "5",
        "12",
        " 12 ",
        "12.5",
        "-.5",
        "0.25",
        "1e3",
        "100000",
        "7.07106781186548",
        "-3",
        "153.86",
        "2.5E-07",
        "1E+15",
        "123456789012345",
        ".333333333333333",
        "1,000",
        "99",
        "0.001",
        "42.42",
        "3.14159265358979",
    };
    return texts;
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Every conversion gives what its reference gives, on every value of the set.
bool SameResults() {
    bool same = true;
    for (double x : Values()) {
        if (NumberText(x) != RefNumberText(x) || SignedNumberText(x) != RefSignedNumberText(x)) {
            std::fprintf(stderr, "NumberText(%.17g): \"%s\", reference \"%s\"\n", x, NumberText(x).c_str(),
                         RefNumberText(x).c_str());
            same = false;
        }
    }
    for (const std::string& t : Texts()) {
        if (!SameBits(ParseNumber(t), RefParseNumber(t))) {
            std::fprintf(stderr, "ParseNumber(\"%s\"): %.17g, reference %.17g\n", t.c_str(), ParseNumber(t),
                         RefParseNumber(t));
            same = false;
        }
    }
    for (const std::string& t : StrictTexts()) {
        if (!SameBits(StrictNumber(t), RefStrictNumber(t))) {
            std::fprintf(stderr, "StrictNumber(\"%s\"): %.17g, reference %.17g\n", t.c_str(), StrictNumber(t),
                         RefStrictNumber(t));
            same = false;
        }
    }
    return same;
}

// Conversions. ------------------------------------------------------------------

template <std::string (*Write)(double)>
void Writing(benchmark::State& state) {
    const auto& values = Values();
    for (auto _ : state)
        for (double x : values) benchmark::DoNotOptimize(Write(x));
    state.SetItemsProcessed(state.iterations() * std::int64_t(values.size()));
}

template <double (*Read)(std::string_view), const std::vector<std::string>& (*Set)()>
void Reading(benchmark::State& state) {
    const auto& texts = Set();
    for (auto _ : state)
        for (const std::string& t : texts) benchmark::DoNotOptimize(Read(t));
    state.SetItemsProcessed(state.iterations() * std::int64_t(texts.size()));
}

BENCHMARK(Writing<NumberText>)->Name("NumberText");
BENCHMARK(Writing<RefNumberText>)->Name("NumberText/reference");
BENCHMARK(Writing<SignedNumberText>)->Name("SignedNumberText");
BENCHMARK(Writing<RefSignedNumberText>)->Name("SignedNumberText/reference");
BENCHMARK(Reading<ParseNumber, Texts>)->Name("ParseNumber");
BENCHMARK(Reading<RefParseNumber, Texts>)->Name("ParseNumber/reference");
BENCHMARK(Reading<StrictNumber, StrictTexts>)->Name("StrictNumber");
BENCHMARK(Reading<RefStrictNumber, StrictTexts>)->Name("StrictNumber/reference");

// Computations. -----------------------------------------------------------------

struct ComputationCase {
    std::string name;  // window and trigger
    Computation run;
    testing::FakeForm fields;  // the typed inputs
};

// One row per worked example of a computing window.
std::vector<ComputationCase> Computations() {
    std::vector<ComputationCase> cases;
    for (const examples::Example& e : examples::Examples()) {
        const Computation run = examples::ComputationOf(e.window, e.trigger);
        if (run == nullptr) continue;
        cases.push_back({std::string(e.window) + " " + std::string(e.trigger), run, examples::FormOf(e)});
    }
    return cases;
}

void RunComputationOnce(benchmark::State& state, const ComputationCase* c) {
    for (auto _ : state) {
        testing::FakeForm form = c->fields;
        benchmark::DoNotOptimize(form.run(c->run));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (!SameResults()) {
        std::fprintf(stderr, "the conversions and their references disagree\n");
        return 1;
    }
    std::fprintf(stderr, "every conversion gives its reference's result on the mixed set\n");
    // Each row computes a real answer: no message, no fault.
    static const std::vector<ComputationCase> computations = Computations();
    for (const ComputationCase& c : computations) {
        testing::FakeForm form = c.fields;
        if (!form.run(c.run) || !form.messages.empty() || form.writes.empty()) {
            std::fprintf(stderr, "computation %s does not give an answer: %s\n", c.name.c_str(), form.shown().c_str());
            return 1;
        }
    }
    for (const ComputationCase& c : computations)
        benchmark::RegisterBenchmark((std::string("computation/") + c.name).c_str(), RunComputationOnce, &c);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
