// The two drill windows opened from the menu: their look when they open, answers
// typed by reading the problem, the counts, the clock, and the test window's summary.
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFontInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "drills/drillwindow.h"
#include "drills/historystore.h"
#include "drills/sheet.h"
#include "drills/sheetpdf.h"
#include "drills/strategy.h"
#include "support/gui.h"
#include "ui/menuentry.h"

using namespace velunda;
using namespace velunda::testing;

namespace {

// The result of a problem such as "7+2=" or "56÷7=", worked out here.
int solve(const QString& problem) {
    static const QRegularExpression form("^(\\d+)([-+×÷])(\\d+)=$");
    const auto m = form.match(problem);
    if (!m.hasMatch()) return -1000;
    const int a = m.captured(1).toInt(), b = m.captured(3).toInt();
    const QString op = m.captured(2);
    if (op == "+") return a + b;
    if (op == "-") return a - b;
    if (op == "×") return a * b;
    return a % b == 0 ? a / b : -1000;
}

QString counts(ui::DrillWindow* w) {
    return w->label("lbl2")->text() + "/" + w->label("lbl3")->text() + "/" + w->label("lbl4")->text();
}

// Types the right answer to the problem on show, or one more than it.
void answer(ui::DrillWindow* w, bool right) {
    const int result = solve(w->label("lbl1")->text());
    QVERIFY2(result >= 0, qPrintable(w->label("lbl1")->text()));
    typeInto(w->field("Text1"), QString::number(right ? result : result + 1));
    pressEnter(w->field("Text1"));
}

// The problem is whole and the answer field stands at its operation's place, or right
// of a problem too wide for it.
void checkProblem(ui::DrillWindow* w, const QString& pattern, int designedLeft) {
    QLabel* problem = w->label("lbl1");
    QVERIFY2(QRegularExpression(pattern).match(problem->text()).hasMatch(), qPrintable(problem->text()));
    const int x = w->field("Text1")->x();
    QVERIFY2(x >= ui::px(designedLeft), qPrintable(QString::number(x)));
    QVERIFY(problem->x() + QFontMetrics(problem->font()).horizontalAdvance(problem->text()) < x);
    QVERIFY(x + w->field("Text1")->width() <= w->width());
}

const QString addition = "^\\d\\+\\d=$", subtraction = "^\\d-\\d=$", multiplication = "^\\d×\\d=$",
              division = "^\\d+÷\\d=$";

}  // namespace

class DrillWindowsTest : public QObject {
    Q_OBJECT

    static void windows_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QColor>("clock");
        QTest::newRow("practice: blue clock") << "lbl33"
                                              << "frm22" << QColor(0, 0, 255);
        QTest::newRow("test: pink clock") << "lbl34"
                                          << "frm23" << QColor(255, 128, 255);
    }

private slots:

    void opening_data() { windows_data(); }
    void opening() {
        QFETCH(QString, entry);
        QFETCH(QString, window);
        QFETCH(QColor, clock);
        MenuFixture app;
        auto* w = app.open<ui::DrillWindow>(qPrintable(entry), qPrintable(window));
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("口算练习"));
        QCOMPARE(w->palette().color(QPalette::Window), QColor(0, 0, 0));
        QCOMPARE(w->label("Label1")->palette().color(QPalette::WindowText), clock);
        QCOMPARE(w->label("lbl1")->palette().color(QPalette::WindowText), QColor(255, 255, 0));
        QCOMPARE(w->label("lbl2")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QVERIFY(QFontInfo(w->label("lbl1")->font()).family().contains("CJK"));
        QVERIFY(QFontInfo(w->label("Label1")->font()).family().contains("Sans CJK"));
        // The addition option is selected, the counts are at 0 and an addition problem shows.
        QVERIFY(w->option("opt1")->isChecked());
        for (const char* o : {"opt2", "opt3", "opt4"}) QVERIFY(!w->option(o)->isChecked());
        QCOMPARE(counts(w), QString("00/00/00"));
        QCOMPARE(w->field("Text1")->text(), QString());
        checkProblem(w, addition, 3720);
        auto* timer = w->findChild<QTimer*>("Timer1");
        QVERIFY(timer && timer->isActive());
        QCOMPARE(timer->interval(), 999);
    }

    void drill_data() { windows_data(); }
    void drill() {
        QFETCH(QString, entry);
        QFETCH(QString, window);
        MenuFixture app;
        auto* w = app.open<ui::DrillWindow>(qPrintable(entry), qPrintable(window));
        answer(w, true);
        QCOMPARE(counts(w), QString("1/0/1"));
        QCOMPARE(w->field("Text1")->text(), QString());
        checkProblem(w, addition, 3720);
        const QString missed = w->label("lbl1")->text();
        answer(w, false);
        QCOMPARE(counts(w), QString("1/1/2"));
        // The way to work the missed sum shows under the counts until the next answer.
        auto* strategy = w->findChild<QLabel*>("lblStrategy");
        QVERIFY(strategy && strategy->isVisible());
        QVERIFY2(strategy->text().startsWith(QString(missed).replace("+", " + ").chopped(1) + "："),
                 qPrintable(strategy->text()));

        // Another operation: a new problem and a new place for the answer, same counts.
        QTest::mouseClick(w->option("opt4"), Qt::LeftButton);
        checkProblem(w, division, 4080);
        QCOMPARE(counts(w), QString("1/1/2"));
        for (int i = 0; i < 5; ++i) answer(w, true);
        checkProblem(w, division, 4080);
        QCOMPARE(counts(w), QString("6/1/7"));
        QCOMPARE(strategy->text(), QString());

        QTest::mouseClick(w->option("opt2"), Qt::LeftButton);
        checkProblem(w, subtraction, 3720);
        const QStringList operands = w->label("lbl1")->text().split(QRegularExpression("[-=]"));
        QVERIFY(operands[0].toInt() >= operands[1].toInt());
        answer(w, true);
        QCOMPARE(counts(w), QString("7/1/8"));

        QTest::mouseClick(w->option("opt3"), Qt::LeftButton);
        checkProblem(w, multiplication, 3820);
        answer(w, false);
        QCOMPARE(counts(w), QString("7/2/9"));
        // An answer that is no number counts as 0.
        const bool zero = solve(w->label("lbl1")->text()) == 0;
        typeInto(w->field("Text1"), "abc");
        pressEnter(w->field("Text1"));
        QCOMPARE(counts(w), zero ? QString("8/2/10") : QString("7/3/10"));

        // The clock counts on, whatever the pupil does.
        QTRY_VERIFY_WITH_TIMEOUT(QRegularExpression("^0:00:[0-5]\\d$").match(w->label("Label1")->text()).hasMatch() &&
                                     w->label("Label1")->text() != "0:00:00",
                                 10000);
    }

    void summaryOnClosing_data() {
        QTest::addColumn<QString>("answers");  // R right, W wrong
        QTest::addColumn<QString>("firstLine");
        QTest::addColumn<QString>("lastLine");
        QTest::newRow("no answer: not tested") << ""
                                               << "正 确 率 ：未检测"
                                               << "题 目 总 数 ：0";
        QTest::newRow("2 of 3: 66％") << "RWR"
                                      << "正 确 率 ：66％"
                                      << "题 目 总 数 ：3";
        QTest::newRow("3 of 3: 100％") << "RRR"
                                       << "正 确 率 ：100％"
                                       << "题 目 总 数 ：3";
        QTest::newRow("0 of 4: 0％") << "WWWW"
                                     << "正 确 率 ：0％"
                                     << "题 目 总 数 ：4";
    }
    void summaryOnClosing() {
        QFETCH(QString, answers);
        QFETCH(QString, firstLine);
        QFETCH(QString, lastLine);
        MenuFixture app;
        MessageCatcher catcher;
        QPointer<ui::DrillWindow> w = app.open<ui::DrillWindow>("lbl34", "frm23");
        for (QChar a : answers) answer(w, a == 'R');
        const QString clock = w->label("Label1")->text();
        w->close();
        QCOMPARE(catcher.shown(), firstLine + "\r\n用 时 ：" + clock + "\r\n" + lastLine + "|-|Velunda");
        QVERIFY(!w || !w->isVisible());
        // Opened again, it starts afresh.
        auto* again = app.open<ui::DrillWindow>("lbl34", "frm23");
        QVERIFY(again != w.data() || !w);
        QCOMPARE(counts(again), QString("00/00/00"));
    }

    // The wrong-answer book has a button of its own in the practice window and in the
    // history window, today's practice one beside it; a label says which set is on.
    void wrongBookAndToday() {
        MenuFixture app;
        auto* w = app.open<ui::DrillWindow>("lbl33", "frm22");
        answer(w, false);
        HistoryStore::Shared().flush();
        auto* set = w->findChild<QLabel*>("lblSet");
        QVERIFY(set && set->isVisible() && set->text().isEmpty());
        for (const char* button : {"cmdToday", "cmdWrongBook"}) {
            QTest::mouseClick(w->findChild<QPushButton*>(button), Qt::LeftButton);
            HistoryStore::Shared().flush();  // the facts read, and handed to the window
            QApplication::processEvents();
            const QString shown = QString(button) == "cmdToday" ? "今日练习：还有 " : "错题本：还有 ";
            QVERIFY2(set->text().startsWith(shown) && set->text().endsWith(" 题"), qPrintable(set->text()));
        }
        // Choosing an operation goes back to the drill.
        QTest::mouseClick(w->option("opt3"), Qt::LeftButton);
        QCOMPARE(set->text(), QString());
        // From the history window, the practice window opens on the book.
        auto* history = app.open<QWidget>("lblHistory", "frmhistory");
        QTest::mouseClick(history->findChild<QPushButton*>("cmdWrongBook"), Qt::LeftButton);
        HistoryStore::Shared().flush();
        QApplication::processEvents();
        QVERIFY2(set->text().startsWith("错题本：还有 "), qPrintable(set->text()));
    }

    // A printed sheet: its problem pages with the header and code, then its answer pages,
    // read back from the PDF as text; the QR code of its code is drawn.
    void sheetPdf() {
        const SheetPlan plan{SheetSet::CarryAddition, 2, 2026};
        const std::vector<Problem> problems = SheetProblems(plan);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("sheet.pdf");
        QCOMPARE(ui::WriteSheetPdf(pdf, plan, problems), QString());
        QProcess text;
        text.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(text.waitForFinished(30000));
        const QString read = QString::fromUtf8(text.readAllStandardOutput());
        const QStringList pages = read.split('\f', Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), 4);
        const QString code = QString::fromStdString(SheetCode(plan));
        // The text as it reads without the blanks that set the problems out.
        auto bare = [](QString text) { return text.remove(QRegularExpression("\\s")); };
        for (int page = 0; page < 4; ++page) {
            const bool answers = page >= 2;
            QVERIFY2(pages[page].contains("题卡编号 " + code), qPrintable(pages[page].left(300)));
            QCOMPARE(pages[page].contains("姓名"), !answers);
            QCOMPARE(pages[page].contains("（答案）"), answers);
            const Problem& first = problems[std::size_t(page % 2) * 100];
            const QString expected =
                QString::fromStdString(first.text()) + (answers ? QString::number(first.result()) : QString());
            QVERIFY2(bare(pages[page]).contains(expected), qPrintable(expected));
        }
        const QImage qr = ui::QrCode(code.toStdString());
        QVERIFY2(!qr.isNull() && qr.width() >= 29 && qr.width() == qr.height(), "no QR code");
    }

    // 录入题卡成绩: the code gives back the sheet; the problems ticked are the wrong ones;
    // the answers go into the history as a sheet's.
    void enteringASheet() {
        MenuFixture app;
        MessageCatcher catcher;
        const SheetPlan plan{SheetSet::Multiplication, 1, 99};
        const std::vector<Problem> problems = SheetProblems(plan);
        const std::size_t before = HistoryStore::Shared().answers().size();
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            dialog->findChild<QLineEdit*>("txtSheetCode")->setText(QString::fromStdString(SheetCode(plan)));
            dialog->findChild<QPushButton*>("cmdFindSheet")->click();
            for (int wrong : {3, 50, 100})
                dialog->findChild<QCheckBox*>(QString("chkWrong(%1)").arg(wrong))->setChecked(true);
            dialog->findChild<QSpinBox*>("spnMinutes")->setValue(5);
            dialog->findChild<QPushButton*>("cmdSaveSheet")->click();
        });
        app.menu->findChild<ui::MenuEntry*>("lblEnterSheet")->activate();
        QCOMPARE(catcher.shown(), QString("已记下 100 道题，其中做错 3 道。|i|Velunda"));
        HistoryStore::Shared().flush();
        const std::vector<AnswerRecord> answers = HistoryStore::Shared().answers();
        QCOMPARE(answers.size(), before + 100);
        int wrong = 0;
        for (std::size_t i = before; i < answers.size(); ++i) {
            QCOMPARE(answers[i].mode, DrillMode::Sheet);
            QCOMPARE(answers[i].problem.text(), problems[i - before].text());
            QCOMPARE(answers[i].seconds, 3.0);
            wrong += !answers[i].right;
        }
        QCOMPARE(wrong, 3);
        QVERIFY(!answers[before + 2].right && !answers[before + 49].right && !answers[before + 99].right);
    }

    // A test with a length ends with its summary when the length is reached; the label
    // says what is left, and without a length the test goes on.
    void testEndsAtItsLength_data() {
        QTest::addColumn<QString>("length");
        QTest::addColumn<int>("answers");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("left");  // after the first answer
        QTest::addColumn<QString>("lastLine");
        QTest::newRow("20 problems") << "20 题" << 20 << 0 << "测试：还剩 19 题"
                                     << "题 目 总 数 ：20";
        QTest::newRow("1 minute") << "1 分钟" << 3 << 60 << "测试：还剩 1:00"
                                  << "题 目 总 数 ：3";
        QTest::newRow("no length") << "不限" << 25 << 0 << "测试：不限题数，关上窗口时结束" << QString();
    }
    void testEndsAtItsLength() {
        QFETCH(QString, length);
        QFETCH(int, answers);
        QFETCH(int, ticks);
        QFETCH(QString, left);
        QFETCH(QString, lastLine);
        MenuFixture app;
        MessageCatcher catcher;
        QPointer<ui::DrillWindow> w = app.open<ui::DrillWindow>("lbl34", "frm23");
        auto* lengths = w->findChild<QComboBox*>("cmbLength");
        QVERIFY(lengths);
        const int index = lengths->findText(length);
        QVERIFY(index >= 0);
        lengths->setCurrentIndex(index);
        emit lengths->activated(index);
        for (int i = 0; i < answers; ++i) {
            answer(w, true);
            if (i == 0) QCOMPARE(w->findChild<QLabel*>("lblLeft")->text(), left);
        }
        QVERIFY(!lengths->isEnabled());
        // The clock, faster: its ticks count seconds whatever their interval.
        auto* clock = w->findChild<QTimer*>("Timer1");
        clock->setInterval(1);
        if (ticks) QTRY_VERIFY_WITH_TIMEOUT(!w || !w->isVisible(), 10000);
        QApplication::processEvents();
        if (lastLine.isEmpty()) {
            QVERIFY(w && w->isVisible());
            QCOMPARE(catcher.shown(), QString());
            return;
        }
        QTRY_VERIFY(!w || !w->isVisible());
        QVERIFY2(catcher.shown().endsWith("\r\n" + lastLine + "|-|Velunda"), qPrintable(catcher.shown()));
        QVERIFY(catcher.shown().startsWith("正 确 率 ：100％"));
    }

    // Every strategy the drills can show fits its line whole, in the installed faces.
    void everyStrategyFits() {
        MenuFixture app;
        auto* w = app.open<ui::DrillWindow>("lbl34", "frm23");
        const QLabel* line = w->findChild<QLabel*>("lblStrategy");
        const QFontMetrics metrics(line->font());
        for (int op = 0; op < 4; ++op)
            for (int first = 0; first <= (op == 3 ? 105 : 18); ++first)
                for (int second = op == 3 ? 1 : 0; second <= 9; ++second) {
                    if ((op == 3 && first % second != 0) || (op == 1 && first < second) ||
                        (op != 1 && op != 3 && first > 9))
                        continue;
                    const QString text = QString::fromStdString(
                        StrategyText({Operation(op), std::int16_t(first), std::int16_t(second)}));
                    const QRect needed = metrics.boundingRect(QRect(0, 0, line->width(), 1000), Qt::TextWordWrap, text);
                    QVERIFY2(needed.height() <= line->height(), qPrintable(text));
                }
    }

    void practiceClosesWithoutMessage() {
        MenuFixture app;
        MessageCatcher catcher;
        QPointer<ui::DrillWindow> w = app.open<ui::DrillWindow>("lbl33", "frm22");
        answer(w, true);
        w->close();
        QVERIFY(!w || !w->isVisible());
        QCOMPARE(catcher.shown(), QString());
    }

    void windowsKeepTheirOwnCounts() {
        MenuFixture app;
        auto* practice = app.open<ui::DrillWindow>("lbl33", "frm22");
        auto* test = app.open<ui::DrillWindow>("lbl34", "frm23");
        answer(practice, true);
        answer(test, false);
        answer(test, false);
        QCOMPARE(counts(practice), QString("1/0/1"));
        QCOMPARE(counts(test), QString("0/2/2"));
    }

    // Before the window opens, every label holds its designed text.
    void designedTexts() {
        ui::TestDrillWindow w;
        QCOMPARE(w.label("Label1")->text(), QString("00:00:00"));
        QCOMPARE(w.label("lbl1")->text(), QString());
        for (const char* count : {"lbl2", "lbl3", "lbl4"}) QCOMPARE(w.label(count)->text(), QString("00"));
        QCOMPARE(w.label("Label2(0)")->text(), QString(" 总  计  ："));
        QCOMPARE(w.label("Label2(1)")->text(), QString("正确的个数："));
        QCOMPARE(w.label("Label2(2)")->text(), QString("错误的个数："));
        QCOMPARE(w.option("opt1")->text(), QString("一位数相加"));
        QCOMPARE(w.option("opt2")->text(), QString("一位数相减"));
        QCOMPARE(w.option("opt3")->text(), QString("一位数相乘"));
        QCOMPARE(w.option("opt4")->text(), QString("一位数相除"));
        QCOMPARE(w.field("Text1")->geometry(), QRect(232, 32, 185, 33));
    }

    // 练习错题 poses the facts answered wrongly, each until it is answered right twice in
    // a row, then says so; the counts are the practice's own.
    void wrongAnswerPractice() {
        MenuFixture app;
        auto* w = app.open<ui::DrillWindow>("lbl33", "frm22");
        QVERIFY(w);
        const QString wrong = w->label("lbl1")->text();
        answer(w, false);
        HistoryStore::Shared().flush();
        MessageCatcher catcher;
        w->practiseWrongAnswers();
        HistoryStore::Shared().flush();  // the book read, and handed to the window
        QApplication::processEvents();
        QCOMPARE(w->label("lbl2")->text(), w->label("lbl3")->text());  // both 0
        QStringList posed;
        for (int i = 0; i < 400 && catcher.messages.empty(); ++i) {
            posed << w->label("lbl1")->text();
            answer(w, true);
        }
        QCOMPARE(catcher.shown(), QString("错题都已连续答对两次，错题本练完了！|i|Velunda"));
        QVERIFY2(posed.count(wrong) >= 2, qPrintable(posed.join(' ')));
    }
};

QTEST_MAIN(DrillWindowsTest)
#include "tst_drillwindows.moc"
