#include "app/mainmenu.h"

#include <QCheckBox>
#include <QDateTime>
#include <QPainter>
#include <QTimer>

#include "app/windowtable.h"
#include "drills/historystore.h"
#include "drills/pupils.h"
#include "drills/sheetpdf.h"
#include "ui/artwork.h"
#include "ui/fonts.h"
#include "ui/help.h"
#include "ui/menuentry.h"
#include "ui/message.h"
#include "ui/palette.h"
#include "ui/settings.h"
#include "ui/solutionpanel.h"
#include "ui/tryfirst.h"

namespace velunda::ui {
namespace {

struct Heading {
    std::string_view name, caption;
    int left, top;
    double points;
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
// clang-format on

WindowDesign MenuDesign() {
    WindowDesign design{"frmmulu", "总 目 录 ", 9870, 6990, QColor(10, 30, 80), {}};
    design.controls.push_back(
        {Kind::Label, "Label1", "Velunda", 1560, 240, 6855, 855, SimSun(42), kYellow, {}, false, true});
    for (const Heading& h : kHeadings)
        design.controls.push_back(
            {Kind::Label, h.name, h.caption, h.left, h.top, 0, 0, SimSun(h.points), kBrightGreen});
    // The entries, as the window table lists them.
    FontStyle link = SimSun(12);
    link.italic = link.underline = true;
    FontStyle bold = SimSun(12);
    bold.bold = true;
    for (const WindowEntry& w : Windows()) {
        const bool exercise = w.look == EntryLook::Exercise;
        design.controls.push_back({Kind::Link, w.menuEntry, w.caption, w.left, w.top, 0, 0, exercise ? link : bold,
                                   exercise ? kLightCyan : QColor(), exercise ? QColor() : kOrange});
    }
    return design;
}

}  // namespace

MainMenu::MainMenu(WindowCatalog& catalog) : DesignedWindow(MenuDesign()) {
    setAttribute(Qt::WA_DeleteOnClose);
    InstallHelpKey(this);
    // Below the algebra entries, where the board is free: whether the solver windows show
    // their worked solutions, remembered for the next start.
    auto* solution = new QCheckBox("显示解题过程", this);
    solution->setObjectName("chkSolution");
    QPalette palette = solution->palette();
    palette.setColor(QPalette::WindowText, kLightCyan);
    solution->setPalette(palette);
    place(solution, QRect(px(360), px(6540), px(2400), px(300)), SimSun(10.5));
    solution->setChecked(SolutionSetting::instance().shown());
    connect(solution, &QCheckBox::toggled, &SolutionSetting::instance(), &SolutionSetting::setShown);
    // At the other end of the row: whether the solver windows start in try-first mode.
    auto* tryFirst = new QCheckBox("先自己做", this);
    tryFirst->setObjectName("chkTry");
    tryFirst->setPalette(palette);
    place(tryFirst, QRect(px(6690), px(6540), px(1500), px(300)), SimSun(10.5));
    tryFirst->setChecked(TrySetting::instance().on());
    connect(tryFirst, &QCheckBox::toggled, &TrySetting::instance(), &TrySetting::setOn);
    // The answers checked there go into the history, beside the drills'.
    TrySetting::instance().record = [](const CheckedAnswer& a) {
        HistoryStore::Shared().recordCheck({QDateTime::currentMSecsSinceEpoch(), a.window, a.title, a.quantity,
                                            a.givens, a.typed, a.verdict, a.slip, a.right, a.hints, a.shown,
                                            a.seconds});
    };
    // A settings file that cannot be read or written is told here, once the menu shows.
    auto tellSettingsFaults = [this] {
        for (const QString& message : ProgramSettings::instance().takeProblems())
            ShowMessageBox(this, message, Icon::Information);
    };
    connect(&ProgramSettings::instance(), &ProgramSettings::problemsArisen, this, tellSettingsFaults,
            Qt::QueuedConnection);
    QTimer::singleShot(0, this, tellSettingsFaults);
    // Beside it, the printed 口算 sheets: made, and their results entered.
    const std::pair<const char*, const char*> sheets[] = {{"lblPrintSheet", "打印口算题卡…"},
                                                          {"lblEnterSheet", "录入题卡成绩…"}};
    int left = px(3120);
    for (const auto& [name, caption] : sheets) {
        auto* entry = new MenuEntry(caption, this);
        entry->setObjectName(name);
        FontStyle look = SimSun(10.5);
        look.italic = look.underline = true;
        entry->setPalette(palette);
        entry->setCursor(EntryCursor());
        place(entry, QRect(left, px(6540), px(1680), px(300)), look);
        left += px(1800);
        const bool print = std::string_view(name) == "lblPrintSheet";
        entry->setAction([this, print] { print ? PrintSheetDialog(this) : EnterSheetDialog(this); });
    }
    // Right of 口算记录, where the board is free: who is using the program. The drills,
    // their history and the solver windows' checks are kept per pupil.
    auto* pupil = new PupilBox(this);
    place(pupil, QRect(px(5580), px(6090), px(1380), px(330)), SimSun(10.5));
    const QCursor pointer = EntryCursor();
    for (const WindowEntry& w : Windows()) {
        auto* entry = qobject_cast<MenuEntry*>(control(w.menuEntry));
        entry->setCursor(pointer);
        // The first drill on this computer asks who is practising.
        const bool drill = w.name == "frm22" || w.name == "frm23";
        entry->setAction([this, &catalog, window = w.name, drill] {
            if (drill) AskPupilAtFirstDrill(this);
            catalog.open(window);
        });
    }
}

void MainMenu::paintBoard(QPainter& painter, const QRect& area) {
    PaintMenuBackground(painter, area);
    if (entriesTakeFocus_) return;
    // After the first paint the entries become reachable with the Tab key.
    entriesTakeFocus_ = true;
    QTimer::singleShot(0, this, [this] {
        for (const WindowEntry& w : Windows()) control(w.menuEntry)->setFocusPolicy(Qt::TabFocus);
    });
}

}  // namespace velunda::ui
