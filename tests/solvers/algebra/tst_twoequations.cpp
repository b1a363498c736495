// The window of two linear equations: its nine cases and the answers for the inputs
// they leave open, over a fake form, and the real window driven from the menu.
#include <QRegularExpression>
#include <QTest>
#include <random>

#include "solvers/algebra/linear.h"
#include "support/fakeform.h"
#include "support/gui.h"

using namespace velunda;
using namespace velunda::testing;

namespace {
// The coefficient fields in the order a1, b1, c1, a2, b2, c2.
const char* const kCoefficients[] = {"Text1", "Text2", "Text6", "Text3", "Text4", "Text7"};
const QString kNotASystem = "这个不是二元一次方程组|-|";

// n units of the last of `places` decimals, as typed: Decimal(-305, 2) is "-3.05".
QString Decimal(int n, int places) {
    const int unit = places == 1 ? 10 : 100;
    const QString digits =
        QString::number(std::abs(n) / unit) + "." + QString::number(std::abs(n) % unit).rightJustified(places, '0');
    return n < 0 ? "-" + digits : digits;
}
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
        QTest::newRow("one line twice in decimals: products equal but for rounding")
            << QStringList{"0.1", "0.3", "-1", "0.3", "0.9", "-3"} << "有无数组解"
            << "";
        QTest::newRow("one line twice: x + y - .1 and 3x + 3y - .3")
            << QStringList{"1", "1", "-0.1", "3", "3", "-0.3"} << "有无数组解"
            << "";
        QTest::newRow("parallel lines in decimals: .1x + .3y - 1 and .3x + .9y - 2")
            << QStringList{"0.1", "0.3", "-1", "0.3", "0.9", "-2"} << "无解"
            << "";
        QTest::newRow("parallel lines in decimals: .3x + .9y - 2 and .1x + .3y - 1")
            << QStringList{"0.3", "0.9", "-2", "0.1", "0.3", "-1"} << "无解"
            << "";
        QTest::newRow("x = 3 twice in decimals: y is any number")
            << QStringList{"0.1", "0", "-0.3", "0.3", "0", "-0.9"} << "x=3  y为任何实数"
            << "";
        QTest::newRow("y = 3 twice in decimals: x is any number")
            << QStringList{"0", "0.1", "-0.3", "0", "0.3", "-0.9"} << "x为任何实数  y=3"
            << "";
        QTest::newRow("case 5: nearly parallel, still one crossing point")
            << QStringList{"1", "1", "-2", "1", "1.000001", "-2"} << "x=2  y=0"
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
        QTest::newRow("case 8: one line twice") << QStringList{"1", "1", "-1", "2", "2", "-2"} << "有无数组解"
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

    // Systems typed with decimals whose second equation is the first times a factor
    // (one line twice), or that and a shifted constant (parallel lines), in either
    // order: every one gets its case, whatever the rounding of the typed decimals.
    void decimalSystemsGetTheirCase_data() {
        QTest::addColumn<bool>("withX");
        QTest::addColumn<bool>("withY");
        QTest::addColumn<bool>("parallel");
        QTest::addColumn<QString>("answer");  // a pattern of the whole result line
        QTest::newRow("one line twice") << true << true << false << "有无数组解";
        QTest::newRow("parallel lines") << true << true << true << "无解";
        QTest::newRow("x alone, one value twice") << true << false << false << "x=[-.0-9E+]+  y为任何实数";
        QTest::newRow("x alone, two values") << true << false << true << "无解";
        QTest::newRow("y alone, one value twice") << false << true << false << "x为任何实数  y=[-.0-9E+]+";
        QTest::newRow("y alone, two values") << false << true << true << "无解";
    }
    void decimalSystemsGetTheirCase() {
        QFETCH(bool, withX);
        QFETCH(bool, withY);
        QFETCH(bool, parallel);
        QFETCH(QString, answer);
        const QRegularExpression pattern(QRegularExpression::anchoredPattern(answer));
        std::mt19937 random(15);
        std::uniform_int_distribution<int> tenths(-999, 999), factor(-99, 99), hundredths(-9999, 9999);
        const auto nonZero = [&random](std::uniform_int_distribution<int>& d) {
            int v = 0;
            while (v == 0) v = d(random);
            return v;
        };
        for (int i = 0; i < 5000; ++i) {
            // The first equation in tenths; the second, a factor in tenths times it, in
            // hundredths.
            const int a1 = withX ? nonZero(tenths) : 0, b1 = withY ? nonZero(tenths) : 0, c1 = tenths(random);
            const int k = nonZero(factor);
            const int shift = parallel ? nonZero(hundredths) : 0;
            QStringList typed{Decimal(a1, 1),     Decimal(b1, 1),     Decimal(c1, 1),
                              Decimal(k * a1, 2), Decimal(k * b1, 2), Decimal(k * c1 + shift, 2)};
            if (i % 2 == 1) typed = typed.mid(3) + typed.mid(0, 3);
            FakeForm form;
            for (int j = 0; j < 6; ++j) form.fields[kCoefficients[j]] = typed[j].toStdString();
            form.run(TwoLinearEquations);
            const QString result = QString::fromStdString(form.text("Text5"));
            QVERIFY2(pattern.match(result).hasMatch() && form.messages.empty(),
                     qPrintable(typed.join(' ') + " gives " + result));
        }
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
