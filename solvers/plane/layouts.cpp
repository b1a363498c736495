#include "solvers/plane/layouts.h"

#include "solvers/plane/angleunit.h"
#include "solvers/plane/parallelogram.h"

namespace velunda::ui {
namespace {

constexpr int kRowHeight = 375;  // fields and buttons
constexpr int kLabelHeight = 255;
constexpr int kLabelDrop = 60;  // a caption sits a little lower than its field
constexpr std::array<std::string_view, 3> kFields{parallelogram::FirstRow, parallelogram::SecondRow,
                                                  parallelogram::ThirdRow};
constexpr std::array<std::string_view, 3> kButtons{"Command1", "Command2", "Command3"};
constexpr std::array<std::string_view, 3> kButtonCaptions{"清  零", "计  算", "退  出"};

}  // namespace

WindowDesign ThreeRowWindow(std::string_view name, std::string_view title, int width, int height,
                            const std::array<CaptionRow, 3>& rows, const ThreeRowGrid& g) {
    WindowDesign window{
        .name = name, .title = title, .width = width, .height = height, .background = kBrightGreen, .controls = {}};
    for (std::size_t i = 0; i < 3; ++i) {
        const int top = g.top + g.pitch * int(i);
        window.controls.push_back({Kind::Label, rows[i].label, rows[i].caption, g.labelLeft, top + kLabelDrop,
                                   g.fieldLeft - g.labelLeft - 60, kLabelHeight});
        window.controls.push_back({Kind::Field, kFields[i], "", g.fieldLeft, top, g.fieldWidth, kRowHeight});
    }
    for (std::size_t i = 0; i < 3; ++i)
        window.controls.push_back({Kind::Button, kButtons[i], kButtonCaptions[i], g.buttonLeft,
                                   g.top + g.pitch * int(i), g.buttonWidth, kRowHeight});
    window.clearButton = "Command1";
    window.clearedFields = {kFields.begin(), kFields.end()};
    window.exitButton = "Command3";
    return window;
}

ControlDesign RadianOption(int left, int top) {
    return {Kind::Option, angleunit::Radians, "弧度", left, top, 855, 375};
}
ControlDesign DegreeOption(int left, int top) {
    return {Kind::Option, angleunit::Degrees, "角度", left, top, 855, 375};
}

}  // namespace velunda::ui
