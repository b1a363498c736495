#include "drills/strategy.h"

#include <algorithm>

namespace velunda {
namespace {

std::string N(int n) { return std::to_string(n); }

// 一 to 九.
std::string Numeral(int digit) {
    static const char* const numerals[] = {"零", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
    return digit >= 0 && digit <= 9 ? numerals[digit] : N(digit);
}

// A product as the rhyme says it: 得六, 一十, 十二, 五十六.
std::string ProductWords(int p) {
    if (p < 10) return "得" + Numeral(p);
    if (p == 10) return "一十";
    const std::string tens = p < 20 ? "十" : Numeral(p / 10) + "十";
    return p % 10 == 0 ? tens : tens + Numeral(p % 10);
}

std::string Sum(const Problem& f) {
    const int a = f.first, b = f.second, sum = a + b;
    const std::string head = N(a) + " + " + N(b) + "：";
    if (a == 0 || b == 0) return head + "任何数加 0 都得原来的数，" + N(a) + " + " + N(b) + " = " + N(sum);
    if (sum == 10) return head + N(a) + " 和 " + N(b) + " 凑成 10";
    const int big = std::max(a, b), small = std::min(a, b);
    if (sum < 10) return head + "从 " + N(big) + " 往后数 " + N(small) + " 个，得 " + N(sum);
    // 凑十法: the larger is made up to ten from the smaller.
    const int need = 10 - big, rest = small - need;
    return head + "把 " + N(small) + " 分成 " + N(need) + " 和 " + N(rest) + "，" + N(big) + " + " + N(need) +
           " = 10，10 + " + N(rest) + " = " + N(sum);
}

std::string Difference(const Problem& f) {
    const int a = f.first, b = f.second, d = a - b;
    const std::string head = N(a) + " - " + N(b) + "：";
    if (b == 0) return head + "任何数减 0 都得原来的数，" + N(a) + " - 0 = " + N(a);
    const int ones = a % 10;
    if (a > 10 && a < 20 && ones < b) {
        // Across ten: 破十法 takes b from the ten, 平十法 first down to ten.
        std::string text =
            head + "破十法，10 - " + N(b) + " = " + N(10 - b) + "，" + N(10 - b) + " + " + N(ones) + " = " + N(d);
        if (ones > 0) text += "；平十法，" + N(a) + " - " + N(ones) + " = 10，10 - " + N(b - ones) + " = " + N(d);
        return text;
    }
    return head + "想 " + N(b) + " + " + N(d) + " = " + N(a) + "，所以 " + N(a) + " - " + N(b) + " = " + N(d);
}

std::string Product(const Problem& f) {
    const int a = f.first, b = f.second, p = a * b;
    const std::string head = N(a) + " × " + N(b) + "：";
    if (a == 0 || b == 0) return head + "任何数和 0 相乘都得 0";
    if (a > 9 || b > 9) return head + N(a) + " × " + N(b) + " = " + N(p);
    std::string text = head + "口诀“" + MultiplicationRhyme(a, b) + "”，" + N(a) + " × " + N(b) + " = " + N(p);
    // A nine is a ten less one.
    const int other = a == 9 ? b : b == 9 ? a : 0;
    if (other > 1) text += "；也可以想 10 × " + N(other) + " - " + N(other) + " = " + N(p);
    return text;
}

std::string Quotient(const Problem& f) {
    const int a = f.first, b = f.second;
    const std::string head = N(a) + " ÷ " + N(b) + "：";
    if (b == 0 || a % b != 0) return head + "商是 " + N(b == 0 ? 0 : a / b);
    const int q = a / b;
    if (a == 0) return head + "0 除以任何不是 0 的数都得 0";
    if (b == 1) return head + "任何数除以 1 都得原来的数，商是 " + N(a);
    if (q <= 9) {
        const std::string rhyme = b <= 9 ? "（" + MultiplicationRhyme(b, q) + "）" : "";
        return head + "想 " + N(b) + " × " + N(q) + " = " + N(a) + rhyme + "，商是 " + N(q);
    }
    // A two-digit quotient: the dividend in tens that the divisor goes into, and the rest.
    const int tens = q / 10 * 10 * b, rest = a - tens;
    if (rest == 0)
        return head + N(a) + " 是 " + N(a / 10) + " 个十，" + N(a / 10) + " ÷ " + N(b) + " = " + N(q / 10) +
               "，所以商是 " + N(q);
    return head + "把 " + N(a) + " 分成 " + N(tens) + " 和 " + N(rest) + "，" + N(tens) + " ÷ " + N(b) + " = " +
           N(tens / b) + "，" + N(rest) + " ÷ " + N(b) + " = " + N(rest / b) + "，" + N(tens / b) + " + " +
           N(rest / b) + " = " + N(q);
}

}  // namespace

std::string MultiplicationRhyme(int a, int b) {
    const int small = std::min(a, b), big = std::max(a, b);
    return Numeral(small) + Numeral(big) + ProductWords(small * big);
}

std::string StrategyText(const Problem& fact) {
    switch (fact.operation) {
        case Operation::Addition:
            return Sum(fact);
        case Operation::Subtraction:
            return Difference(fact);
        case Operation::Multiplication:
            return Product(fact);
        case Operation::Division:
            return Quotient(fact);
    }
    return {};
}

}  // namespace velunda
