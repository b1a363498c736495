// The value of an exact form in the solutions' notation ("5√2", "(5√3+√11)/2",
// "157/(25π)-1", "arcsin(5/6)"), worked out here in quadruple precision (about 33 digits)
// and apart from the exact engine, so that a test can check the engine's decimals against
// a value it did not compute.
#pragma once

#include <quadmath.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace velunda::testing {

inline __float128 QuadPi() { return acosq(__float128(-1)); }

class QuadReader {
public:
    explicit QuadReader(std::string_view text) : s_(text) {}

    // The value, or nullopt where the text is not all an exact form.
    std::optional<__float128> value() {
        const std::optional<__float128> v = sum();
        if (!v || at_ != s_.size()) return std::nullopt;
        return v;
    }

private:
    bool take(std::string_view token) {
        if (s_.substr(at_, token.size()) != token) return false;
        at_ += token.size();
        return true;
    }
    bool digitNext() const { return at_ < s_.size() && s_[at_] >= '0' && s_[at_] <= '9'; }
    bool factorNext() const {
        const std::string_view rest = s_.substr(at_);
        return digitNext() || rest.starts_with("π") || rest.starts_with("√") || rest.starts_with("∛") ||
               rest.starts_with("(") || rest.starts_with("arc");
    }

    std::optional<__float128> sum() {
        std::optional<__float128> v = product();
        while (v) {
            if (take("+")) {
                const auto w = product();
                if (!w) return std::nullopt;
                *v += *w;
            } else if (take("-")) {
                const auto w = product();
                if (!w) return std::nullopt;
                *v -= *w;
            } else {
                break;
            }
        }
        return v;
    }

    // Factors side by side multiply (5√2π); "/" divides by the next factor (25√3π/4).
    std::optional<__float128> product() {
        if (take("-")) {
            const auto v = product();
            return v ? std::optional<__float128>(-*v) : std::nullopt;
        }
        std::optional<__float128> v = factor();
        while (v) {
            if (take("/")) {
                const auto w = factor();
                if (!w) return std::nullopt;
                *v /= *w;
            } else if (factorNext()) {
                const auto w = factor();
                if (!w) return std::nullopt;
                *v *= *w;
            } else {
                break;
            }
        }
        return v;
    }

    std::optional<__float128> factor() {
        if (take("π")) return QuadPi();
        if (take("√")) {
            const auto v = factor();
            return v && *v >= 0 ? std::optional<__float128>(sqrtq(*v)) : std::nullopt;
        }
        if (take("∛")) {
            const auto v = factor();
            return v ? std::optional<__float128>(cbrtq(*v)) : std::nullopt;
        }
        using Function = __float128 (*)(__float128);
        const std::pair<const char*, Function> functions[] = {
            {"arcsin(", asinq}, {"arccos(", acosq}, {"arctan(", atanq}};
        for (const auto& [name, f] : functions) {
            if (!take(name)) continue;
            const auto v = sum();
            if (!v || !take(")")) return std::nullopt;
            return f(*v);
        }
        if (take("(")) {
            const auto v = sum();
            if (!v || !take(")")) return std::nullopt;
            return v;
        }
        if (!digitNext()) return std::nullopt;
        const std::size_t from = at_;
        while (digitNext() || (at_ < s_.size() && s_[at_] == '.')) ++at_;
        if (at_ + 1 < s_.size() && s_[at_] == 'E' && (s_[at_ + 1] == '+' || s_[at_ + 1] == '-')) {
            at_ += 2;
            while (digitNext()) ++at_;
        }
        return strtoflt128(std::string(s_.substr(from, at_ - from)).c_str(), nullptr);
    }

    std::string_view s_;
    std::size_t at_ = 0;
};

inline std::optional<__float128> QuadValue(std::string_view exactForm) { return QuadReader(exactForm).value(); }

}  // namespace velunda::testing
