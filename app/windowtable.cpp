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
    {"frm1", "lbl4", "已知三边求其它元素", 240, 1800, ThreeSidesWindowDesign, Make<ThreeSidesTriangleWindow>},
    {"frm21", "lbl12", "边 角 互 换", 600, 2160, SidesAnglesWindowDesign},
    {"frm7", "lbl13", "底,高,面积互换", 360, 2520, BaseHeightAreaWindowDesign},
    {"frm8", "lbl14", "三边,周长,面积互换", 240, 2880, SidesPerimeterAreaWindowDesign},
    {"frm14", "lbl5", "解直角三角形", 480, 3240, RightTriangleWindowDesign},
    {"frm13", "lbl110", "解等边三角形", 480, 3600, EquilateralWindowDesign},
    // Quadrilaterals
    {"frm12", "lbl15", "解 正 方 形", 2880, 1800, SquareWindowDesign},
    {"frm6", "lbl6", "解 长 方 形", 2880, 2400, RectangleWindowDesign},
    {"frm9", "lbl16", "解 梯 形", 3000, 3120, TrapezoidWindowDesign},
    // Solids
    {"frm11", "lbl9", "解 正 方 体", 5280, 1800, CubeWindowDesign},
    {"frm5", "lbl22", "解 长 方 体", 5280, 2400, CuboidWindowDesign},
    {"frm15", "lbl24", "解 圆 柱 体", 5280, 3120, CylinderWindowDesign},
    // Parallelograms
    {"frm4", "lbl17", "两边,夹角,面积互换", 7320, 1800, ParallelogramAngleWindowDesign},
    {"frm3", "lbl18", "底,高,面积互换", 7560, 2520, ParallelogramAreaWindowDesign},
    {"frm2", "lbl7", "边与周长互换", 7680, 3240, ParallelogramPerimeterWindowDesign},
    // Algebra
    {"frm18", "lbl19", "角度,弧度,三角函数互换", 120, 4560, TrigonometryWindowDesign},
    {"frm16", "lbl20", "解一元二次方程", 600, 5040, QuadraticWindowDesign},
    {"frm19", "lbl8", "解二元一次方程组", 480, 5520, TwoEquationsWindowDesign},
    {"frm20", "lbl21", "解三元一次方程组", 480, 6000, ThreeEquationsWindowDesign},
    // Mental arithmetic
    {"frm22", "lbl33", "口 算 练 习 工 具", 3960, 4680, nullptr, NewPracticeWindow},
    {"frm23", "lbl34", "口 算 测 试 工 具", 3960, 5400, nullptr, Make<TestDrillWindow>},
    // The drills' history
    {"frmhistory", "lblHistory", "口算记录", 4380, 6120, nullptr, NewHistoryWindow},
    // Circles
    {"frm10", "lbl26", "半径,周长,面积互换", 7320, 4440, CircleWindowDesign},
    {"frm17", "lbl27", "解 垂 径 定 理", 7560, 4920, ChordWindowDesign},
    // The version window
    {"frmbanben", "lbl1", "版本信息", 7080, 6000, nullptr, Make<VersionWindow>, EntryLook::Information},
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
