// The window of three linear equations: the elimination through the second equation
// over a fake form, and the real window driven from the menu.
#include <QTest>

#include "solvers/algebra/linear.h"
#include "support/fakeform.h"
#include "support/gui.h"

using namespace velunda;
using namespace velunda::testing;

namespace {
std::string Coefficient(int i) { return "Text1(" + std::to_string(i) + ")"; }
const QString kUpdate = "请下载更新版本|-|";
const QString kNoNumbers = "x=  y=  z=";
}  // namespace

class ThreeEquationsTest : public QObject {
    Q_OBJECT

private slots:
    void solve_data() {
        QTest::addColumn<QStringList>("typed");  // a1, b1, c1, d1, a2 … d3
        QTest::addColumn<QString>("result");     // Text2 afterwards
        QTest::addColumn<QString>("message");
        const QString fault = QString::fromStdString(kFault);
        QTest::newRow("one solution") << QStringList{"1", "1", "1", "-6", "1", "2", "3", "-14", "2", "1", "3", "-13"}
                                      << "x=1  y=2  z=3"
                                      << "";
        QTest::newRow("x and y rounded, z not")
            << QStringList{"3", "3", "3", "-3", "1", "2", "3", "-2", "2", "1", "3", "-2"}
            << "x=.33333  y=.33333  z=.333333333333333"
            << "";
        QTest::newRow("z from y before rounding")
            << QStringList{"2", "-1", "1", "-0.5", "1", "1", "-1", "0", "3", "2", "1", "-1"}
            << "x=.16667  y=.11111  z=.277777777777778"
            << "";
        QTest::newRow("Q1 = 0: z from the second reduced equation")
            << QStringList{"1", "1", "1", "-3", "2", "1", "2", "-5", "1", "2", "3", "-6"} << "x=1  y=1  z=1"
            << "";
        QTest::newRow("Q1 = 0: x + y + z = 6, x - y + z = 2, 2x + y - z = 1")
            << QStringList{"1", "1", "1", "-6", "1", "-1", "1", "-2", "2", "1", "-1", "-1"} << "x=1  y=2  z=3"
            << "";
        QTest::newRow("Q1 = 0 but for rounding: z from the second reduced equation")
            << QStringList{"-1", "-1.3", "3.7", "-32.3", "-7", "7.5", "25.9", "-242.7", "-9.2", "-2.8", "5.6", "-78.8"}
            << "x=-4  y=1  z=8"
            << "";
        QTest::newRow("decimals, Q1 = 0 but for rounding, z from either equation")
            << QStringList{"0.1", "0.2", "0.3", "-1.4", "0.3", "0.1", "0.9", "-3.2", "1", "1", "1", "-6"}
            << "x=1  y=2  z=3"
            << "";
        QTest::newRow("singular system typed with decimals")
            << QStringList{"0.1", "0.2", "0.3", "-1", "0.3", "0.6", "0.9", "-2", "1", "1", "1", "-1"} << kNoNumbers
            << kUpdate;
        QTest::newRow("a2 = 0 with decimals: D of rounding only")
            << QStringList{"6", "-3.4", "9", "-0.8", "0", "9", "6.7", "3.6", "-9.2", "2", "9.9", "-3.6"} << kNoNumbers
            << kUpdate;
        QTest::newRow("a1 = 0") << QStringList{"0", "1", "1", "-2", "1", "1", "1", "-3", "1", "2", "3", "-6"}
                                << kNoNumbers << kUpdate;
        QTest::newRow("a2 = 0 makes D 0")
            << QStringList{"1", "1", "1", "-3", "0", "1", "1", "-2", "1", "2", "3", "-6"} << kNoNumbers << kUpdate;
        QTest::newRow("first two rows proportional")
            << QStringList{"1", "1", "1", "-3", "2", "2", "2", "-6", "1", "2", "3", "-6"} << kNoNumbers << kUpdate;
        QTest::newRow("all empty") << QStringList(12, "") << kNoNumbers << kUpdate;
        QTest::newRow("empty constant terms count as 0")
            << QStringList{"1", "1", "1", "", "1", "2", "3", "", "2", "1", "3", ""} << "x=0  y=0  z=0"
            << "";
        QTest::newRow("a product overflows")
            << QStringList{"1e200", "1", "1", "-6", "1", "1e200", "3", "-14", "2", "1", "3", "-13"} << "old" << fault;
        QTest::newRow("typed beyond range")
            << QStringList{"1", "1", "1", "-6", "1", "2", "3", "-14", "2", "1", "3", "1e400"} << "old" << fault;
    }
    void solve() {
        QFETCH(QStringList, typed);
        QFETCH(QString, result);
        QFETCH(QString, message);
        FakeForm form{{"Text2", "old"}};
        for (int i = 1; i <= 12; ++i) form.fields[Coefficient(i)] = typed[i - 1].toStdString();
        form.run(ThreeLinearEquations);
        QCOMPARE(QString::fromStdString(form.fields["Text2"]), result);
        QCOMPARE(QString::fromStdString(form.shown()), message);
        for (const auto& [name, text] : form.writes) QCOMPARE(QString::fromStdString(name), QString("Text2"));
    }

    void windowFromMenu() {
        MenuFixture app;
        auto* w = app.open("lbl21", "frm20");
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("解三元一次方程组"));
        const QStringList typed{"1", "1", "1", "-6", "1", "2", "3", "-14", "2", "1", "3", "-13"};
        for (int i = 1; i <= 12; ++i) typeInto(w->field(Coefficient(i)), typed[i - 1]);
        pressEnter(w->field(Coefficient(12)));  // Enter computes nothing
        QCOMPARE(w->field("Text2")->text(), QString());
        click(w->button("Command2"));
        QCOMPARE(w->field("Text2")->text(), QString("x=1  y=2  z=3"));

        typeInto(w->field(Coefficient(1)), "0");
        {
            MessageCatcher catcher;
            click(w->button("Command2"));
            QCOMPARE(catcher.shown(), QString("请下载更新版本|-|Velunda"));
        }
        QCOMPARE(w->field("Text2")->text(), kNoNumbers);

        click(w->button("Command1"));
        for (int i = 1; i <= 12; ++i) QCOMPARE(w->field(Coefficient(i))->text(), QString());
        QCOMPARE(w->field("Text2")->text(), QString());

        CheckExit(app, w, "Command3");
    }

    void layoutAsDesigned() {
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
};

QTEST_MAIN(ThreeEquationsTest)
#include "tst_threeequations.moc"
