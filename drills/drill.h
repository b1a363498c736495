// The mental-arithmetic drill without its window: problems of one-digit sums,
// differences, products and quotients, the answer check with its counts, the clock
// text and the test window's summary. Plain C++, so all of it runs without widgets.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

namespace velunda {

// Uniformly distributed fractions 0 <= r < 1. Tests hand in fixed draws.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double Rnd() = 0;
    // Seeds the source afresh from the time of day; fixed draws ignore it.
    virtual void Randomize() {}
};

// The source the windows use: a Mersenne twister giving 24-bit fractions, seeded from
// the clock each time a window opens.
class TimeOfDayRandom : public RandomSource {
public:
    TimeOfDayRandom();
    double Rnd() override;
    void Randomize() override;

private:
    std::mt19937 engine_;
};

// The integer part of r × n for the next fraction r: a draw below 10 gives 0 to 9.
// A fraction outside [0, 1) from a faulty source counts as 0.
std::int16_t DrawBelow(RandomSource& source, int n);

enum class Operation { Addition, Subtraction, Multiplication, Division };

// "+", "-", "×", "÷".
std::string_view OperatorText(Operation op);

// Where the answer field stands for the operation, in twips from the left, so that
// it follows the problem text closely.
int AnswerFieldLeft(Operation op);

// Division draws its dividend below 10 when an option is selected and below 100 after
// an answer; the other operations draw the same way on both occasions.
enum class Occasion { Selection, AfterAnswer };

struct Problem {
    Operation operation = Operation::Addition;
    std::int16_t first = 0;
    std::int16_t second = 0;

    // "7+2=", "8-3=", "56÷7=": operands as plain decimal text, no blanks.
    std::string text() const;
    // The exact result; a quotient in double precision.
    double result() const;
};

// Draws the first operand, then the second, then adjusts: a difference is never
// negative, a quotient is a whole number of at least 1 with a divisor of at least 1.
Problem DrawProblem(Operation op, Occasion occasion, RandomSource& source);

// Rounds to the nearest integer, a value exactly halfway going to the even one
// (2.5 gives 2, 3.5 gives 4). NaN stays NaN, infinities stay infinite.
double RoundHalfEven(double x);

// Whether the typed answer is the problem's result: the text read leniently and rounded
// half to even; an answer outside -32768 … 32767 is wrong.
bool IsRightAnswer(const Problem& asked, std::string_view typed);

// The problem on show and the counts of one opening of a drill window. Every value is a
// 16-bit integer; a count that reaches 32767 stays there.
class Drill {
public:
    explicit Drill(RandomSource& source) : source_(source) {}

    const Problem& problem() const { return problem_; }
    std::int16_t right() const { return right_; }
    std::int16_t wrong() const { return wrong_; }

    void ResetCounts();
    // Puts a fresh problem of that operation on show.
    void Pose(Operation op, Occasion occasion);
    // Checks the typed answer against the problem on show, computing it as op: the
    // text read leniently and rounded half to even; an answer outside -32768 … 32767
    // counts as wrong. Counts it, poses the next problem of op, returns whether right.
    bool Answer(std::string_view typed, Operation op);

private:
    RandomSource& source_;
    Problem problem_;
    std::int16_t right_ = 0;
    std::int16_t wrong_ = 0;
};

// A count as plain decimal text: "0", "1", "32767".
std::string CountText(std::int16_t count);

// The total label follows the count labels: the wrong count plus the right count, each
// read leniently from its label text, as plain decimal text.
std::string TotalText(std::string_view wrongText, std::string_view rightText);

// The elapsed time after that many ticks, as hours, minutes and seconds: "0:00:01",
// "0:01:00", "1:00:00". Hours go on counting past a day ("24:00:00").
std::string ClockText(long long seconds);

// The test window's summary from the texts of its right-count label, total label and
// clock: accuracy ("66％", or "未检测" before any answer), time used and number of
// problems, on three lines joined by CR LF.
std::string SummaryText(std::string_view rightText, std::string_view totalText, std::string_view clockText);

// The length of a test, chosen before it starts: a number of problems, a number of
// minutes, or none (the test goes on until its window closes).
struct TestLength {
    enum class Kind { None, Problems, Minutes } kind = Kind::None;
    int count = 0;

    // "20 题", "1 分钟", "不限".
    std::string text() const;
    // Whether the test has reached it after that many answers and seconds.
    bool reached(int answered, long long seconds) const;
    // What is left, for the label that says a test is running: "测试：还剩 19 题",
    // "测试：还剩 0:45", "测试：不限题数，关上窗口时结束".
    std::string leftText(int answered, long long seconds) const;
};

// The lengths a test offers, none first.
inline constexpr TestLength kTestLengths[] = {
    {},
    {TestLength::Kind::Problems, 20},
    {TestLength::Kind::Problems, 50},
    {TestLength::Kind::Problems, 100},
    {TestLength::Kind::Minutes, 1},
    {TestLength::Kind::Minutes, 2},
    {TestLength::Kind::Minutes, 5},
};

}  // namespace velunda
