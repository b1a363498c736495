#include "solvers/algebra/algebrasolution.h"

#include "exact/solutionbuilder.h"

namespace velunda {

using namespace exact;

std::string EquationSide(const std::vector<std::pair<Number, std::string>>& terms) {
    std::string side;
    for (const auto& [k, unknown] : terms) {
        if (k.IsZero()) continue;
        const bool negative = k.Sign() < 0;
        const Number size = negative ? -k : k;
        std::string term;
        if (unknown.empty())
            term = Plain(size);
        else if (size.Equals(Int(1)))
            term = unknown;
        else
            term = Grouped(size) + unknown;
        if (side.empty())
            side = (negative ? "-" : "") + term;
        else
            side += (negative ? " − " : " + ") + term;
    }
    return side.empty() ? "0" : side;
}

std::string Valued(const Number& x, std::string* plain) {
    const std::string text = x.Text();
    const std::size_t equal = text.find(" = "), about = text.find(" ≈ ");
    *plain = equal != std::string::npos   ? text.substr(equal + 3)
             : about != std::string::npos ? text.substr(0, about)
                                          : text;
    return (RoundedDecimal(x, text) ? " ≈ " : " = ") + text;
}

}  // namespace velunda
