// The window of two linear equations: its nine cases and the answers for the inputs
// they leave open, over a fake form, and the real window driven from the menu.
#include <QTest>

#include "solvers/algebra/linear.h"
#include "support/fakeform.h"
#include "support/gui.h"

using namespace velunda;
using namespace velunda::testing;

namespace {
// The coefficient fields in the order a1, b1, c1, a2, b2, c2.
const char* const kCoefficients[] = {"Text1", "Text2", "Text6", "Text3", "Text4", "Text7"};
const QString kNotASystem = "这个不是二元一次方程组|-|";
}  // namespace

class TwoEquationsTest : public QObject {
    Q_OBJECT

private slots:
    void solve_data() {
        QTest::addColumn<QStringList>("typed");  // a1, b1, c1, a2, b2, c2
        QTest::addColumn<QString>("result");     // Text5 afterwards
        QTest::addColumn<QString>("message");
        const QString fault = QString::fromStdString(kFault);
        QTest::newRow("case 5: one crossing point") << QStringList{"1", "1", "-3", "1", "-1", "-1"} << "x=2  y=1"
                                                    << "";
        QTest::newRow("case 1: first without y") << QStringList{"2", "0", "-4", "1", "1", "-5"} << "x=2  y=3"
                                                 << "";
        QTest::newRow("case 2: second without y") << QStringList{"1", "1", "-5", "2", "0", "-4"} << "x=2  y=3"
                                                  << "";
        QTest::newRow("case 5: x rounded, y not")
            << QStringList{"0", "3", "-1", "1", "1", "0"} << "x=-.33333  y=.333333333333333"
            << "";
        QTest::newRow("case 5: y from x before rounding")
            << QStringList{"3", "3", "-1", "1", "-1", "0"} << "x=.16667  y=.166666666666667"
            << "";
        QTest::newRow("case 5: one line twice, products differ")
            << QStringList{"0.1", "0.3", "-1", "0.3", "0.9", "-3"} << "x=8  y=.666666666666667"
            << "";
        QTest::newRow("case 3: y is any number") << QStringList{"2", "0", "-4", "1", "0", "-2"} << "x=2  y为任何实数"
                                                 << "";
        QTest::newRow("case 3: halfway rounds down to even")
            << QStringList{"1", "0", "-0.000125", "1", "0", "-0.000125"} << "x=.00012  y为任何实数"
            << "";
        QTest::newRow("case 3: halfway rounds up to even")
            << QStringList{"1", "0", "-0.000135", "1", "0", "-0.000135"} << "x=.00014  y为任何实数"
            << "";
        QTest::newRow("case 3 without x: not a system")
            << QStringList{"0", "0", "0", "2", "0", "4"} << "old" << kNotASystem;
        QTest::newRow("all empty: not a system") << QStringList{"", "", "", "", "", ""} << "old" << kNotASystem;
        QTest::newRow("case 4: 0 = 5") << QStringList{"0", "0", "5", "2", "0", "1"} << "无解"
                                       << "";
        QTest::newRow("case 6: x is any number") << QStringList{"0", "2", "-4", "0", "1", "-2"} << "x为任何实数  y=2"
                                                 << "";
        QTest::newRow("case 7: parallel lines in y") << QStringList{"0", "2", "-4", "0", "1", "-3"} << "无解"
                                                     << "";
        QTest::newRow("case 8: one line twice") << QStringList{"1", "1", "-1", "2", "2", "-2"} << "解为任意实数"
                                                << "";
        QTest::newRow("case 9: parallel lines") << QStringList{"1", "1", "-1", "2", "2", "-3"} << "无解"
                                                << "";
        QTest::newRow("x alone twice, contradicting") << QStringList{"1", "0", "1", "1", "0", "2"} << "无解"
                                                      << "";
        QTest::newRow("case 1 with 0 = 5") << QStringList{"0", "0", "5", "1", "1", "1"} << "无解"
                                           << "";
        QTest::newRow("case 1 with 0 = 0") << QStringList{"0", "0", "0", "1", "1", "1"} << "old" << kNotASystem;
        QTest::newRow("case 2 with 0 = 3") << QStringList{"1", "1", "1", "0", "0", "3"} << "无解"
                                           << "";
        QTest::newRow("case 2 with 0 = 0") << QStringList{"1", "1", "1", "0", "", ""} << "old" << kNotASystem;
        QTest::newRow("large x is not rounded away")
            << QStringList{"1", "0", "-1e300", "1", "1", "0"} << "x=1E+300  y=-1E+300"
            << "";
        QTest::newRow("a product overflows") << QStringList{"1e200", "1", "1", "1", "1e200", "1"} << "old" << fault;
        QTest::newRow("typed beyond range") << QStringList{"1e400", "1", "1", "1", "-1", "1"} << "old" << fault;
        QTest::newRow("a product underflows") << QStringList{"0", "1e-200", "1", "1e-200", "1", "1"} << "old" << fault;
    }
    void solve() {
        QFETCH(QStringList, typed);
        QFETCH(QString, result);
        QFETCH(QString, message);
        FakeForm form{{"Text5", "old"}};
        for (int i = 0; i < 6; ++i) form.fields[kCoefficients[i]] = typed[i].toStdString();
        form.run(TwoLinearEquations);
        QCOMPARE(QString::fromStdString(form.fields["Text5"]), result);
        QCOMPARE(QString::fromStdString(form.shown()), message);
        // Only the result line is ever written.
        for (const auto& [name, text] : form.writes) QCOMPARE(QString::fromStdString(name), QString("Text5"));
        for (int i = 0; i < 6; ++i) QCOMPARE(QString::fromStdString(form.fields[kCoefficients[i]]), typed[i]);
    }

    void windowFromMenu() {
        MenuFixture app;
        auto* w = app.open("lbl8", "frm19");
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("解二元一次方程组"));
        const QStringList typed{"1", "1", "-3", "1", "-1", "-1"};
        for (int i = 0; i < 6; ++i) typeInto(w->field(kCoefficients[i]), typed[i]);
        pressEnter(w->field("Text7"));  // Enter computes nothing
        QCOMPARE(w->field("Text5")->text(), QString());
        click(w->button("Command4"));
        QCOMPARE(w->field("Text5")->text(), QString("x=2  y=1"));

        click(w->button("Command1"));
        for (int i = 1; i <= 7; ++i) QCOMPARE(w->field("Text" + std::to_string(i))->text(), QString());
        {
            MessageCatcher catcher;
            click(w->button("Command4"));
            QCOMPARE(catcher.shown(), QString("这个不是二元一次方程组|-|Velunda"));
        }
        QCOMPARE(w->field("Text5")->text(), QString());

        typeInto(w->field("Text1"), "1e200");
        typeInto(w->field("Text4"), "1e200");
        {
            MessageCatcher catcher;
            click(w->button("Command4"));
            QCOMPARE(catcher.shown(), QString("无法计算，请检查输入的数据|i|Velunda"));
        }
        QCOMPARE(w->field("Text1")->text(), QString("1e200"));

        CheckExit(app, w, "Command3");
    }

    void layoutAsDesigned() {
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
};

QTEST_MAIN(TwoEquationsTest)
#include "tst_twoequations.moc"
