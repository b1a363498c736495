#include "drills/historysample.h"

#include <algorithm>
#include <random>

namespace velunda {
namespace {

// The facts this pupil finds hard.
bool Hard(const Problem& p) {
    const auto is = [&](Operation op, int a, int b) {
        return p.operation == op && ((p.first == a && p.second == b) || (p.first == b && p.second == a));
    };
    return is(Operation::Multiplication, 7, 8) || is(Operation::Multiplication, 6, 7) ||
           is(Operation::Multiplication, 8, 9) ||
           (p.operation == Operation::Subtraction && p.first == 9 && p.second == 6) ||
           (p.operation == Operation::Division && p.first == 56 && p.second == 8);
}

class Draws : public RandomSource {
public:
    explicit Draws(std::mt19937& engine) : engine_(engine) {}
    double Rnd() override { return std::uniform_real_distribution<double>(0, 1)(engine_); }

private:
    std::mt19937& engine_;
};

}  // namespace

std::vector<AnswerRecord> SampleHistory(HistoryTime end, int days, int perDay, unsigned seed) {
    std::mt19937 engine(seed);
    Draws draws(engine);
    std::uniform_real_distribution<double> chance(0, 1);
    std::vector<AnswerRecord> answers;
    answers.reserve(std::size_t(days) * std::size_t(perDay));
    const HistoryTime lastMidnight = end - end % kMillisecondsPerDay;
    for (int day = 0; day < days; ++day) {
        if (chance(engine) < 0.15) continue;  // a day without practice
        const double progress = days > 1 ? double(day) / (days - 1) : 1;
        const HistoryTime evening = lastMidnight - HistoryTime(days - 1 - day) * kMillisecondsPerDay + 17 * 3600000LL;
        const int count = std::max(1, int(perDay * (0.6 + 0.8 * chance(engine))));
        const Operation op = Operation(std::uniform_int_distribution<int>(0, 3)(engine));
        // Today's practice is over by the end given.
        HistoryTime at = std::min(evening, end - HistoryTime(count) * 12000);
        for (int i = 0; i < count; ++i) {
            // Mostly one operation a day, now and then another.
            const Operation asked =
                chance(engine) < 0.7 ? op : Operation(std::uniform_int_distribution<int>(0, 3)(engine));
            const Problem p = DrawProblem(asked, Occasion::Selection, draws);
            const double miss = (Hard(p) ? 0.55 : 0.2) * (1 - 0.7 * progress);
            const bool right = chance(engine) >= miss;
            const double seconds =
                std::max(0.8, (6.5 - 3.5 * progress) * (Hard(p) ? 1.6 : 1.0) * (0.6 + 0.8 * chance(engine)));
            at += HistoryTime(seconds * 1000) + 400;
            const long long result = static_cast<long long>(p.result());
            answers.push_back({at, chance(engine) < 0.6 ? "frm22" : "frm23", p,
                               std::to_string(right ? result : result + (chance(engine) < 0.5 ? 1 : -1)), right,
                               double(int(seconds * 10)) / 10});
        }
    }
    return answers;
}

}  // namespace velunda
