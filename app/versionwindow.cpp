#include "app/versionwindow.h"

#include <QPainter>

#include "ui/artwork.h"
#include "ui/palette.h"

namespace velunda::ui {

namespace {

// clang-format off
WindowDesign VersionDesign() {
    FontStyle name = SimSun(28);
    name.bold = true;
    return {
        .name = "frmbanben", .title = "版本信息", .width = 6000, .height = 3600, .background = QColor(20, 60, 90),
        .controls = {
            {Kind::Label, "Label1", "Velunda", 0, 300, 6000, 700, {.font = name, .color = kYellow, .centered = true}},
            {Kind::Label, "Label2", "每一道题，都算到最后一位", 0, 1150, 6000, 400,
             {.font = KaiTi(15.75), .color = kBrightGreen, .centered = true}},
            {Kind::Label, "Label3", "作者：Velunda 开发组", 0, 1800, 6000, 300,
             {.font = SimSun(10.5), .color = kWhite, .centered = true}},
            {Kind::Label, "Label4", "版本：1.0（2026 年 12 月）", 0, 2150, 6000, 300,
             {.font = SimSun(10.5), .color = kWhite, .centered = true}},
            {Kind::Label, "Label5", "网址：https://velunda.example.org", 0, 2700, 6000, 300,
             {.font = SimSun(9), .color = kLightCyan, .centered = true}},
        },
    };
}
// clang-format on

}  // namespace

VersionWindow::VersionWindow() : DesignedWindow(VersionDesign()) {}

void VersionWindow::paintBoard(QPainter& painter, const QRect& area) { PaintVersionBackground(painter, area); }

}  // namespace velunda::ui
