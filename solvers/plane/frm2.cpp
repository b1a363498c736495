#include "solvers/plane/frm2.h"

#include "app/windowcatalog.h"
#include "solvers/plane/layouts.h"
#include "solvers/plane/parallelogram.h"

namespace velunda::ui {
namespace {

WindowDesign Design() {
    return ThreeRowWindow("frm2", "解平行四边形(边与周长互换)", 4815, 2040,
                          {{{"Label1(0)", "底边"}, {"Label1(1)", "邻边"}, {"Label1(2)", "周长"}}},
                          {360, 1080, 1935, 3360, 1215, 240, 600});
}

}  // namespace

frm2::frm2() : CalculatorWindow(Design()) {
    onClick("Command2", [this] { Command2_Click(); });
}

void frm2::Command2_Click() { compute(SolveParallelogramPerimeter); }

static const bool registered = RegisterWindow("frm2", []() -> QWidget* { return new frm2; });

}  // namespace velunda::ui
