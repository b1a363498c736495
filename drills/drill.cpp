#include "drills/drill.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <utility>

#include "numeric/numbertext.h"

namespace velunda {

TimeOfDayRandom::TimeOfDayRandom() { Randomize(); }

double TimeOfDayRandom::Rnd() {
    // The top 24 bits of a 32-bit draw, as a fraction of 2^24.
    return double(engine_() >> 8) / 16777216.0;
}

void TimeOfDayRandom::Randomize() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    engine_.seed(
        static_cast<std::mt19937::result_type>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
}

std::int16_t DrawBelow(RandomSource& source, int n) {
    double r = source.Rnd();
    if (!(r >= 0 && r < 1)) r = 0;
    return static_cast<std::int16_t>(std::floor(r * n));
}

std::string_view OperatorText(Operation op) {
    switch (op) {
        case Operation::Addition:
            return "+";
        case Operation::Subtraction:
            return "-";
        case Operation::Multiplication:
            return "×";
        case Operation::Division:
            return "÷";
    }
    return "+";
}

int AnswerFieldLeft(Operation op) {
    switch (op) {
        case Operation::Addition:
        case Operation::Subtraction:
            return 3720;
        case Operation::Multiplication:
            return 3820;
        case Operation::Division:
            return 4080;
    }
    return 3720;
}

std::string Problem::text() const {
    return std::to_string(first) + std::string(OperatorText(operation)) + std::to_string(second) + "=";
}

double Problem::result() const {
    switch (operation) {
        case Operation::Addition:
            return double(first + second);
        case Operation::Subtraction:
            return double(first - second);
        case Operation::Multiplication:
            return double(first * second);
        case Operation::Division:
            return double(first) / double(second);
    }
    return 0;
}

Problem DrawProblem(Operation op, Occasion occasion, RandomSource& source) {
    Problem p;
    p.operation = op;
    const bool division = op == Operation::Division;
    p.first = DrawBelow(source, division && occasion == Occasion::AfterAnswer ? 100 : 10);
    p.second = DrawBelow(source, 10);
    if (op == Operation::Subtraction && p.first < p.second) std::swap(p.first, p.second);
    if (division) {
        if (p.second == 0) p.second = 2;
        if (p.first == 0) p.first = 3;
        if (p.first < p.second) std::swap(p.first, p.second);
        while (p.first % p.second != 0) ++p.first;  // at most 99 raised to 105
    }
    return p;
}

double RoundHalfEven(double x) {
    if (!std::isfinite(x)) return x;
    const double below = std::floor(x);
    const double fraction = x - below;
    if (fraction > 0.5) return below + 1;
    if (fraction < 0.5) return below;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

void Drill::ResetCounts() {
    right_ = 0;
    wrong_ = 0;
}

void Drill::Pose(Operation op, Occasion occasion) { problem_ = DrawProblem(op, occasion, source_); }

bool IsRightAnswer(const Problem& asked, std::string_view typed) {
    const double answer = RoundHalfEven(ParseNumber(typed));
    // Only an answer that fits 16 bits is compared at all; NaN fails the test too.
    if (!(answer >= -32768.0 && answer <= 32767.0)) return false;
    return double(static_cast<std::int16_t>(answer)) == asked.result();
}

bool Drill::Answer(std::string_view typed, Operation op) {
    Problem asked = problem_;
    asked.operation = op;
    const bool isRight = IsRightAnswer(asked, typed);
    std::int16_t& count = isRight ? right_ : wrong_;
    if (count < 32767) ++count;
    Pose(op, Occasion::AfterAnswer);
    return isRight;
}

std::string CountText(std::int16_t count) { return std::to_string(count); }

std::string TotalText(std::string_view wrongText, std::string_view rightText) {
    return NumberText(ParseNumber(wrongText) + ParseNumber(rightText));
}

std::string ClockText(long long seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

std::string SummaryText(std::string_view rightText, std::string_view totalText, std::string_view clockText) {
    const double right = ParseNumber(rightText);
    const double total = ParseNumber(totalText);
    const std::string accuracy = total == 0 ? "未检测" : NumberText(std::floor(right * 100 / total)) + "％";
    return "正 确 率 ：" + accuracy + "\r\n" + "用 时 ：" + std::string(clockText) + "\r\n" + "题 目 总 数 ：" +
           NumberText(total);
}

std::string TestLength::text() const {
    switch (kind) {
        case Kind::Problems:
            return std::to_string(count) + " 题";
        case Kind::Minutes:
            return std::to_string(count) + " 分钟";
        case Kind::None:
            break;
    }
    return "不限";
}

bool TestLength::reached(int answered, long long seconds) const {
    switch (kind) {
        case Kind::Problems:
            return answered >= count;
        case Kind::Minutes:
            return seconds >= 60LL * count;
        case Kind::None:
            break;
    }
    return false;
}

std::string TestLength::leftText(int answered, long long seconds) const {
    switch (kind) {
        case Kind::Problems:
            return "测试：还剩 " + std::to_string(std::max(0, count - answered)) + " 题";
        case Kind::Minutes: {
            const long long left = std::max(0LL, 60LL * count - seconds);
            const std::string secondsText = std::to_string(left % 60);
            return "测试：还剩 " + std::to_string(left / 60) + ":" + (left % 60 < 10 ? "0" : "") + secondsText;
        }
        case Kind::None:
            break;
    }
    return "测试：不限题数，关上窗口时结束";
}

}  // namespace velunda
