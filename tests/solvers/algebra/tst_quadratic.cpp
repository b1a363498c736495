// The quadratic equation window: double roots typed in decimals over a fake form, and
// the real window's layout and message box.
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
