// Printed 口算 sheets: 1 to 4 pages of 100 problems drawn from a set, with a short code
// from which the same problems are drawn again, so that a teacher or parent types only
// which were wrong. Plain C++.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "drills/drill.h"

namespace velunda {

// What a sheet draws its problems from.
enum class SheetSet {
    Addition,           // one-digit sums
    Subtraction,        // one-digit differences
    Multiplication,     // 表内乘法, 1 to 9 times 1 to 9
    Division,           // 表内除法, its products divided
    Mixed,              // the four together
    CarryAddition,      // 20 以内进位加法: one-digit sums over 10
    BorrowSubtraction,  // 20 以内退位减法: 11 to 18 less a digit, across ten
    DueAndWeak,         // the pupil's wrong-answer book and due facts, given when the sheet is made
};
inline constexpr int kSheetSets = 8;
// "加法", "20 以内进位加法", "错题和该复习的题".
std::string SheetSetName(SheetSet set);

inline constexpr int kProblemsPerPage = 100;
inline constexpr int kMaxSheetPages = 4;

struct SheetPlan {
    SheetSet set = SheetSet::Addition;
    int pages = 1;           // 1 to kMaxSheetPages
    std::uint32_t seed = 0;  // below 2^30
};

// The problems of the sheet, page after page. A sheet of the pupil's own facts draws
// from those (the set is then empty without them).
std::vector<Problem> SheetProblems(const SheetPlan& plan, const std::vector<Problem>& ownFacts = {});

// The code printed on the sheet, "K7Q2-M9XA": its set, pages and seed, and a check
// character, in letters and digits that cannot be mistaken for one another.
std::string SheetCode(const SheetPlan& plan);
// The sheet a code stands for; none for a mistyped code. Blanks, dashes and case are
// ignored, O is read as 0 and I or L as 1.
std::optional<SheetPlan> ReadSheetCode(std::string_view code);

}  // namespace velunda
