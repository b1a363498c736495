#include "app/windowtable.h"

#include <algorithm>

#include "app/versionwindow.h"
#include "drills/drillwindow.h"
#include "drills/historywindow.h"
#include "solvers/algebra/algebrawindows.h"
#include "solvers/plane/planewindows.h"
#include "solvers/solid/solidwindows.h"
#include "solvers/triangle/trianglewindows.h"
#include "ui/designedwindow.h"

namespace velunda::ui {
namespace {

template <class Window>
QWidget* Make() {
    return new Window;
}

// clang-format off
const WindowEntry kWindows[] = {
    // Triangles
    {"frm1",  "lbl4",   ThreeSidesWindowDesign, Make<ThreeSidesTriangleWindow>},
    {"frm21", "lbl12",  SidesAnglesWindowDesign},
    {"frm7",  "lbl13",  BaseHeightAreaWindowDesign},
    {"frm8",  "lbl14",  SidesPerimeterAreaWindowDesign},
    {"frm14", "lbl5",   RightTriangleWindowDesign},
    {"frm13", "lbl110", EquilateralWindowDesign},
    // Quadrilaterals
    {"frm12", "lbl15",  SquareWindowDesign},
    {"frm6",  "lbl6",   RectangleWindowDesign},
    {"frm9",  "lbl16",  TrapezoidWindowDesign},
    // Solids
    {"frm11", "lbl9",   CubeWindowDesign},
    {"frm5",  "lbl22",  CuboidWindowDesign},
    {"frm15", "lbl24",  CylinderWindowDesign},
    // Parallelograms
    {"frm4",  "lbl17",  ParallelogramAngleWindowDesign},
    {"frm3",  "lbl18",  ParallelogramAreaWindowDesign},
    {"frm2",  "lbl7",   ParallelogramPerimeterWindowDesign},
    // Algebra
    {"frm18", "lbl19",  TrigonometryWindowDesign},
    {"frm16", "lbl20",  QuadraticWindowDesign},
    {"frm19", "lbl8",   TwoEquationsWindowDesign},
    {"frm20", "lbl21",  ThreeEquationsWindowDesign},
    // Mental arithmetic
    {"frm22", "lbl33",  nullptr, NewPracticeWindow},
    {"frm23", "lbl34",  nullptr, Make<TestDrillWindow>},
    // The drills' history
    {"frmhistory", "lblHistory", nullptr, NewHistoryWindow},
    // Circles
    {"frm10", "lbl26",  CircleWindowDesign},
    {"frm17", "lbl27",  ChordWindowDesign},
    // The version window
    {"frmbanben", "lbl1", nullptr, Make<VersionWindow>},
};
// clang-format on

}  // namespace

std::span<const WindowEntry> Windows() { return kWindows; }

const WindowEntry* FindWindow(std::string_view name) {
    const auto it = std::ranges::find(kWindows, name, &WindowEntry::name);
    return it == std::end(kWindows) ? nullptr : &*it;
}

QWidget* MakeWindow(std::string_view name) {
    const WindowEntry* entry = FindWindow(name);
    if (!entry) return nullptr;
    if (entry->make) return entry->make();
    return new DesignedWindow(entry->design());
}

}  // namespace velunda::ui
