// The quadratic equation window: the computation over a fake form, and the real
// window's layout and message box.
#include <QTest>
#include <cmath>
#include <random>

#include "app/translations.h"
#include "numeric/numbertext.h"
#include "solvers/algebra/quadratic.h"
#include "support/cases.h"
#include "support/gui.h"

using namespace velunda;
using namespace velunda::testing;

class QuadraticTest : public QObject {
    Q_OBJECT

private slots:
    void roots_data() {
        addCaseColumns();
        QTest::newRow("two roots: X1 the smaller")
            << Computation(QuadraticEquation) << "Text1=1;Text2=-3;Text3=2;Text4=old X2;Text5=old X1"
            << ""
            << "Text4=2;Text5=1"
            << "";
        QTest::newRow("negative A: X1 the larger")
            << Computation(QuadraticEquation) << "Text1=-1;Text2=3;Text3=-2;Text4=old X2;Text5=old X1"
            << ""
            << "Text4=1;Text5=2"
            << "";
        QTest::newRow("zero discriminant: one root twice")
            << Computation(QuadraticEquation) << "Text1=1;Text2=2;Text3=1;Text4=old X2;Text5=old X1"
            << ""
            << "Text4=-1;Text5=-1"
            << "";
        QTest::newRow("root of 2") << Computation(QuadraticEquation)
                                   << "Text1=1;Text2=0;Text3=-2;Text4=old X2;Text5=old X1"
                                   << ""
                                   << "Text4=1.4142135623731;Text5=-1.4142135623731"
                                   << "";
        QTest::newRow("root 0 exactly: x² + .1x")
            << Computation(QuadraticEquation) << "Text1=1;Text2=0.1;Text3=0;Text4=old X2;Text5=old X1"
            << ""
            << "Text4=0;Text5=-.1"
            << "";
        QTest::newRow("small root without cancellation: x² - 10000x + 1")
            << Computation(QuadraticEquation) << "Text1=1;Text2=-10000;Text3=1;Text4=old X2;Text5=old X1"
            << ""
            << "Text4=9999.9999;Text5=.000100000001"
            << "";
        QTest::newRow("both roots positive: x² - 100000000x + 1")
            << Computation(QuadraticEquation) << "Text1=1;Text2=-100000000;Text3=1;Text4=old X2;Text5=old X1"
            << ""
            << "Text4=100000000;Text5=1E-08"
            << "";
        QTest::newRow("decimal coefficients to the last digit")
            << Computation(QuadraticEquation) << "Text1=70;Text2=-8.328;Text3=-65.83;Text4=old X2;Text5=old X1"
            << ""
            << "Text4=1.03106541849564;Text5=-.912093989924215"
            << "";
        QTest::newRow("double root in decimals: x² + 9.2x + 21.16")
            << Computation(QuadraticEquation) << "Text1=1;Text2=9.2;Text3=21.16;Text4=old X2;Text5=old X1"
            << ""
            << "Text4=-4.6;Text5=-4.6"
            << "";
        QTest::newRow("B < 0, negative A: X1 the larger")
            << Computation(QuadraticEquation) << "Text1=-1;Text2=-3;Text3=-2;Text4=old X2;Text5=old X1"
            << ""
            << "Text4=-2;Text5=-1"
            << "";
        QTest::newRow("discriminant just below 0 beyond rounding")
            << Computation(QuadraticEquation) << "Text1=1;Text2=2;Text3=1.00000000000001;Text4=old X2;Text5=old X1"
            << ""
            << "Text4=;Text5="
            << "无解|-|";
        QTest::newRow("Chinese full stop as point")
            << Computation(QuadraticEquation) << "Text1=1;Text2=9。2;Text3=21。16;Text4=old X2;Text5=old X1"
            << ""
            << "Text4=-4.6;Text5=-4.6"
            << "";
        QTest::newRow("blanks around the digits")
            << Computation(QuadraticEquation) << "Text1= 1 ;Text2= -3;Text3=2 ;Text4=old X2;Text5=old X1"
            << ""
            << "Text4=2;Text5=1"
            << "";
        QTest::newRow("group separator") << Computation(QuadraticEquation)
                                         << "Text1=1;Text2=1,000;Text3=0;Text4=old X2;Text5=old X1"
                                         << ""
                                         << "Text4=0;Text5=-1000"
                                         << "";
        QTest::newRow("full-width digits")
            << Computation(QuadraticEquation) << "Text1=１;Text2=－３;Text3=２;Text4=old X2;Text5=old X1"
            << ""
            << "Text4=2;Text5=1"
            << "";
        QTest::newRow("no real root: both emptied")
            << Computation(QuadraticEquation) << "Text1=1;Text2=0;Text3=1;Text4=old X2;Text5=old X1"
            << ""
            << "Text4=;Text5="
            << "无解|-|";
        QTest::newRow("A = 0") << Computation(QuadraticEquation) << "Text1=0;Text2=2;Text3=1;Text4=old X2;Text5=old X1"
                               << ""
                               << "" << kFaultShown;
        QTest::newRow("A = 0, B = 0") << Computation(QuadraticEquation)
                                      << "Text1=0;Text2=0;Text3=1;Text4=old X2;Text5=old X1"
                                      << ""
                                      << "" << kFaultShown;
        QTest::newRow("empty A") << Computation(QuadraticEquation) << "Text2=-3;Text3=2;Text4=old X2;Text5=old X1"
                                 << ""
                                 << "" << kFaultShown;
        QTest::newRow("2x is no number") << Computation(QuadraticEquation)
                                         << "Text1=2x;Text2=-3;Text3=2;Text4=old X2;Text5=old X1"
                                         << ""
                                         << "" << kFaultShown;
        QTest::newRow("B squared overflows")
            << Computation(QuadraticEquation) << "Text1=1;Text2=1e200;Text3=1;Text4=old X2;Text5=old X1"
            << ""
            << "" << kFaultShown;
        QTest::newRow("typed beyond range")
            << Computation(QuadraticEquation) << "Text1=1;Text2=1e400;Text3=1;Text4=old X2;Text5=old X1"
            << ""
            << "" << kFaultShown;
    }
    void roots() { checkCase(); }

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
