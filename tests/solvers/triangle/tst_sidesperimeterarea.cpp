// The sides-perimeter-area window: its own QIUGEN over a fake form.
#include <QTest>

#include "solvers/triangle/sidesperimeterarea.h"
#include "support/cases.h"
#include "support/gui.h"

using namespace velunda;
using namespace velunda::testing;

class SidesPerimeterAreaTest : public QObject {
    Q_OBJECT

private slots:

    void qiugen_data() {
        QTest::addColumn<double>("p");
        QTest::addColumn<double>("q");
        QTest::addColumn<double>("r");
        QTest::addColumn<bool>("solved");
        QTest::addColumn<double>("x1");
        QTest::addColumn<double>("x2");
        QTest::newRow("x² - 3x + 2: larger root first") << 1.0 << -3.0 << 2.0 << true << 2.0 << 1.0;
        QTest::newRow("double root") << 1.0 << -2.0 << 1.0 << true << 1.0 << 1.0;
        QTest::newRow("leading 2 divides last") << 2.0 << -6.0 << 4.0 << true << 2.0 << 1.0;
        QTest::newRow("negative discriminant: roots untouched") << 1.0 << 0.0 << 1.0 << false << -7.0 << -7.0;
        QTest::newRow("discriminant below 0 by rounding only: double root")
            << 1.0 << 9.2 << 21.16 << true << -4.6 << -4.6;
        QTest::newRow("discriminant below 0 beyond rounding")
            << 1.0 << 2.0 << 1.00000000000001 << false << -7.0 << -7.0;
    }
    void qiugen() {
        QFETCH(double, p);
        QFETCH(double, q);
        QFETCH(double, r);
        QFETCH(bool, solved);
        QFETCH(double, x1);
        QFETCH(double, x2);
        FakeForm form;
        double first = -7, second = -7;
        QCOMPARE(QIUGEN(form, p, q, r, first, second), solved);
        QCOMPARE(first, x1);
        QCOMPARE(second, x2);
        QCOMPARE(QString::fromStdString(form.shown()), solved ? QString() : QString("无解|-|"));
    }
};

QTEST_MAIN(SidesPerimeterAreaTest)
#include "tst_sidesperimeterarea.moc"
