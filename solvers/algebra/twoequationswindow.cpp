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
        "frm19", "解二元一次方程组", 6975, 3120, kLightGreen,
        {
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
            {Kind::Field, "Text1", "", 240, 240, 975, 525, big},
            {Kind::Field, "Text2", "", 2280, 240, 1455, 525, big},
            {Kind::Field, "Text6", "", 4800, 240, 1230, 525, big},
            {Kind::Field, "Text3", "", 240, 960, 975, 525, big},
            {Kind::Field, "Text4", "", 2280, 960, 1455, 525, big},
            {Kind::Field, "Text7", "", 4800, 960, 1230, 525, big},
            {Kind::Field, "Text5", "", 0, 1605, 6855, 780, big},
        },
        {"Text1", "Text2", "Text3", "Text4", "Text5", "Command1", "Command3", "Text6", "Text7", "Command4"},
        "Command1", {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7"},
        "Command3",
    };
    design.triggers = {
        {Event::Click, "Command4", TwoLinearEquations},
    };
    design.setUp = [](CalculatorWindow& w) {
        NameEquationFields(w, {{"Text1", "Text2", "Text6"}, {"Text3", "Text4", "Text7"}}, "Text5");
    };
    return design;
}
// clang-format on

}  // namespace velunda::ui
