// The way a first-grade class works a fact, shown after the pupil misses it: 凑十法 for a
// sum over 10, 破十法 and 平十法 for a difference across ten, 想加算减 within ten, the
// 口诀 of a product (七八五十六) and for a nine the near fact (9 × 7 = 10 × 7 - 7), a
// quotient through its product (想 8 × 7 = 56), and a two-digit quotient through the
// tens and ones of its dividend. Plain C++.
#pragma once

#include <string>

#include "drills/drill.h"

namespace velunda {

// "8 + 7：把 7 分成 2 和 5，8 + 2 = 10，10 + 5 = 15".
std::string StrategyText(const Problem& fact);

// The 口诀 of a product of two one-digit numbers, the smaller first: "七八五十六",
// "二五一十", "三四十二", "一一得一".
std::string MultiplicationRhyme(int a, int b);

}  // namespace velunda
