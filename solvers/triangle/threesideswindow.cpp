#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QTimer>

#include "solvers/triangle/threesides.h"
#include "solvers/triangle/trianglewindows.h"

namespace velunda::ui {
namespace {

// The legend's triangle, in twips: A at the top, B bottom left, C bottom right.
constexpr int kApexX = 2040, kApexY = 3120;
constexpr int kBaseLeft = 1200, kBaseRight = 2880, kBaseY = 3840;

// What the sides' fields hold until the pupil types.
const QString kPrompt = QStringLiteral("请输入数据");

}  // namespace

// clang-format off
WindowDesign ThreeSidesWindowDesign() {
    const FontStyle input = SimSun(12);
    // Three columns of caption and field; a caption too long for one line wraps.
    constexpr int L1 = 60, F1 = 960, L2 = 2280, F2 = 3180, L3 = 4500, F3 = 5400;
    constexpr int LW = 900, FW = 1290, H = 375;
    constexpr int R1 = 120, R2 = 600, R3 = 1080, R4 = 1560, R5 = 2040, R6 = 2520, R7 = 3060;
    const auto caption = [](std::string_view name, std::string_view text, int left, int top) {
        return ControlDesign{Kind::Label, name, text, left, top + 60, LW, 255, {.wrap = true}};
    };
    const auto output = [](std::string_view name, int left, int top) {
        return ControlDesign{Kind::Field, name, "输出数据", left, top, FW, H};
    };
    WindowDesign design{
        .name = "frm1", .title = "已知三边求三角形的其他元素", .width = 6810, .height = 4020, .background = kLightGreen,
        .controls = {
            caption("Label1(0)", "第一边长   (BC)", L1, R1 - 60),
            {Kind::Field, threesides::BC, "请输入数据", F1, R1, FW, H, input},
            caption("Label1(1)", "第二边长   (AC)", L2, R1 - 60),
            {Kind::Field, threesides::AC, "请输入数据", F2, R1, FW, H, input},
            caption("Label1(15)", "第三边长   (AB)", L3, R1 - 60),
            {Kind::Field, threesides::AB, "请输入数据", F3, R1, FW, H, input},

            caption("Label1(2)", "BC上的高", L1, R2), output(threesides::HeightToBC, F1, R2),
            caption("Label1(13)", "AC上的高", L2, R2), output(threesides::HeightToAC, F2, R2),
            caption("Label1(11)", "AB上的高", L3, R2), output(threesides::HeightToAB, F3, R2),

            caption("Label1(12)", "A的角度", L1, R3), output(threesides::AngleA, F1, R3),
            caption("Label1(10)", "B的角度", L2, R3), output(threesides::AngleB, F2, R3),
            caption("Label1(9)", "C的角度", L3, R3), output(threesides::AngleC, F3, R3),

            caption("Label1(8)", "A的弧度", L1, R4), output(threesides::AngleAInRadians, F1, R4),
            caption("Label1(7)", "B的弧度", L2, R4), output(threesides::AngleBInRadians, F2, R4),
            caption("Label1(6)", "C的弧度", L3, R4), output(threesides::AngleCInRadians, F3, R4),

            caption("Label1(3)", "周长", L1, R5), output(threesides::Perimeter, F1, R5),
            caption("Label1(14)", "面积", L2, R5), output(threesides::Area, F2, R5),
            {Kind::Button, "Command1", "清  零", F3, R5, FW, H},

            caption("Label1(5)", "  外接圆    半径", L1, R6 - 60), output(threesides::Circumradius, F1, R6),
            caption("Label1(4)", " 内切圆    半径", L2, R6 - 60), output(threesides::Inradius, F2, R6),
            {Kind::Button, "Command2", "计  算", F3, R6, FW, H},

            {Kind::Label, "Label2", "图例：", L1, R7 + 60, 780, 255, {.color = kRed}},
            {Kind::Label, "Label3", "A", kApexX - 60, kApexY - 270, 180, 255},
            {Kind::Label, "Label4", "B", kBaseLeft - 240, kBaseY - 180, 180, 255},
            {Kind::Label, "Label5", "C", kBaseRight + 90, kBaseY - 180, 180, 255},
            {Kind::Button, "Command3", "退  出", F3, R7, FW, H},
        },
        .tabOrder = {threesides::BC, threesides::AC, threesides::AB, "Command1", "Command2", "Command3",
                     threesides::HeightToBC, threesides::HeightToAC, threesides::HeightToAB, threesides::AngleA,
                     threesides::AngleB, threesides::AngleC, threesides::AngleAInRadians, threesides::AngleBInRadians,
                     threesides::AngleCInRadians, threesides::Perimeter, threesides::Area, threesides::Circumradius,
                     threesides::Inradius},
        .clearButton = "Command1", .clearedFields = {threesides::BC, threesides::AC, threesides::AB},
        .exitButton = "Command3",
    };
    design.triggers = {
        {Event::Click, "Command2", TriangleFromThreeSides, ExplainTriangleFromThreeSides},
    };
    design.figure = ThreeSidesSketch;
    {
        using namespace threesides;
        design.answers = {
            {Perimeter, "P"}, {Area, "S"}, {HeightToBC, "h₁"}, {HeightToAC, "h₂"}, {HeightToAB, "h₃"},
            {AngleA, "A", Unit::Degrees}, {AngleAInRadians, "A", Unit::Radians},
            {AngleB, "B", Unit::Degrees}, {AngleBInRadians, "B", Unit::Radians},
            {AngleC, "C", Unit::Degrees}, {AngleCInRadians, "C", Unit::Radians},
            {Circumradius, "R"}, {Inradius, "r"},
        };
        design.exercises = {{"Command2", {{BC}, {AC}, {AB}}}};
        // Every field but the three sides.
        for (const AnswerField& a : design.answers) design.results.push_back(a.field);
    }
    design.slips = ThreeSidesSlips();
    return design;
}
// clang-format on

ThreeSidesTriangleWindow::ThreeSidesTriangleWindow() : DesignedWindow(ThreeSidesWindowDesign()) {
    for (const char* side : {"Text1", "Text2", "Text3"}) field(side)->installEventFilter(this);
}

bool ThreeSidesTriangleWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (auto* edit = qobject_cast<QLineEdit*>(watched); edit && edit->text() == kPrompt) {
            // After the event: a click places the cursor once the field has the focus.
            QTimer::singleShot(0, edit, [edit] {
                if (edit->text() == kPrompt) edit->selectAll();
            });
        }
    }
    return DesignedWindow::eventFilter(watched, event);
}

void ThreeSidesTriangleWindow::paintBoard(QPainter& painter, const QRect&) {
    painter.scale(zoom() / 100.0, zoom() / 100.0);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    const QPointF A(px(kApexX), px(kApexY)), B(px(kBaseLeft), px(kBaseY)), C(px(kBaseRight), px(kBaseY));
    painter.drawLine(A, B);
    painter.drawLine(B, C);
    painter.drawLine(C, A);
}

}  // namespace velunda::ui
