#pragma once

#include <string_view>
#include <vector>

#include "exact/workedsolution.h"
#include "numeric/form.h"

namespace velunda {

// The fields of the trapezoid window.
namespace trapezoid {
inline constexpr std::string_view UpperBase = "Text1", LowerBase = "Text2", Height = "Text3", Area = "Text4";
// Every name the window's computations read or write: its fields.
inline constexpr std::string_view Names[] = {UpperBase, LowerBase, Height, Area};
}  // namespace trapezoid

// "计算" of the trapezoid window: the first quantity that is 0, in the order area
// (Text4), height (Text3), lower base (Text2), upper base (Text1), is computed from
// the other three and written into its field alone.
void SolveTrapezoid(Form& f);

// Worked solution of the trapezoid window's "计算" (SolveTrapezoid).
WorkedSolution ExplainTrapezoid(const Form& before);

// The known slips of the trapezoid's exercises.
std::vector<SlipRule> TrapezoidSlips();

}  // namespace velunda
