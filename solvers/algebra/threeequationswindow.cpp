#include "solvers/algebra/algebrawindows.h"
#include "solvers/algebra/equationnames.h"
#include "solvers/algebra/linear.h"

namespace velunda::ui {

// Three rows "(" a ")X+(" b ")Y+(" c ")Z+(" d ")=0" with the coefficients in the
// control array Text1(1) … Text1(12). The brackets name no field, so they are
// described apart from the fields.
// clang-format off
WindowDesign ThreeEquationsWindowDesign() {
    const FontStyle big = SimSun(26.25);
    WindowDesign design{
        .name = "frm20", .title = "解三元一次方程组", .width = 8295, .height = 3960, .background = kLightGreen,
        .controls = {
            {Kind::Label, "Label1(0)", "(", 0, 240, 240, 525, big},
            {Kind::Label, "Label1(3)", ")X+(", 1200, 240, 1080, 525, big},
            {Kind::Label, "Label1(6)", ")Y+(", 3240, 240, 1080, 525, big},
            {Kind::Label, "Label1(9)", ")Z+(", 5280, 240, 1080, 525, big},
            {Kind::Label, "Label1(15)", ")=0", 7320, 240, 855, 525, big},
            {Kind::Label, "Label1(1)", "(", 0, 960, 240, 525, big},
            {Kind::Label, "Label1(4)", ")X+(", 1200, 960, 1080, 525, big},
            {Kind::Label, "Label1(7)", ")Y+(", 3240, 960, 1080, 525, big},
            {Kind::Label, "Label1(10)", ")Z+(", 5280, 960, 1080, 525, big},
            {Kind::Label, "Label1(12)", ")=0", 7320, 960, 855, 525, big},
            {Kind::Label, "Label1(2)", "(", 0, 1680, 240, 525, big},
            {Kind::Label, "Label1(5)", ")X+(", 1200, 1680, 1080, 525, big},
            {Kind::Label, "Label1(8)", ")Y+(", 3240, 1680, 1080, 525, big},
            {Kind::Label, "Label1(11)", ")Z+(", 5280, 1680, 1080, 525, big},
            {Kind::Label, "Label1(13)", ")=0", 7320, 1680, 855, 525, big},
            {Kind::Label, "Label2", " 括号内不准为0", 0, 3240, 4095, 525, big},
            {Kind::Button, "Command1", "清  零", 4200, 3240, 1215, 495},
            {Kind::Button, "Command2", "计  算", 5520, 3240, 1215, 495},
            {Kind::Button, "Command3", "退  出", 6840, 3240, 1215, 495},
            {Kind::Field, "Text1(1)", "", 240, 240, 975, 525, big},
            {Kind::Field, "Text1(2)", "", 2280, 240, 975, 525, big},
            {Kind::Field, "Text1(3)", "", 4320, 240, 975, 525, big},
            {Kind::Field, "Text1(4)", "", 6360, 240, 975, 525, big},
            {Kind::Field, "Text1(5)", "", 240, 960, 975, 525, big},
            {Kind::Field, "Text1(6)", "", 2280, 960, 975, 525, big},
            {Kind::Field, "Text1(7)", "", 4320, 960, 975, 525, big},
            {Kind::Field, "Text1(8)", "", 6360, 960, 975, 525, big},
            {Kind::Field, "Text1(9)", "", 240, 1680, 975, 525, big},
            {Kind::Field, "Text1(10)", "", 2280, 1680, 975, 525, big},
            {Kind::Field, "Text1(11)", "", 4320, 1680, 975, 525, big},
            {Kind::Field, "Text1(12)", "", 6360, 1680, 975, 525, big},
            {Kind::Field, threeequations::Answer, "", 0, 2400, 8175, 780, big},
        },
        // The first row left to right, then the third and the second right to left.
        .tabOrder = {"Text1(1)", "Text1(2)", "Text1(3)", "Text1(4)", "Text1(12)", "Text1(11)", "Text1(10)", "Text1(9)",
                     "Text1(8)", "Text1(7)", "Text1(6)", "Text1(5)", threeequations::Answer, "Command1", "Command2",
                     "Command3"},
        .clearButton = "Command1",
        .clearedFields = {"Text1(1)", "Text1(2)", "Text1(3)", "Text1(4)", "Text1(5)", "Text1(6)", "Text1(7)",
                          "Text1(8)", "Text1(9)", "Text1(10)", "Text1(11)", "Text1(12)", threeequations::Answer},
        .exitButton = "Command3",
    };
    design.triggers = {
        {Event::Click, "Command2", ThreeLinearEquations, ExplainThreeLinearEquations},
    };
    // The answer line holds the whole solution; it is checked by x.
    design.answers = {{.field = threeequations::Answer, .symbol = "x", .more = {"y", "z"}}};
    design.results = {threeequations::Answer};
    design.exercises = {{"Command2", {}}};
    for (std::string_view field : threeequations::Names)
        if (field != threeequations::Answer) design.exercises[0].givens.push_back({field, GivenDraw::Coefficient});
    design.slips = ThreeEquationsSlips();
    design.setUp = [](DesignedWindow& w) {
        NameEquationFields(w,
                           {{"Text1(1)", "Text1(2)", "Text1(3)", "Text1(4)"},
                            {"Text1(5)", "Text1(6)", "Text1(7)", "Text1(8)"},
                            {"Text1(9)", "Text1(10)", "Text1(11)", "Text1(12)"}},
                           threeequations::Answer);
    };
    return design;
}
// clang-format on

}  // namespace velunda::ui
