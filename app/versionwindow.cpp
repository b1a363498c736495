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
    return {"frmbanben", "版本信息", 6000, 3600, QColor(20, 60, 90),
            {
                {Kind::Label, "Label1", "Velunda", 0, 300, 6000, 700, name, kYellow, {}, false, true},
                {Kind::Label, "Label2", "每一道题，都算到最后一位", 0, 1150, 6000, 400, KaiTi(15.75), kBrightGreen, {},
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

VersionWindow::VersionWindow() : DesignedWindow(VersionDesign()) {}

void VersionWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintVersionBackground(painter, rect());
}

}  // namespace velunda::ui
