#include "app/mainmenu.h"

#include <QCheckBox>
#include <QPainter>
#include <QTimer>

#include "app/windowtable.h"
#include "ui/artwork.h"
#include "ui/fonts.h"
#include "ui/menuentry.h"
#include "ui/palette.h"
#include "ui/solutionpanel.h"

namespace velunda::ui {
namespace {

struct Heading {
    std::string_view name, caption;
    int left, top;
    double points;
};

struct EntryDesign {
    std::string_view name, caption;
    int left, top;
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
    {"lbl4", "已知三边求其它元素", 240, 1800},
    {"lbl12", "边 角 互 换", 600, 2160},
    {"lbl13", "底,高,面积互换", 360, 2520},
    {"lbl14", "三边,周长,面积互换", 240, 2880},
    {"lbl5", "解直角三角形", 480, 3240},
    {"lbl110", "解等边三角形", 480, 3600},
    {"lbl15", "解 正 方 形", 2880, 1800},
    {"lbl6", "解 长 方 形", 2880, 2400},
    {"lbl16", "解 梯 形", 3000, 3120},
    {"lbl9", "解 正 方 体", 5280, 1800},
    {"lbl22", "解 长 方 体", 5280, 2400},
    {"lbl24", "解 圆 柱 体", 5280, 3120},
    {"lbl17", "两边,夹角,面积互换", 7320, 1800},
    {"lbl18", "底,高,面积互换", 7560, 2520},
    {"lbl7", "边与周长互换", 7680, 3240},
    {"lbl19", "角度,弧度,三角函数互换", 120, 4560},
    {"lbl20", "解一元二次方程", 600, 5040},
    {"lbl8", "解二元一次方程组", 480, 5520},
    {"lbl21", "解三元一次方程组", 480, 6000},
    {"lbl33", "口 算 练 习 工 具", 3960, 4680},
    {"lbl34", "口 算 测 试 工 具", 3960, 5400},
    {"lblHistory", "口算记录", 4380, 6120},
    {"lbl26", "半径,周长,面积互换", 7320, 4440},
    {"lbl27", "解 垂 径 定 理", 7560, 4920},
};
// clang-format on

WindowDesign MenuDesign() {
    WindowDesign design{"frmmulu", "总 目 录 ", 9870, 6990, QColor(10, 30, 80), {}};
    design.controls.push_back(
        {Kind::Label, "Label1", "Velunda", 1560, 240, 6855, 855, SimSun(42), kYellow, {}, false, true});
    for (const Heading& h : kHeadings)
        design.controls.push_back(
            {Kind::Label, h.name, h.caption, h.left, h.top, 0, 0, SimSun(h.points), kBrightGreen});
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

MainMenu::MainMenu(WindowCatalog& catalog) : DesignedWindow(MenuDesign()) {
    setAttribute(Qt::WA_DeleteOnClose);
    // Below the algebra entries, where the board is free: whether the solver windows show
    // their worked solutions, remembered for the next start.
    auto* solution = new QCheckBox("显示解题过程", this);
    solution->setObjectName("chkSolution");
    solution->setFont(MakeFont(SimSun(10.5)));
    QPalette palette = solution->palette();
    palette.setColor(QPalette::WindowText, kLightCyan);
    solution->setPalette(palette);
    solution->setGeometry(px(360), px(6540), px(2400), px(300));
    solution->setChecked(SolutionSetting::instance().shown());
    connect(solution, &QCheckBox::toggled, &SolutionSetting::instance(), &SolutionSetting::setShown);
    const QCursor pointer = EntryCursor();
    for (const WindowEntry& w : Windows()) {
        auto* entry = qobject_cast<MenuEntry*>(control(w.menuEntry));
        entry->setCursor(pointer);
        entry->setAction([&catalog, window = w.name] { catalog.open(window); });
    }
}

void MainMenu::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintMenuBackground(painter, rect());
    if (entriesTakeFocus_) return;
    // After the first paint the entries become reachable with the Tab key.
    entriesTakeFocus_ = true;
    QTimer::singleShot(0, this, [this] {
        for (const WindowEntry& w : Windows()) control(w.menuEntry)->setFocusPolicy(Qt::TabFocus);
    });
}

}  // namespace velunda::ui
