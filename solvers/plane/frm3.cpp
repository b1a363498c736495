#include "solvers/plane/frm3.h"

#include "app/windowcatalog.h"
#include "solvers/plane/layouts.h"
#include "solvers/plane/parallelogram.h"

namespace velunda::ui {
namespace {

WindowDesign Design() {
    return ThreeRowWindow(
        "frm3", "解平行四边形（底，高，面积互换）", 4470, 1950,
        {{{"Label1(0)", " 平行四边形的底"}, {"Label1(2)", " 平行四边形的高"}, {"Label1(1)", "平行四边形的面积"}}},
        {120, 1680, 1335, 3240, 1005, 240, 540});
}

}  // namespace

frm3::frm3() : CalculatorWindow(Design()) {
    onClick("Command2", [this] { Command2_Click(); });
}

void frm3::Command2_Click() { compute(SolveParallelogramArea); }

static const bool registered = RegisterWindow("frm3", []() -> QWidget* { return new frm3; });

}  // namespace velunda::ui
