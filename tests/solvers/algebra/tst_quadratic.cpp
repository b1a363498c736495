// The quadratic equation window: the computation over a fake form, and the real window
// driven from the menu.
#include <QTest>
#include <cmath>
#include <random>

#include "app/translations.h"
#include "numeric/numbertext.h"
#include "solvers/algebra/quadratic.h"
#include "support/fakeform.h"
#include "support/gui.h"

using namespace velunda;
using namespace velunda::testing;

namespace {

// n units of the last of `places` decimals, as typed: Decimal(-305, 2) is "-3.05".
QString Decimal(qint64 n, int places) {
    const qint64 unit = places == 1 ? 10 : 100;
    const QString digits =
        QString::number(std::abs(n) / unit) + "." + QString::number(std::abs(n) % unit).rightJustified(places, '0');
    return n < 0 ? "-" + digits : digits;
}

}  // namespace

class QuadraticTest : public QObject {
    Q_OBJECT

private slots:
    void roots_data() {
        QTest::addColumn<QStringList>("typed");  // A, B, C
        QTest::addColumn<QString>("x2");         // Text4, or "-" when nothing is written
        QTest::addColumn<QString>("x1");         // Text5
        QTest::addColumn<QString>("message");
        const QString fault = QString::fromStdString(kFault);
        QTest::newRow("two roots: X1 the smaller") << QStringList{"1", "-3", "2"} << "2"
                                                   << "1"
                                                   << "";
        QTest::newRow("negative A: X1 the larger") << QStringList{"-1", "3", "-2"} << "1"
                                                   << "2"
                                                   << "";
        QTest::newRow("zero discriminant: one root twice") << QStringList{"1", "2", "1"} << "-1"
                                                           << "-1"
                                                           << "";
        QTest::newRow("root of 2") << QStringList{"1", "0", "-2"} << "1.4142135623731"
                                   << "-1.4142135623731"
                                   << "";
        QTest::newRow("root 0 exactly: x² + .1x") << QStringList{"1", "0.1", "0"} << "0"
                                                  << "-.1"
                                                  << "";
        QTest::newRow("small root without cancellation: x² - 10000x + 1")
            << QStringList{"1", "-10000", "1"} << "9999.9999"
            << ".000100000001"
            << "";
        QTest::newRow("both roots positive: x² - 100000000x + 1") << QStringList{"1", "-100000000", "1"} << "100000000"
                                                                  << "1E-08"
                                                                  << "";
        QTest::newRow("decimal coefficients to the last digit")
            << QStringList{"70", "-8.328", "-65.83"} << "1.03106541849564"
            << "-.912093989924215"
            << "";
        QTest::newRow("double root in decimals: x² + 9.2x + 21.16") << QStringList{"1", "9.2", "21.16"} << "-4.6"
                                                                    << "-4.6"
                                                                    << "";
        QTest::newRow("B < 0, negative A: X1 the larger") << QStringList{"-1", "-3", "-2"} << "-2"
                                                          << "-1"
                                                          << "";
        QTest::newRow("discriminant just below 0 beyond rounding") << QStringList{"1", "2", "1.00000000000001"} << ""
                                                                   << ""
                                                                   << "无解|-|";
        QTest::newRow("Chinese full stop as point") << QStringList{"1", "9。2", "21。16"} << "-4.6"
                                                    << "-4.6"
                                                    << "";
        QTest::newRow("blanks around the digits") << QStringList{" 1 ", " -3", "2 "} << "2"
                                                  << "1"
                                                  << "";
        QTest::newRow("group separator") << QStringList{"1", "1,000", "0"} << "0"
                                         << "-1000"
                                         << "";
        QTest::newRow("full-width digits") << QStringList{"１", "－３", "２"} << "2"
                                           << "1"
                                           << "";
        QTest::newRow("no real root: both emptied") << QStringList{"1", "0", "1"} << ""
                                                    << ""
                                                    << "无解|-|";
        QTest::newRow("A = 0") << QStringList{"0", "2", "1"} << "-"
                               << "-" << fault;
        QTest::newRow("A = 0, B = 0") << QStringList{"0", "0", "1"} << "-"
                                      << "-" << fault;
        QTest::newRow("empty A") << QStringList{"", "-3", "2"} << "-"
                                 << "-" << fault;
        QTest::newRow("2x is no number") << QStringList{"2x", "-3", "2"} << "-"
                                         << "-" << fault;
        QTest::newRow("B squared overflows") << QStringList{"1", "1e200", "1"} << "-"
                                             << "-" << fault;
        QTest::newRow("typed beyond range") << QStringList{"1", "1e400", "1"} << "-"
                                            << "-" << fault;
    }
    void roots() {
        QFETCH(QStringList, typed);
        QFETCH(QString, x2);
        QFETCH(QString, x1);
        QFETCH(QString, message);
        FakeForm form{{"Text1", typed[0].toStdString()},
                      {"Text2", typed[1].toStdString()},
                      {"Text3", typed[2].toStdString()},
                      {"Text4", "old X2"},
                      {"Text5", "old X1"}};
        form.run(QuadraticEquation);
        const QString expected = x2 == "-" ? QString() : "Text4=" + x2 + ";Text5=" + x1;
        QCOMPARE(Written(form), expected);
        QCOMPARE(QString::fromStdString(form.shown()), message);
    }

    // a·(x − r)² = 0 typed with one or two decimals: the discriminant, 0 but for the
    // rounding of the decimals, gives both roots at r (to the square root of that
    // rounding), never "无解".
    void decimalDoubleRoots_data() {
        QTest::addColumn<int>("largestA");
        QTest::addColumn<int>("largestRoot");  // in tenths
        QTest::newRow("A up to 20, roots up to 99.9") << 20 << 999;
        QTest::newRow("A 1, roots up to 9.9") << 1 << 99;
    }
    void decimalDoubleRoots() {
        QFETCH(int, largestA);
        QFETCH(int, largestRoot);
        std::mt19937 random(15);
        std::uniform_int_distribution<int> leading(1, largestA), root(-largestRoot, largestRoot), sign(0, 1);
        for (int i = 0; i < 5000; ++i) {
            const qint64 a = sign(random) ? leading(random) : -leading(random), m = root(random);
            // B = −2·A·r in tenths, C = A·r² in hundredths.
            const QStringList typed{QString::number(a), Decimal(-2 * a * m, 1), Decimal(a * m * m, 2)};
            FakeForm form{{"Text1", typed[0].toStdString()},
                          {"Text2", typed[1].toStdString()},
                          {"Text3", typed[2].toStdString()}};
            form.run(QuadraticEquation);
            const QString context = typed.join(' ') + " gives " + Written(form);
            QVERIFY2(form.messages.empty(), qPrintable(context));
            const double r = m / 10.0;
            for (const char* field : {"Text4", "Text5"}) {
                const double x = ParseNumber(form.text(field));
                QVERIFY2(std::fabs(x - r) <= 0x1p-24 * std::fabs(r), qPrintable(context));
            }
        }
    }

    void windowFromMenu() {
        MenuFixture app;
        auto* w = app.open("lbl20", "frm16");
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("解形如Ax^2+Bx+C=0的一元二次方程"));
        typeInto(w->field("Text1"), "1");
        typeInto(w->field("Text2"), "-3");
        typeInto(w->field("Text3"), "2");
        pressEnter(w->field("Text3"));  // Enter computes nothing
        QCOMPARE(w->field("Text4")->text(), QString());
        click(w->button("Command2"));
        QCOMPARE(w->field("Text5")->text(), QString("1"));
        QCOMPARE(w->field("Text4")->text(), QString("2"));

        // No real root: the message, then both results empty and the inputs kept.
        typeInto(w->field("Text3"), "3");
        {
            MessageCatcher catcher;
            click(w->button("Command2"));
            QCOMPARE(catcher.shown(), QString("无解|-|Velunda"));
        }
        QCOMPARE(w->field("Text4")->text(), QString());
        QCOMPARE(w->field("Text5")->text(), QString());
        QCOMPARE(w->field("Text3")->text(), QString("3"));

        // A = 0: the fault message and every field as it was.
        click(w->button("Command1"));
        typeInto(w->field("Text1"), "0");
        typeInto(w->field("Text2"), "2");
        typeInto(w->field("Text3"), "1");
        w->field("Text4")->setText("kept");
        {
            MessageCatcher catcher;
            click(w->button("Command2"));
            QCOMPARE(catcher.shown(), QString("无法计算，请检查输入的数据|i|Velunda"));
        }
        QCOMPARE(w->field("Text4")->text(), QString("kept"));
        QCOMPARE(w->field("Text1")->text(), QString("0"));

        click(w->button("Command1"));
        for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5"})
            QCOMPARE(w->field(name)->text(), QString());
        CheckExit(app, w, "Command3");
    }

    void layoutAsDesigned() {
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

QTEST_MAIN(QuadraticTest)
#include "tst_quadratic.moc"
