#include "drills/sheet.h"

#include <algorithm>
#include <cctype>
#include <random>

namespace velunda {
namespace {

// Crockford's base 32: no I, L, O or U.
constexpr std::string_view kDigits = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr int kCodeLength = 7;  // 35 bits: set, pages, seed

int Below(std::mt19937& engine, int n) { return int(engine() % std::uint32_t(n)); }

Problem Draw(SheetSet set, std::mt19937& engine) {
    using Op = Operation;
    auto p = [](Op op, int a, int b) { return Problem{op, std::int16_t(a), std::int16_t(b)}; };
    switch (set) {
        case SheetSet::Addition:
            return p(Op::Addition, Below(engine, 10), Below(engine, 10));
        case SheetSet::Subtraction: {
            const int a = Below(engine, 10), b = Below(engine, 10);
            return p(Op::Subtraction, std::max(a, b), std::min(a, b));
        }
        case SheetSet::Multiplication:
            return p(Op::Multiplication, 1 + Below(engine, 9), 1 + Below(engine, 9));
        case SheetSet::Division: {
            const int divisor = 1 + Below(engine, 9), quotient = 1 + Below(engine, 9);
            return p(Op::Division, divisor * quotient, divisor);
        }
        case SheetSet::CarryAddition: {
            const int a = 2 + Below(engine, 8);  // 2 to 9, and b so that the sum passes 10
            const int b = 11 - a + Below(engine, a - 1);
            return p(Op::Addition, a, b);
        }
        case SheetSet::BorrowSubtraction: {
            const int a = 11 + Below(engine, 8);  // 11 to 18
            const int ones = a - 10;
            const int b = ones + 1 + Below(engine, 9 - ones);  // more than its ones, at most 9
            return p(Op::Subtraction, a, b);
        }
        case SheetSet::Mixed:
        case SheetSet::DueAndWeak:
            break;
    }
    static constexpr SheetSet kFour[] = {SheetSet::Addition, SheetSet::Subtraction, SheetSet::Multiplication,
                                         SheetSet::Division};
    return Draw(kFour[Below(engine, 4)], engine);
}

int CheckDigit(std::string_view digits) {
    int sum = 0;
    for (std::size_t i = 0; i < digits.size(); ++i) sum += int(kDigits.find(digits[i])) * int(i + 1);
    return sum % 32;
}

}  // namespace

std::string SheetSetName(SheetSet set) {
    static const char* const names[] = {"加法",
                                        "减法",
                                        "乘法（表内）",
                                        "除法（表内）",
                                        "四则混合",
                                        "20 以内进位加法",
                                        "20 以内退位减法",
                                        "错题和该复习的题"};
    return names[int(set)];
}

std::vector<Problem> SheetProblems(const SheetPlan& plan, const std::vector<Problem>& ownFacts) {
    std::mt19937 engine(plan.seed);
    std::vector<Problem> problems;
    const int count = kProblemsPerPage * std::clamp(plan.pages, 1, kMaxSheetPages);
    if (plan.set == SheetSet::DueAndWeak && ownFacts.empty()) return problems;
    while (int(problems.size()) < count) {
        const Problem next =
            plan.set == SheetSet::DueAndWeak ? ownFacts[Below(engine, int(ownFacts.size()))] : Draw(plan.set, engine);
        // Never the same problem twice running, where the set has another.
        if (!problems.empty() && problems.back().text() == next.text() &&
            (plan.set != SheetSet::DueAndWeak || ownFacts.size() > 1))
            continue;
        problems.push_back(next);
    }
    return problems;
}

std::string SheetCode(const SheetPlan& plan) {
    std::uint64_t bits = (std::uint64_t(plan.set) << 32) | (std::uint64_t(std::clamp(plan.pages, 1, 4) - 1) << 30) |
                         (plan.seed & 0x3FFFFFFF);
    std::string digits(kCodeLength, '0');
    for (int i = kCodeLength - 1; i >= 0; --i, bits >>= 5) digits[i] = kDigits[bits & 31];
    digits += kDigits[CheckDigit(digits)];
    return digits.substr(0, 4) + "-" + digits.substr(4);
}

std::optional<SheetPlan> ReadSheetCode(std::string_view code) {
    std::string digits;
    for (char c : code) {
        if (c == ' ' || c == '-') continue;
        c = char(std::toupper(static_cast<unsigned char>(c)));
        if (c == 'O') c = '0';
        if (c == 'I' || c == 'L') c = '1';
        if (kDigits.find(c) == std::string_view::npos) return std::nullopt;
        digits += c;
    }
    if (digits.size() != kCodeLength + 1) return std::nullopt;
    const std::string_view value(digits.data(), kCodeLength);
    if (kDigits[CheckDigit(value)] != digits.back()) return std::nullopt;
    std::uint64_t bits = 0;
    for (char c : value) bits = (bits << 5) | std::uint64_t(kDigits.find(c));
    const int set = int(bits >> 32);
    if (set >= kSheetSets) return std::nullopt;
    return SheetPlan{SheetSet(set), int((bits >> 30) & 3) + 1, std::uint32_t(bits & 0x3FFFFFFF)};
}

}  // namespace velunda
