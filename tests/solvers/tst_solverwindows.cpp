// The solver windows opened from the menu: what each shows beyond its computations,
// its captions and layout, its focus and tab order, and its state when opened again.
#include <QImage>
#include <QTest>
#include <algorithm>
#include <set>

#include "app/translations.h"
#include "support/gui.h"
#include "support/windownames.h"

using namespace velunda;
using namespace velunda::testing;

namespace {
// The fields of the window of three equations, Text1(1) … Text1(12).
std::string Coefficient(int i) { return "Text1(" + std::to_string(i) + ")"; }
}  // namespace

class SolverWindowsTest : public QObject {
    Q_OBJECT

private slots:
    // The computation tests run without windows: the fake form takes the names a
    // computation may use, and the window whose trigger runs it, from the solver headers
    // (support/windownames.h). Every window of the window table with a design has there
    // exactly its fields and option buttons and the computations of its triggers, and
    // nothing is there that no design has.
    void computationsKnowTheirWindows() {
        std::set<std::string_view> designed;
        for (const ui::WindowEntry& entry : ui::Windows()) {
            if (!entry.design) continue;
            designed.insert(entry.name);
            const ui::WindowDesign design = entry.design();
            const QString window = QString::fromUtf8(entry.name.data(), qsizetype(entry.name.size()));
            const auto listed = std::ranges::find(SolverWindows(), entry.name, &SolverWindow::name);
            QVERIFY2(listed != SolverWindows().end(), qPrintable(window));
            QStringList names, expected;
            for (const ui::ControlDesign& control : design.controls)
                if (control.kind == ui::Kind::Field || control.kind == ui::Kind::Option)
                    names << QString::fromUtf8(control.name.data(), qsizetype(control.name.size()));
            for (const std::string_view name : listed->names)
                expected << QString::fromUtf8(name.data(), qsizetype(name.size()));
            names.sort();
            expected.sort();
            QCOMPARE(window + ": " + names.join(' '), window + ": " + expected.join(' '));
            std::set<Computation> run;
            for (const ui::Trigger& trigger : design.triggers) run.insert(trigger.computation);
            QVERIFY2(run == std::set<Computation>(listed->computations.begin(), listed->computations.end()),
                     qPrintable(window));
        }
        for (const SolverWindow& window : SolverWindows()) QVERIFY2(designed.count(window.name), window.name.data());
    }

    void trigonometryLayout() {
        MenuFixture app;
        auto* w = app.open("lbl19", "frm18");
        QCOMPARE(w->size(), QSize(326, 186));
        const std::pair<const char*, const char*> captions[] = {
            {"Label1(0)", "   角度（1）"}, {"Label1(5)", "弧度（1）"}, {"Label1(3)", "正弦(sin)"},
            {"Label1(2)", "余弦(cos)"},    {"Label1(1)", "正切(tan)"}, {"Label1(7)", "余切(cot)"}};
        for (const auto& [name, caption] : captions) QCOMPARE(w->label(name)->text(), QString(caption));
        QCOMPARE(w->label("Label1(7)")->buddy(), w->field("Text8"));
        QCOMPARE(w->button("Command1")->text(), QString("清  零"));
        QCOMPARE(w->focusWidget(), w->field("Text1"));
        QCOMPARE(FocusOrder(w->field("Text1"), 10), QStringList({"Text1", "Text2", "Text5", "Text6", "Text7", "Text8",
                                                                 "Command1", "Command2", "Command3", "Text1"}));
    }

    void threeEquationsLayout() {
        MenuFixture app;
        auto* w = app.open("lbl21", "frm20");
        QCOMPARE(w->label("Label2")->text(), QString(" 括号内不准为0"));
        const std::pair<const char*, const char*> labels[] = {
            {"Label1(0)", "("},     {"Label1(2)", "("},    {"Label1(3)", ")X+("}, {"Label1(7)", ")Y+("},
            {"Label1(11)", ")Z+("}, {"Label1(12)", ")=0"}, {"Label1(13)", ")=0"}, {"Label1(15)", ")=0"}};
        for (const auto& [name, caption] : labels) QCOMPARE(w->label(name)->text(), QString(caption));
        QCOMPARE(w->label("Label1(15)")->geometry().topLeft(), QPoint(488, 16));  // row 1 at 7320
        QCOMPARE(w->field(Coefficient(7))->geometry(), QRect(288, 64, 65, 35));   // 4320, 960, 975 by 525
        QCOMPARE(w->field(Coefficient(1))->font().pointSizeF(), 26.25);
        QCOMPARE(w->button("Command2")->text(), QString("计  算"));
        QCOMPARE(w->focusWidget(), w->field(Coefficient(1)));
        QCOMPARE(FocusOrder(w->field(Coefficient(1)), 17),
                 QStringList({"Text1(1)", "Text1(2)", "Text1(3)", "Text1(4)", "Text1(12)", "Text1(11)", "Text1(10)",
                              "Text1(9)", "Text1(8)", "Text1(7)", "Text1(6)", "Text1(5)", "Text2", "Command1",
                              "Command2", "Command3", "Text1(1)"}));
    }

    void squareCaptions() {
        MenuFixture app;
        auto* w = app.open("lbl15", "frm12");
        QCOMPARE(w->button("Command1")->text(), QString("清 零"));
        QCOMPARE(w->button("Command2")->text(), QString("结 束"));
        QCOMPARE(w->label("Label1(1)")->text(), QString("填入一个数后按回车，即可得到另外三个元素的值"));
        QCOMPARE(w->label("Label2(3)")->text(), QString("正方形对角线     的长"));
        QCOMPARE(w->size(), QSize(312, 157));
        QCOMPARE(w->field("Text4")->geometry(), QRect(240, 56, 65, 25));
    }

    void sidesAngleTabOrder() {
        MenuFixture app;
        auto* w = app.open("lbl17", "frm4");
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(QApplication::focusWidget(), w->option("opt1"));
        QStringList order;
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        // The option group is one stop, at its selected button.
        QCOMPARE(order.join(','), QString("Text1,Text2,Command1,Text3,Text4,Command2,Command3,opt1"));
        QVERIFY(w->option("opt1")->isChecked());
    }

    void heightCaptionNamesItsField() {
        MenuFixture app;
        auto* w = app.open("lbl18", "frm3");
        QCOMPARE(w->label("Label1(2)")->buddy(), w->field("Text2"));
    }

    void tabbingKeepsTheChosenPi() {
        MenuFixture app;
        auto* w = app.open("lbl26", "frm10");
        click(w->option("Option2"));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        w->field("Text1")->setFocus();
        for (int i = 0; i < 4; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w->option("Option2"));  // the group's stop is its choice
        for (int i = 0; i < 5; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        for (int i = 0; i < 9; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QVERIFY(w->option("Option2")->isChecked());
        QCOMPARE(w->field("Text5")->text(), QString("3.1415926"));
    }

    // Nothing chosen on opening: the focus is in the radius field.
    void opensWithTheFocusInTheRadius() {
        MenuFixture app;
        auto* w = app.open("lbl26", "frm10");
        QCOMPARE(w->focusWidget(), w->field("Text1"));
    }

    void reopenedInRadians() {
        MenuFixture app;
        auto* w = app.open("lbl27", "frm17");
        click(w->option("opt2"));
        w->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        w = app.open("lbl27", "frm17");
        QVERIFY(w->option("opt1")->isChecked());
        QCOMPARE(w->field("Text4")->text(), QString());
    }

    void cubeLayout() {
        MenuFixture app;
        auto* w = app.open("lbl9", "frm11");
        QCOMPARE(w->size(), QSize(298, 164));
        QCOMPARE(w->label("Label1(4)")->text(), QString(" 正方体的    棱长"));
        QCOMPARE(w->label("Label1(0)")->text(), QString("正方体的棱长     总和"));
        QCOMPARE(w->label("Label1(1)")->text(), QString("正方体的   表面积"));
        QCOMPARE(w->label("Label1(2)")->text(), QString("正方体的体积"));
        QLabel* instruction = w->label("Label1(3)");
        QCOMPARE(instruction->text(), QString("填入一个数后按回车，即可得到另外三个元素的值。"));
        QCOMPARE(instruction->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(instruction->font().pointSizeF(), 12.0);
        QCOMPARE(w->button("Command2")->text(), QString("清 零"));
        QCOMPARE(w->button("Command3")->text(), QString("结 束"));
        for (const char* name : {"Label1(4)", "Label1(0)", "Label1(1)"})
            QVERIFY2(WrapsOntoTwoLines(w->label(name)), name);
        QCOMPARE(FocusOrder(w->field("Text1"), 6).join(' '), QString("Text1 Text2 Text3 Text4 Command2 Command3"));
    }

    void cuboidLayout() {
        MenuFixture app;
        auto* w = app.open("lbl22", "frm5");
        QCOMPARE(w->size(), QSize(328, 155));
        QCOMPARE(w->label("Label1(3)")->text(), QString("长方体的横   截面积"));
        QCOMPARE(w->label("Label1(5)")->text(), QString(" 长方体的   表面积"));
        QCOMPARE(w->label("Label1(6)")->text(), QString("  长方体的     体积"));
        QCOMPARE(w->label("Label1(4)")->buddy(), w->field("Text3"));
        QCOMPARE(w->button("Command1")->text(), QString("计  算"));
        QCOMPARE(w->button("Command2")->text(), QString("清  零"));
        QCOMPARE(w->button("Command3")->text(), QString("结  束"));
        // The clear button stands left of the compute button.
        QVERIFY(w->button("Command2")->x() < w->button("Command1")->x());
        // The two-line captions wrap at their blanks, onto exactly two lines.
        for (const char* name : {"Label1(3)", "Label1(5)", "Label1(6)"})
            QVERIFY2(WrapsOntoTwoLines(w->label(name)), name);
        QCOMPARE(FocusOrder(w->field("Text1"), 9).join(' '),
                 QString("Text1 Text2 Text3 Text4 Text5 Text6 Command1 Command2 Command3"));
    }

    void cylinderLayout() {
        MenuFixture app;
        auto* w = app.open("lbl24", "frm15");
        QCOMPARE(w->size(), QSize(388, 162));
        const QStringList captions{"Label1(0)=底面半径", "Label1(1)=底面周长", "Label1(2)=侧面积", "Label1(3)=表面积",
                                   "Label2=体 积",       "Label3=圆柱体的高",  "Label4=底面积"};
        for (const QString& c : captions) {
            const QStringList parts = c.split('=');
            QCOMPARE(w->label(parts[0].toStdString())->text(), parts[1]);
        }
        QCOMPARE(w->button("Command1")->text(), QString("清  零"));
        QCOMPARE(w->button("Command2")->text(), QString("计  算"));
        QCOMPARE(w->button("Command3")->text(), QString("退  出"));
        QCOMPARE(w->label("Label3")->buddy(), w->field("Text6"));
        QCOMPARE(w->focusWidget(), w->field("Text1"));  // the first of the focus order
        QCOMPARE(FocusOrder(w->field("Text1"), 10).join(' '),
                 QString("Text1 Text2 Text3 Text4 Text5 Command1 Command2 Command3 Text6 Text7"));
    }

    void secondLegOpensOnFirstKeyReleased() {
        MenuFixture app;
        auto* w = app.open("lbl5", "frm14");
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("解直角三角形"));
        QLineEdit* second = w->field("Text2");
        QVERIFY(!second->isEnabled());
        QTest::keyClicks(second, "4");  // a disabled field takes no input
        QCOMPARE(second->text(), QString());
        QTest::keyPress(w->field("Text1"), Qt::Key_3);
        QVERIFY(!second->isEnabled());  // the press alone does not open it
        QTest::keyRelease(w->field("Text1"), Qt::Key_3);
        QVERIFY(second->isEnabled());
        click(w->button("Command3"));  // clearing does not close it again
        QVERIFY(second->isEnabled());
    }

    // Opened again, the second leg is closed again.
    void reopenedWithTheSecondLegClosed() {
        MenuFixture app;
        auto* w = app.open("lbl5", "frm14");
        runSteps(w, "Text1=3;Text4=6;click Command2;click Command3");
        CheckExit(app, w, "Command1");
        w = app.open("lbl5", "frm14");
        QVERIFY(!w->field("Text2")->isEnabled());
    }

    void threeSidesCaptionsAndLegend() {
        MenuFixture app;
        auto* w = app.open("lbl4", "frm1");
        QCOMPARE(w->size(), QSize(454, 268));
        QCOMPARE(w->label("Label1(0)")->text(), QString("第一边长   (BC)"));
        QCOMPARE(w->label("Label1(5)")->text(), QString("  外接圆    半径"));
        QCOMPARE(w->label("Label1(4)")->text(), QString(" 内切圆    半径"));
        QCOMPARE(w->label("Label2")->text(), QString("图例："));
        QCOMPARE(w->label("Label2")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(w->field("Text1")->font().pointSizeF(), 12.0);
        QCOMPARE(w->palette().color(QPalette::Window), QColor(128, 255, 128));
        QCOMPARE(w->button("Command2")->text(), QString("计  算"));
        // The legend's base line runs from B to C: its middle is drawn, the window's
        // background lies above it.
        const QImage picture = w->grab().toImage();
        QVERIFY(qGray(picture.pixel(136, 256)) < 128);
        QCOMPARE(picture.pixelColor(136, 240), QColor(128, 255, 128));
    }

    void threeSidesTabOrderAfterTheSidesGoesToTheButtons() {
        MenuFixture app;
        auto* w = app.open("lbl4", "frm1");
        QCOMPARE(FocusOrder(w->field("Text3"), 2).last(), QString("Command1"));
        QCOMPARE(FocusOrder(w->button("Command3"), 2).last(), QString("txt3"));
        QCOMPARE(FocusOrder(w->field("txt11"), 2).last(), QString("txt1"));
        QCOMPARE(FocusOrder(w->field("txt2"), 2).last(), QString("txt12"));
    }

    // Opened again after a computation and its clearing, the window shows its initial texts.
    void threeSidesReopenedShowsItsInitialTexts() {
        MenuFixture app;
        auto* w = app.open("lbl4", "frm1");
        runSteps(w, "Text1=1;Text2=1;Text3=1;click Command2;click Command1");
        CheckExit(app, w, "Command3");
        w = app.open("lbl4", "frm1");
        QCOMPARE(controlTexts(w, "Text1=;txt1="), QString("Text1=请输入数据;txt1=输出数据"));
    }

    void quadraticLayout() {
        MenuFixture app;
        auto* w = app.open("lbl20", "frm16");
        // The crossing: "X1=" names Text5 and "X2=" names Text4.
        QCOMPARE(w->label("Label1(1)")->text(), QString("X1="));
        QCOMPARE(w->label("Label1(1)")->buddy(), w->field("Text5"));
        QCOMPARE(w->label("Label1(2)")->buddy(), w->field("Text4"));
        QCOMPARE(w->label("Label1(4)")->text(), QString("B="));
        QCOMPARE(w->label("Label1(3)")->text(), QString("C="));
        QCOMPARE(w->label("Label1(0)")->font().pointSizeF(), 15.75);
        QCOMPARE(w->button("Command1")->text(), QString("清  零"));
        QCOMPARE(w->button("Command2")->text(), QString("计  算"));
        QCOMPARE(w->button("Command3")->text(), QString("退  出"));
        // Tab goes A, B, C, then Text4 before Text5, then the buttons.
        QCOMPARE(FocusOrder(w->field("Text1"), 9), QStringList({"Text1", "Text2", "Text3", "Text4", "Text5", "Command1",
                                                                "Command2", "Command3", "Text1"}));
        QCOMPARE(w->focusWidget(), w->field("Text1"));  // the first of the order on opening
    }

    void twoEquationsLayout() {
        MenuFixture app;
        auto* w = app.open("lbl8", "frm19");
        const QStringList labels{")X+(", ")X+(", ")=0", ")=0", "(", "("};
        for (int i = 0; i < 6; ++i) QCOMPARE(w->label("Label1(" + std::to_string(i) + ")")->text(), labels[i]);
        QCOMPARE(w->label("Label2(0)")->text(), QString(")Y+("));
        QCOMPARE(w->label("Label2(1)")->text(), QString(")Y+("));
        QCOMPARE(w->label("Label1(0)")->font().pointSizeF(), 26.25);
        QCOMPARE(w->field("Text6")->font().pointSizeF(), 26.25);
        QCOMPARE(w->field("Text6")->geometry(), QRect(320, 16, 82, 35));  // c1 at 4800, 240
        QCOMPARE(w->field("Text4")->geometry(), QRect(152, 64, 97, 35));  // b2 at 2280, 960
        QCOMPARE(w->button("Command4")->text(), QString("计  算"));
        QCOMPARE(w->focusWidget(), w->field("Text1"));
        QCOMPARE(FocusOrder(w->field("Text1"), 11),
                 QStringList({"Text1", "Text2", "Text3", "Text4", "Text5", "Command1", "Command3", "Text6", "Text7",
                              "Command4", "Text1"}));
    }

    // With the toolkit's Chinese texts the message box's button reads "确定", and the
    // box leaves room for its title beside a title bar's icon and three buttons. Last:
    // the texts stay installed for the rest of the program.
    void messageBoxInChinese() {
        ui::InstallChineseTranslations(*qApp);
        MenuFixture app;
        auto* w = app.open("lbl20", "frm16");
        typeInto(w->field("Text1"), "1");
        typeInto(w->field("Text2"), "0");
        typeInto(w->field("Text3"), "1");
        QString title, button;
        int width = 0, needed = 0;
        QTimer watch;
        connect(&watch, &QTimer::timeout, w, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            watch.stop();
            title = box->windowTitle();
            button = box->button(QMessageBox::Ok)->text();
            const QFontMetrics metrics(box->font());
            needed = metrics.horizontalAdvance(title) + 4 * metrics.height();
            width = box->width();
            box->button(QMessageBox::Ok)->click();
        });
        watch.start(10);
        click(w->button("Command2"));
        QCOMPARE(title, QString("Velunda"));
        QCOMPARE(button, QString("确定"));
        QVERIFY2(width >= needed, qPrintable(QString("%1 < %2").arg(width).arg(needed)));
    }
};

QTEST_MAIN(SolverWindowsTest)
#include "tst_solverwindows.moc"
