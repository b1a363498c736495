// What every window shares: computations as a unit, option buttons selected by focus,
// the message box, and captions that fit.
#include <sys/mount.h>
#include <unistd.h>

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDate>
#include <QFontInfo>
#include <QMenu>
#include <QPointer>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

#include "exact/workedsolution.h"
#include "figure/figureview.h"
#include "numeric/numbertext.h"
#include "solvers/algebra/quadratic.h"
#include "solvers/plane/circle.h"
#include "solvers/plane/rectangle.h"
#include "solvers/solid/cube.h"
#include "support/fakeform.h"
#include "support/gui.h"
#include "ui/designedwindow.h"
#include "ui/fonts.h"
#include "ui/presentation.h"
#include "ui/savefile.h"
#include "ui/settings.h"
#include "ui/solutionpanel.h"

Q_DECLARE_METATYPE(velunda::Explanation)

using namespace velunda;
using namespace velunda::testing;

namespace {

// clang-format off
ui::WindowDesign OptionsWindow() {
    return {"frmTest", "测试", 4000, 2000, ui::kBrightGreen,
            {
                {ui::Kind::Option, "opt1", "角度", 120, 120, 1200, 300},
                {ui::Kind::Option, "opt2", "弧度", 1440, 120, 1200, 300},
                {ui::Kind::Label, "Label9", "", 2700, 120, 1200, 300},
                {ui::Kind::Label, "Label1", "边  长", 120, 600, 900, 300},
                {ui::Kind::Field, "Text1", "请输入数据", 1080, 600, 975, 375},
                {ui::Kind::Button, "Command1", "清  零", 120, 1200, 975, 375},
                {ui::Kind::Button, "Command2", "退  出", 1200, 1200, 975, 375},
            },
            {},
            "Command1",
            {"Text1"},
            "Command2"};
}
// clang-format on

// Each option, as it becomes selected, adds its name to the log in Label9.
void LogOpt1(Form& f) { f.write("Label9", f.text("Label9") + "opt1;"); }
void LogOpt2(Form& f) { f.write("Label9", f.text("Label9") + "opt2;"); }

ui::WindowDesign LoggingOptionsWindow() {
    ui::WindowDesign design = OptionsWindow();
    design.triggers = {{ui::Event::Selected, "opt1", LogOpt1}, {ui::Event::Selected, "opt2", LogOpt2}};
    return design;
}

class OptionsTestWindow : public ui::DesignedWindow {
public:
    OptionsTestWindow() : DesignedWindow(LoggingOptionsWindow()) {}
    QStringList selections() const { return label("Label9")->text().split(';', Qt::SkipEmptyParts); }
};

}  // namespace

class CalculatorWindowTest : public QObject {
    Q_OBJECT

private slots:
    void writesApplyWhenTheComputationCompletes() {
        FakeForm form{{"Text1", "2"}};
        const bool done = RunComputation(form, [](Form& f) {
            f.write("Text2", "a");
            QCOMPARE(f.text("Text2"), std::string("a"));  // its own pending write
            f.write("Text2", "b");
            f.ShowMessage("中途", Icon::None, "");
        });
        QVERIFY(done);
        QCOMPARE(form.writes.size(), size_t(2));
        QCOMPARE(form.fields["Text2"], std::string("b"));
        QCOMPARE(QString::fromStdString(form.shown()), QString("中途|-|"));
    }

    void faultDropsEveryWriteAndKeepsEarlierMessages() {
        FakeForm form{{"Text1", "2"}, {"Text2", "old"}};
        const bool done = RunComputation(form, [](Form& f) {
            f.write("Text2", NumberText(1));
            f.ShowMessage("无解", Icon::None, "");
            f.write("Text1", NumberText(1.0 / 0.0));
        });
        QVERIFY(!done);
        QVERIFY(form.writes.empty());
        QCOMPARE(form.fields["Text2"], std::string("old"));
        QCOMPARE(QString::fromStdString(form.shown()), "无解|-| / " + kFaultShown);
    }

    void failedStrictNumberIsAFault() {
        FakeForm form{{"Text1", "12a"}};
        QVERIFY(!RunComputation(form, [](Form& f) { f.write("Text2", NumberText(StrictNumber(f.text("Text1")))); }));
        QCOMPARE(QString::fromStdString(form.shown()), kFaultShown);
    }

    void firstOptionSelectedOnOpening() {
        OptionsTestWindow w;
        w.show();
        QVERIFY(w.option("opt1")->isChecked());
        QVERIFY(!w.option("opt2")->isChecked());
        QCOMPARE(w.selections(), QStringList{"opt1"});
    }

    void optionSelectedByFocusAndClick() {
        OptionsTestWindow w;
        w.show();
        QApplication::setActiveWindow(&w);
        // Tabbing into the group lands on its selected button and keeps the choice.
        w.option("opt2")->setFocus(Qt::TabFocusReason);
        QVERIFY(w.option("opt1")->isChecked());
        QVERIFY(w.option("opt1")->hasFocus());
        // The program giving the focus to another button selects it.
        w.option("opt2")->setFocus(Qt::OtherFocusReason);
        QVERIFY(w.option("opt2")->isChecked());
        QTest::mouseClick(w.option("opt1"), Qt::LeftButton);
        QVERIFY(w.option("opt1")->isChecked());
        // A click on the option already selected runs nothing again.
        QTest::mouseClick(w.option("opt1"), Qt::LeftButton);
        QCOMPARE(w.selections(), (QStringList{"opt1", "opt2", "opt1"}));
    }

    void clearEmptiesAndExitCloses() {
        OptionsTestWindow w;
        w.show();
        QCOMPARE(w.field("Text1")->text(), QString("请输入数据"));
        // Enter on the focused button presses it, as Space and the mouse do.
        w.button("Command1")->setFocus();
        QTest::keyClick(w.button("Command1"), Qt::Key_Return);
        QCOMPARE(w.field("Text1")->text(), QString());
        QVERIFY(w.option("opt1")->isChecked());  // options keep their state
        click(w.button("Command2"));
        QVERIFY(!w.isVisible());
    }

    void messageBoxAsAsked() {
        OptionsTestWindow w;
        w.show();
        MessageCatcher catcher;
        w.ShowMessage("不能构成三角形");
        w.ShowMessage("无法计算", Icon::Information, "自定");
        QCOMPARE(catcher.shown(), QString("不能构成三角形|-|Velunda / 无法计算|i|自定"));
    }

    void accessibleNames() {
        OptionsTestWindow w;
        QCOMPARE(w.field("Text1")->accessibleName(), QString("边 长"));
        QCOMPARE(w.label("Label1")->buddy(), w.field("Text1"));
        QCOMPARE(w.button("Command1")->accessibleName(), QString("清零"));
        QCOMPARE(w.option("opt2")->accessibleName(), QString("弧度"));
    }

    void fontsFallBackToChineseFaces_data() {
        QTest::addColumn<int>("face");
        QTest::newRow("SimSun") << int(ui::Face::SimSun);
        QTest::newRow("SimHei") << int(ui::Face::SimHei);
        QTest::newRow("KaiTi") << int(ui::Face::KaiTi);
        QTest::newRow("default") << int(ui::Face::Default);
    }
    void fontsFallBackToChineseFaces() {
        QFETCH(int, face);
        const QString family = QFontInfo(ui::MakeFont({ui::Face(face), 12})).family();
        QVERIFY2(!family.contains("DejaVu"), qPrintable(family));
        QVERIFY2(family.contains("CJK") || family.contains("AR PL") || family.contains("WenQuanYi"),
                 qPrintable(family));
    }

    // The three sides' prompt goes as the first key is typed, whether the field was reached
    // on opening, by Tab or by a click; the fresh window then computes 3, 4, 5.
    void promptReplacedByFirstKey() {
        MenuFixture app;
        auto* w = app.open("lbl4", "frm1");
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::qWait(1);
        QTest::keyClicks(w->focusWidget(), "3");
        QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
        QTest::qWait(1);
        QTest::keyClicks(w->focusWidget(), "4");
        QTest::mouseClick(w->field("Text3"), Qt::LeftButton);
        QTest::qWait(1);
        QTest::keyClicks(w->focusWidget(), "5");
        QCOMPARE(w->field("Text1")->text() + w->field("Text2")->text() + w->field("Text3")->text(), QString("345"));
        click(w->button("Command2"));
        QCOMPARE(w->field("txt2")->text(), QString("6"));
    }

    // A field too narrow for its text shows the whole text as its tooltip; the cylinder's
    // fields say which π they use.
    void toolTipsShowWholeTexts() {
        MenuFixture app;
        auto* square = app.open("lbl15", "frm12");
        typeInto(square->field("Text1"), "5");
        pressEnter(square->field("Text1"));
        QCOMPARE(square->field("Text4")->toolTip(), QString("7.07106781186548"));
        QCOMPARE(square->field("Text1")->toolTip(), QString());
        auto* cylinder = app.open("lbl24", "frm15");
        QCOMPARE(cylinder->field("Text1")->toolTip(), QString("π取3.14"));
    }

    // After 清零 typing goes on in the first field cleared; in a drill, an operation
    // chosen with the mouse leaves the focus in the answer field.
    void focusAfterClearAndChoice() {
        MenuFixture app;
        auto* circle = app.open("lbl26", "frm10");
        QVERIFY(QTest::qWaitForWindowActive(circle));
        circle->option("Option1")->setFocus();
        click(circle->button("Command1"));
        QCOMPARE(QApplication::focusWidget(), circle->field("Text1"));
        auto* drill = app.open("lbl33", "frm22");
        QVERIFY(QTest::qWaitForWindowActive(drill));
        QTest::mouseClick(drill->option("opt3"), Qt::LeftButton, {}, QPoint(8, drill->option("opt3")->height() / 2));
        QTRY_COMPARE(QApplication::focusWidget(), drill->field("Text1"));
    }

    // The panel: hidden by default, F2 shows it beside the designed area and it explains
    // the computation just run, under its figure; 清零 brings back what to type and takes
    // the figure away; F2 hides it again.
    void solutionPanel() {
        MenuFixture app;
        auto* w = app.open("lbl15", "frm12");
        QVERIFY(QTest::qWaitForWindowActive(w));
        const QSize designed = w->size();
        QVERIFY(!w->findChild<QTextBrowser*>("solution"));
        QTest::keyClick(w, Qt::Key_F2);
        auto* panel = w->findChild<QTextBrowser*>("solution");
        QVERIFY(panel && panel->isVisible());
        QCOMPARE(w->field("Text4")->geometry(), QRect(240, 56, 65, 25));
        QVERIFY(w->width() > designed.width());
        const QString hint = panel->toPlainText();
        typeInto(w->field("Text1"), "5");
        pressEnter(w->field("Text1"));
        QVERIFY2(panel->toPlainText().contains("5√2"), qPrintable(panel->toPlainText()));
        auto* figure = w->findChild<QWidget*>("figure");
        QVERIFY(figure && figure->isVisible());
        QCOMPARE(figure->geometry().bottom() + 1, panel->geometry().top());
        QCOMPARE(figure->accessibleDescription(), "正方形 ABCD，a = 5，d = 5√2，P = 20，S = 25");
        typeInto(w->field("Text1"), "-5");
        pressEnter(w->field("Text1"));
        QVERIFY2(figure->accessibleDescription().contains("不是正数"), qPrintable(figure->accessibleDescription()));
        // F11: the solution full screen, a step at a time.
        typeInto(w->field("Text1"), "5");
        pressEnter(w->field("Text1"));
        QTest::keyClick(w, Qt::Key_F11);
        QPointer<ui::PresentationView> shown;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* view = dynamic_cast<ui::PresentationView*>(top)) shown = view;
        QVERIFY(shown && shown->isFullScreen() && shown->steps() > 2);
        auto* step = shown->findChild<QLabel*>("lblStep");
        QCOMPARE(shown->shownSteps(), 1u);
        QTest::keyClick(shown, Qt::Key_Space);
        QTest::keyClick(shown, Qt::Key_Right);
        QCOMPARE(shown->shownSteps(), 3u);
        QVERIFY2(step->text().startsWith("第 3 步，共"), qPrintable(step->text()));
        QTest::keyClick(shown, Qt::Key_Left);
        QCOMPARE(shown->shownSteps(), 2u);
        const QString steps = shown->findChild<QTextBrowser*>("solution")->toPlainText();
        QVERIFY2(steps.contains("已知 a = 5") && !steps.contains("周长"), qPrintable(steps));
        QTest::keyClick(shown, Qt::Key_Escape);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!shown);
        click(w->button("Command1"));
        QCOMPARE(panel->toPlainText(), hint);
        QVERIFY(!figure->isVisible());
        QTest::keyClick(w, Qt::Key_F2);
        QVERIFY(!panel->isVisible());
        QCOMPARE(w->size(), designed);
    }

    // The panel's text, the copied text and what a screen reader reads are one text, the
    // radicand's parentheses included.
    void panelText_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("button");  // none: Enter in the last field
        QTest::addColumn<QString>("part");
        QTest::newRow("rectangle 3 by 4: the diagonal's radicand") << "lbl6"
                                                                   << "frm6"
                                                                   << "Text1=3;Text2=4"
                                                                   << "Command1"
                                                                   << "d = √(a² + b²) = √(3² + 4²) = 5";
        QTest::newRow("cube of volume 2: a cube root") << "lbl9"
                                                       << "frm11"
                                                       << "Text4=2" << QString() << "a = ∛V = ∛2 ≈";
    }
    void panelText() {
        QFETCH(QString, entry);
        QFETCH(QString, window);
        QFETCH(QString, fields);
        QFETCH(QString, button);
        QFETCH(QString, part);
        MenuFixture app;
        auto* w = app.open(entry.toLatin1().constData(), window.toLatin1().constData());
        QVERIFY(QTest::qWaitForWindowActive(w));
        w->setSolutionShown(true);
        QLineEdit* last = nullptr;
        for (const QString& f : fields.split(';')) {
            last = w->field(f.section('=', 0, 0).toLatin1().constData());
            typeInto(last, f.section('=', 1));
        }
        if (button.isEmpty())
            pressEnter(last);
        else
            click(w->button(button.toLatin1().constData()));
        auto* panel = w->findChild<QTextBrowser*>("solution");
        const QString text = panel->toPlainText();
        QVERIFY2(text.contains(part), qPrintable(text));
        QApplication::clipboard()->clear();
        QTimer::singleShot(0, [] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
                for (QAction* action : menu->actions())
                    if (action->text() == "复制解题过程") {
                        menu->setActiveAction(action);
                        QTest::keyClick(menu, Qt::Key_Return);
                    }
            if (auto* popup = QApplication::activePopupWidget()) popup->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), w->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(w, &event);
        QCOMPARE(QApplication::clipboard()->text(), text);
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(panel);
        QVERIFY(read);
        QCOMPARE(read->text(QAccessible::Value), text);
        QCOMPARE(QString::fromStdString(exact::WriteSpoken(w->solution().steps)), text);
    }

    // The writers agree: the plain notation, the text of the typeset HTML and the spoken
    // text are one text, for every step and for the first steps alone.
    void solutionWriters_data() {
        QTest::addColumn<Explanation>("explanation");
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("part");
        QTest::newRow("square roots of sums") << Explanation(ExplainRectangle) << "Text1=2;Text2=3"
                                              << "√(2² + 3²) = √13";
        QTest::newRow("fractions with roots") << Explanation(ExplainQuadraticEquation) << "Text1=1;Text2=-1;Text3=-1"
                                              << "(1+√5)/2";
        QTest::newRow("a root over π") << Explanation(ExplainCircleFromArea) << "Text4=50;Text5=3.14"
                                       << "√(50/π) = 5√(2π)/π";
        QTest::newRow("cube roots") << Explanation(ExplainCubeFromVolume) << "Text4=16"
                                    << "2∛2";
    }
    void solutionWriters() {
        QFETCH(Explanation, explanation);
        QFETCH(QString, fields);
        QFETCH(QString, part);
        const WorkedSolution s = explanation(Filled(fields));
        const QString plain = QString::fromStdString(s.plain);
        QVERIFY2(plain.contains(part), qPrintable(plain));
        QTextDocument typeset;
        typeset.setHtml(QString::fromStdString(s.html));
        QCOMPARE(typeset.toPlainText(), plain);
        QCOMPARE(QString::fromStdString(exact::WriteSpoken(s.steps)), plain);
        const QStringList lines = plain.split('\n');
        QCOMPARE(qsizetype(s.steps.size()), lines.size());
        for (std::size_t n = 1; n <= s.steps.size(); ++n) {
            const QString first = lines.mid(0, qsizetype(n)).join('\n');
            QCOMPARE(QString::fromStdString(exact::WritePlain(s.steps, n)), first);
            QCOMPARE(QString::fromStdString(exact::WriteSpoken(s.steps, n)), first);
            typeset.setHtml(QString::fromStdString(exact::WriteHtml(s.steps, n)));
            QCOMPARE(typeset.toPlainText(), first);
            QCOMPARE(QString::fromStdString(exact::WritePlain(s.steps[n - 1])), lines[qsizetype(n - 1)]);
        }
    }

    // The window's context menu offers the three-sides figure's circumcircle and incircle.
    void figureCircles() {
        MenuFixture app;
        auto* w = app.open("lbl4", "frm1");
        QVERIFY(QTest::qWaitForWindowActive(w));
        w->setSolutionShown(true);
        for (const auto& [field, side] : {std::pair{"Text1", "4"}, {"Text2", "5"}, {"Text3", "6"}}) {
            w->field(field)->setText(side);
        }
        click(w->button("Command2"));
        auto* figure = w->findChild<ui::FigureView*>("figure");
        QVERIFY(figure && figure->isVisible() && !figure->extrasShown());
        QTimer::singleShot(0, [] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
                for (QAction* action : menu->actions())
                    if (action->text() == "显示外接圆和内切圆") action->trigger();
            if (auto* popup = QApplication::activePopupWidget()) popup->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, figure->geometry().center(),
                                w->mapToGlobal(figure->geometry().center()));
        QApplication::sendEvent(w, &event);
        QVERIFY(figure->extrasShown());
    }

    // A save dialog opens where the user saved last, while that folder is there, else in
    // the documents folder, and offers a name with the pupil's name, once chosen, and the date.
    void whereFilesGo() {
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(ui::SaveFolder(), documents);
        {
            QTemporaryDir last;
            ui::ProgramSettings::instance().setValue("files/lastFolder", last.path());
            QCOMPARE(ui::SaveFolder(), last.path());
        }
        QCOMPARE(ui::SaveFolder(), documents);  // gone since
        const QString today = QDate::currentDate().toString(Qt::ISODate);
        ui::SetFileOwner("");
        QCOMPARE(ui::DatedName("口算记录", "csv"), "口算记录-" + today + ".csv");
        ui::SetFileOwner(" 张/三: ");
        QCOMPARE(ui::DatedName("口算记录", "csv"), "口算记录-张_三_-" + today + ".csv");
        ui::SetFileOwner(ui::CurrentPupil::instance().chosen() ? ui::CurrentPupil::instance().pupil().name : "");
    }

    // A sheet that cannot be written says why in Chinese, the system's own words only as
    // a detail after it, and leaves nothing behind.
    void sheetNotWritten_data() {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("why");
        QTest::newRow("a folder that does not exist") << "missing/sheet.pdf"
                                                      << "文件夹 {dir}/missing 不存在";
        QTest::newRow("a folder of that name") << "taken"
                                               << "那里已经有一个同名的文件夹";
        QTest::newRow("a read-only disk") << "read-only/sheet.pdf"
                                          << "这个磁盘是只读的，不能在上面保存文件";
    }
    void sheetNotWritten() {
        QFETCH(QString, where);
        QFETCH(QString, why);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("taken"));
        const QByteArray disk = QFile::encodeName(dir.filePath("read-only"));
        if (where.startsWith("read-only")) {
            QVERIFY(QDir(dir.path()).mkpath("read-only"));
            if (geteuid() != 0 || ::mount("tmpfs", disk.constData(), "tmpfs", MS_RDONLY, "size=64k") != 0)
                QSKIP("a read-only disk is mounted by root alone");
        }
        const auto unmount = qScopeGuard([&] { ::umount2(disk.constData(), MNT_DETACH); });
        const QString path = dir.filePath(where);
        const QString fault = ui::WriteSolutionPdf(path, "解正方形", WorkedSolution{});
        const QString told = "无法写入文件 " + path + "：" + QString(why).replace("{dir}", dir.path()) + "。";
        QVERIFY2(fault.startsWith(told), qPrintable(fault));
        QVERIFY2(fault == told || fault.mid(told.size()).startsWith("（系统的说明："), qPrintable(fault));
        QCOMPARE(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files), QStringList());
    }
};

QTEST_MAIN(CalculatorWindowTest)
#include "tst_calculatorwindow.moc"
