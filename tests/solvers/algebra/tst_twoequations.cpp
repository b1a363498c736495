// The window of two linear equations: systems typed in decimals over a fake form, and
// the real window's layout.
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
