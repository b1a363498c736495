#include "solvers/algebra/algebrawindows.h"
#include "solvers/algebra/equationnames.h"
#include "solvers/algebra/linear.h"

namespace velunda::ui {

// The equations are printed around the coefficient fields: "(" a ")X+(" b ")Y+(" c
// ")=0". The brackets name no field, so they are described apart from the fields.
// clang-format off
WindowDesign TwoEquationsWindowDesign() {
    const FontStyle big = SimSun(26.25);
    WindowDesign design{
        .name = "frm19", .title = "解二元一次方程组", .width = 6975, .height = 3120, .background = kLightGreen,
        .controls = {
            {Kind::Label, "Label1(4)", "(", 0, 240, 240, 525, big},
            {Kind::Label, "Label1(0)", ")X+(", 1200, 240, 1080, 525, big},
            {Kind::Label, "Label2(0)", ")Y+(", 3720, 240, 1080, 525, big},
            {Kind::Label, "Label1(3)", ")=0", 6000, 240, 855, 525, big},
            {Kind::Label, "Label1(5)", "(", 0, 960, 240, 525, big},
            {Kind::Label, "Label1(1)", ")X+(", 1200, 960, 1080, 525, big},
            {Kind::Label, "Label2(1)", ")Y+(", 3720, 960, 1080, 525, big},
            {Kind::Label, "Label1(2)", ")=0", 6000, 960, 855, 525, big},
            {Kind::Button, "Command1", "清  零", 1560, 2400, 1215, 495},
            {Kind::Button, "Command4", "计  算", 2880, 2400, 1215, 495},
            {Kind::Button, "Command3", "退  出", 4200, 2400, 1215, 495},
            {Kind::Field, twoequations::A1, "", 240, 240, 975, 525, big},
            {Kind::Field, twoequations::B1, "", 2280, 240, 1455, 525, big},
            {Kind::Field, twoequations::C1, "", 4800, 240, 1230, 525, big},
            {Kind::Field, twoequations::A2, "", 240, 960, 975, 525, big},
            {Kind::Field, twoequations::B2, "", 2280, 960, 1455, 525, big},
            {Kind::Field, twoequations::C2, "", 4800, 960, 1230, 525, big},
            {Kind::Field, twoequations::Answer, "", 0, 1605, 6855, 780, big},
        },
        .tabOrder = {twoequations::A1, twoequations::B1, twoequations::A2, twoequations::B2, twoequations::Answer,
                     "Command1", "Command3", twoequations::C1, twoequations::C2, "Command4"},
        .clearButton = "Command1",
        .clearedFields = {twoequations::A1, twoequations::B1, twoequations::A2, twoequations::B2, twoequations::Answer,
                          twoequations::C1, twoequations::C2},
        .exitButton = "Command3",
    };
    design.triggers = {
        {Event::Click, "Command4", TwoLinearEquations, ExplainTwoLinearEquations},
    };
    {
        using namespace twoequations;
        // The answer line holds the whole solution; it is checked by x.
        design.answers = {{.field = Answer, .symbol = "x", .more = {"y"}}};
        design.results = {Answer};
        const GivenDraw k = GivenDraw::Coefficient;
        design.exercises = {{"Command4", {{A1, k}, {B1, k}, {C1, k}, {A2, k}, {B2, k}, {C2, k}}}};
    }
    design.slips = TwoEquationsSlips();
    design.setUp = [](DesignedWindow& w) {
        NameEquationFields(w,
                           {{twoequations::A1, twoequations::B1, twoequations::C1},
                            {twoequations::A2, twoequations::B2, twoequations::C2}},
                           twoequations::Answer);
    };
    return design;
}
// clang-format on

}  // namespace velunda::ui
