#include "app/frmmulu.h"

#include <QPainter>
#include <QTimer>

#include "app/artwork.h"
#include "app/menuentry.h"

namespace velunda::ui {
namespace {

const QColor kYellow{255, 255, 0};
const QColor kGreen{0, 255, 0};
const QColor kLightCyan{128, 255, 255};
const QColor kOrange{255, 128, 0};

struct Heading {
    std::string_view name, caption;
    int left, top;
    double points;
};

struct EntryDesign {
    std::string_view name, caption;
    int left, top;
    std::string_view window;
};

// clang-format off
const Heading kHeadings[] = {
    {"Label2(0)", "关于三角形的计算", 360, 1440, 12},
    {"Label2(3)", "关于四边形的计算", 2640, 1440, 12},
    {"Label2(4)", "关于立体图形的计算", 4920, 1440, 12},
    {"Label2(1)", "关于平行四边形的计算", 7200, 1440, 12},
    {"Label2(5)", "关于代数方面的计算", 360, 4080, 12},
    {"Label2(6)", "口 算 练 习 和 测 试 工 具", 3480, 4080, 12},
    {"Label2(2)", "关于圆的计算", 7680, 4080, 10.5},
};

const EntryDesign kEntries[] = {
    {"lbl4", "已知三边求其它元素", 240, 1800, "frm1"},
    {"lbl12", "边 角 互 换", 600, 2160, "frm21"},
    {"lbl13", "底,高,面积互换", 360, 2520, "frm7"},
    {"lbl14", "三边,周长,面积互换", 240, 2880, "frm8"},
    {"lbl5", "解直角三角形", 480, 3240, "frm14"},
    {"lbl110", "解等边三角形", 480, 3600, "frm13"},
    {"lbl15", "解 正 方 形", 2880, 1800, "frm12"},
    {"lbl6", "解 长 方 形", 2880, 2400, "frm6"},
    {"lbl16", "解 梯 形", 3000, 3120, "frm9"},
    {"lbl9", "解 正 方 体", 5280, 1800, "frm11"},
    {"lbl22", "解 长 方 体", 5280, 2400, "frm5"},
    {"lbl24", "解 圆 柱 体", 5280, 3120, "frm15"},
    {"lbl17", "两边,夹角,面积互换", 7320, 1800, "frm4"},
    {"lbl18", "底,高,面积互换", 7560, 2520, "frm3"},
    {"lbl7", "边与周长互换", 7680, 3240, "frm2"},
    {"lbl19", "角度,弧度,三角函数互换", 120, 4560, "frm18"},
    {"lbl20", "解一元二次方程", 600, 5040, "frm16"},
    {"lbl8", "解二元一次方程组", 480, 5520, "frm19"},
    {"lbl21", "解三元一次方程组", 480, 6000, "frm20"},
    {"lbl33", "口 算 练 习 工 具", 3960, 4680, "frm22"},
    {"lbl34", "口 算 测 试 工 具", 3960, 5400, "frm23"},
    {"lbl26", "半径,周长,面积互换", 7320, 4440, "frm10"},
    {"lbl27", "解 垂 径 定 理", 7560, 4920, "frm17"},
};
// clang-format on

WindowDesign MenuDesign() {
    WindowDesign design{"frmmulu", "总 目 录 ", 9870, 6990, QColor(10, 30, 80), {}};
    design.controls.push_back(
        {Kind::Label, "Label1", "Velunda", 1560, 240, 6855, 855, SimSun(42), kYellow, {}, false, true});
    for (const Heading& h : kHeadings)
        design.controls.push_back({Kind::Label, h.name, h.caption, h.left, h.top, 0, 0, SimSun(h.points), kGreen});
    FontStyle link = SimSun(12);
    link.italic = link.underline = true;
    for (const EntryDesign& e : kEntries)
        design.controls.push_back({Kind::Link, e.name, e.caption, e.left, e.top, 0, 0, link, kLightCyan});
    FontStyle bold = SimSun(12);
    bold.bold = true;
    design.controls.push_back({Kind::Link, "lbl1", "版本信息", 7080, 6000, 0, 0, bold, {}, kOrange});
    return design;
}

}  // namespace

const std::vector<frmmulu::Entry>& frmmulu::Entries() {
    static const std::vector<Entry> all = [] {
        std::vector<Entry> v;
        for (const EntryDesign& e : kEntries) v.push_back({e.name, e.window});
        v.push_back({"lbl1", "frmbanben"});
        return v;
    }();
    return all;
}

frmmulu::frmmulu(WindowCatalog& catalog) : CalculatorWindow(MenuDesign()) {
    setAttribute(Qt::WA_DeleteOnClose);
    const QCursor pointer = EntryCursor();
    for (const Entry& e : Entries()) {
        auto* entry = static_cast<MenuEntry*>(control(e.label));
        entry->setCursor(pointer);
        entry->setAction([&catalog, window = e.window] { catalog.open(window); });
    }
}

void frmmulu::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintMenuBackground(painter, rect());
    if (entriesTakeFocus_) return;
    // After the first paint the entries become reachable with the Tab key.
    entriesTakeFocus_ = true;
    QTimer::singleShot(0, this, [this] {
        for (const Entry& e : Entries()) control(e.label)->setFocusPolicy(Qt::TabFocus);
    });
}

// The version window.

namespace {

const QColor kWhite{255, 255, 255};

// clang-format off
WindowDesign VersionDesign() {
    FontStyle name = SimSun(28);
    name.bold = true;
    return {"frmbanben", "版本信息", 6000, 3600, QColor(20, 60, 90),
            {
                {Kind::Label, "Label1", "Velunda", 0, 300, 6000, 700, name, kYellow, {}, false, true},
                {Kind::Label, "Label2", "每一道题，都算到最后一位", 0, 1150, 6000, 400, KaiTi(15.75), kGreen, {},
                 false, true},
                {Kind::Label, "Label3", "作者：Velunda 开发组", 0, 1800, 6000, 300, SimSun(10.5), kWhite, {}, false,
                 true},
                {Kind::Label, "Label4", "版本：1.0（2026 年 12 月）", 0, 2150, 6000, 300, SimSun(10.5), kWhite, {},
                 false, true},
                {Kind::Label, "Label5", "网址：https://velunda.example.org", 0, 2700, 6000, 300, SimSun(9),
                 kLightCyan, {}, false, true},
            }};
}
// clang-format on

}  // namespace

frmbanben::frmbanben() : CalculatorWindow(VersionDesign()) {}

void frmbanben::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintVersionBackground(painter, rect());
}

static const bool registered = RegisterWindow("frmbanben", []() -> QWidget* { return new frmbanben; });

}  // namespace velunda::ui
