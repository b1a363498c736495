// The typefaces and sizes a window's captions are designed with.
#pragma once

namespace velunda::ui {

// The typefaces the captions ask for; each resolves to a list of installed fallbacks.
enum class Face { Default, SimSun, SimHei, KaiTi };

struct FontStyle {
    Face face = Face::Default;
    double points = 9;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

inline constexpr FontStyle kDefaultFont{};
inline FontStyle SimSun(double points) { return {Face::SimSun, points}; }
inline FontStyle SimHei(double points) { return {Face::SimHei, points}; }
inline FontStyle KaiTi(double points) { return {Face::KaiTi, points}; }

}  // namespace velunda::ui
