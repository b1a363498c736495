// The window of two linear equations: its nine cases and the answers for the inputs
// they leave open, over a fake form, and the real window's layout.
#include <QRegularExpression>
#include <QTest>
#include <random>

#include "solvers/algebra/linear.h"
#include "support/cases.h"
#include "support/gui.h"

using namespace velunda;
using namespace velunda::testing;

namespace {
// The coefficient fields in the order a1, b1, c1, a2, b2, c2.
const char* const kCoefficients[] = {"Text1", "Text2", "Text6", "Text3", "Text4", "Text7"};
}  // namespace

class TwoEquationsTest : public QObject {
    Q_OBJECT

private slots:
    void solve_data() {
        addCaseColumns();
        QTest::newRow("case 5: one crossing point")
            << Computation(TwoLinearEquations) << "Text1=1;Text2=1;Text3=1;Text4=-1;Text5=old;Text6=-3;Text7=-1"
            << ""
            << "Text5=x=2  y=1"
            << "";
        QTest::newRow("case 1: first without y")
            << Computation(TwoLinearEquations) << "Text1=2;Text2=0;Text3=1;Text4=1;Text5=old;Text6=-4;Text7=-5"
            << ""
            << "Text5=x=2  y=3"
            << "";
        QTest::newRow("case 2: second without y")
            << Computation(TwoLinearEquations) << "Text1=1;Text2=1;Text3=2;Text4=0;Text5=old;Text6=-5;Text7=-4"
            << ""
            << "Text5=x=2  y=3"
            << "";
        QTest::newRow("case 5: x rounded, y not")
            << Computation(TwoLinearEquations) << "Text1=0;Text2=3;Text3=1;Text4=1;Text5=old;Text6=-1;Text7=0"
            << ""
            << "Text5=x=-.33333  y=.333333333333333"
            << "";
        QTest::newRow("case 5: y from x before rounding")
            << Computation(TwoLinearEquations) << "Text1=3;Text2=3;Text3=1;Text4=-1;Text5=old;Text6=-1;Text7=0"
            << ""
            << "Text5=x=.16667  y=.166666666666667"
            << "";
        QTest::newRow("one line twice in decimals: products equal but for rounding")
            << Computation(TwoLinearEquations) << "Text1=0.1;Text2=0.3;Text3=0.3;Text4=0.9;Text5=old;Text6=-1;Text7=-3"
            << ""
            << "Text5=有无数组解"
            << "";
        QTest::newRow("one line twice: x + y - .1 and 3x + 3y - .3")
            << Computation(TwoLinearEquations) << "Text1=1;Text2=1;Text3=3;Text4=3;Text5=old;Text6=-0.1;Text7=-0.3"
            << ""
            << "Text5=有无数组解"
            << "";
        QTest::newRow("parallel lines in decimals: .1x + .3y - 1 and .3x + .9y - 2")
            << Computation(TwoLinearEquations) << "Text1=0.1;Text2=0.3;Text3=0.3;Text4=0.9;Text5=old;Text6=-1;Text7=-2"
            << ""
            << "Text5=无解"
            << "";
        QTest::newRow("parallel lines in decimals: .3x + .9y - 2 and .1x + .3y - 1")
            << Computation(TwoLinearEquations) << "Text1=0.3;Text2=0.9;Text3=0.1;Text4=0.3;Text5=old;Text6=-2;Text7=-1"
            << ""
            << "Text5=无解"
            << "";
        QTest::newRow("x = 3 twice in decimals: y is any number")
            << Computation(TwoLinearEquations) << "Text1=0.1;Text2=0;Text3=0.3;Text4=0;Text5=old;Text6=-0.3;Text7=-0.9"
            << ""
            << "Text5=x=3  y为任何实数"
            << "";
        QTest::newRow("y = 3 twice in decimals: x is any number")
            << Computation(TwoLinearEquations) << "Text1=0;Text2=0.1;Text3=0;Text4=0.3;Text5=old;Text6=-0.3;Text7=-0.9"
            << ""
            << "Text5=x为任何实数  y=3"
            << "";
        QTest::newRow("case 5: nearly parallel, still one crossing point")
            << Computation(TwoLinearEquations) << "Text1=1;Text2=1;Text3=1;Text4=1.000001;Text5=old;Text6=-2;Text7=-2"
            << ""
            << "Text5=x=2  y=0"
            << "";
        QTest::newRow("case 3: y is any number")
            << Computation(TwoLinearEquations) << "Text1=2;Text2=0;Text3=1;Text4=0;Text5=old;Text6=-4;Text7=-2"
            << ""
            << "Text5=x=2  y为任何实数"
            << "";
        QTest::newRow("case 3: halfway rounds down to even")
            << Computation(TwoLinearEquations)
            << "Text1=1;Text2=0;Text3=1;Text4=0;Text5=old;Text6=-0.000125;Text7=-0.000125"
            << ""
            << "Text5=x=.00012  y为任何实数"
            << "";
        QTest::newRow("case 3: halfway rounds up to even")
            << Computation(TwoLinearEquations)
            << "Text1=1;Text2=0;Text3=1;Text4=0;Text5=old;Text6=-0.000135;Text7=-0.000135"
            << ""
            << "Text5=x=.00014  y为任何实数"
            << "";
        QTest::newRow("case 3 without x: not a system")
            << Computation(TwoLinearEquations) << "Text1=0;Text2=0;Text3=2;Text4=0;Text5=old;Text6=0;Text7=4"
            << ""
            << ""
            << "这个不是二元一次方程组|-|";
        QTest::newRow("all empty: not a system") << Computation(TwoLinearEquations) << "Text5=old"
                                                 << ""
                                                 << ""
                                                 << "这个不是二元一次方程组|-|";
        QTest::newRow("case 4: 0 = 5") << Computation(TwoLinearEquations)
                                       << "Text1=0;Text2=0;Text3=2;Text4=0;Text5=old;Text6=5;Text7=1"
                                       << ""
                                       << "Text5=无解"
                                       << "";
        QTest::newRow("case 6: x is any number")
            << Computation(TwoLinearEquations) << "Text1=0;Text2=2;Text3=0;Text4=1;Text5=old;Text6=-4;Text7=-2"
            << ""
            << "Text5=x为任何实数  y=2"
            << "";
        QTest::newRow("case 7: parallel lines in y")
            << Computation(TwoLinearEquations) << "Text1=0;Text2=2;Text3=0;Text4=1;Text5=old;Text6=-4;Text7=-3"
            << ""
            << "Text5=无解"
            << "";
        QTest::newRow("case 8: one line twice")
            << Computation(TwoLinearEquations) << "Text1=1;Text2=1;Text3=2;Text4=2;Text5=old;Text6=-1;Text7=-2"
            << ""
            << "Text5=有无数组解"
            << "";
        QTest::newRow("case 9: parallel lines")
            << Computation(TwoLinearEquations) << "Text1=1;Text2=1;Text3=2;Text4=2;Text5=old;Text6=-1;Text7=-3"
            << ""
            << "Text5=无解"
            << "";
        QTest::newRow("x alone twice, contradicting")
            << Computation(TwoLinearEquations) << "Text1=1;Text2=0;Text3=1;Text4=0;Text5=old;Text6=1;Text7=2"
            << ""
            << "Text5=无解"
            << "";
        QTest::newRow("case 1 with 0 = 5")
            << Computation(TwoLinearEquations) << "Text1=0;Text2=0;Text3=1;Text4=1;Text5=old;Text6=5;Text7=1"
            << ""
            << "Text5=无解"
            << "";
        QTest::newRow("case 1 with 0 = 0")
            << Computation(TwoLinearEquations) << "Text1=0;Text2=0;Text3=1;Text4=1;Text5=old;Text6=0;Text7=1"
            << ""
            << ""
            << "这个不是二元一次方程组|-|";
        QTest::newRow("case 2 with 0 = 3")
            << Computation(TwoLinearEquations) << "Text1=1;Text2=1;Text3=0;Text4=0;Text5=old;Text6=1;Text7=3"
            << ""
            << "Text5=无解"
            << "";
        QTest::newRow("case 2 with 0 = 0")
            << Computation(TwoLinearEquations) << "Text1=1;Text2=1;Text3=0;Text5=old;Text6=1"
            << ""
            << ""
            << "这个不是二元一次方程组|-|";
        QTest::newRow("large x is not rounded away")
            << Computation(TwoLinearEquations) << "Text1=1;Text2=0;Text3=1;Text4=1;Text5=old;Text6=-1e300;Text7=0"
            << ""
            << "Text5=x=1E+300  y=-1E+300"
            << "";
        QTest::newRow("a product overflows")
            << Computation(TwoLinearEquations) << "Text1=1e200;Text2=1;Text3=1;Text4=1e200;Text5=old;Text6=1;Text7=1"
            << ""
            << "" << kFaultShown;
        QTest::newRow("typed beyond range")
            << Computation(TwoLinearEquations) << "Text1=1e400;Text2=1;Text3=1;Text4=-1;Text5=old;Text6=1;Text7=1"
            << ""
            << "" << kFaultShown;
        QTest::newRow("a product underflows")
            << Computation(TwoLinearEquations) << "Text1=0;Text2=1e-200;Text3=1e-200;Text4=1;Text5=old;Text6=1;Text7=1"
            << ""
            << "" << kFaultShown;
    }
    void solve() { checkCase(); }

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
