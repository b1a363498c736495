// The sides-perimeter-area window: its cases and its own QIUGEN over a fake form, and
// the real window opened from the menu.
#include <QTest>

#include "solvers/triangle/sidesperimeterarea.h"
#include "support/cases.h"
#include "support/gui.h"

using namespace velunda;
using namespace velunda::testing;

class SidesPerimeterAreaTest : public QObject {
    Q_OBJECT

private slots:
    void computation_data() {
        addCaseColumns();
        QTest::newRow("sides 3 4 5") << Computation(TriangleSidesPerimeterArea) << "Text1=3;Text2=4;Text3=5"
                                     << ""
                                     << "Text1=3;Text2=4;Text3=5;Text4=12;Text5=6"
                                     << "";
        QTest::newRow("sides 2 3 4") << Computation(TriangleSidesPerimeterArea) << "Text1=2;Text2=3;Text3=4"
                                     << ""
                                     << "Text1=2;Text2=3;Text3=4;Text4=9;Text5=2.90473750965556"
                                     << "";
        QTest::newRow("degenerate 1 2 3: area 0")
            << Computation(TriangleSidesPerimeterArea) << "Text1=1;Text2=2;Text3=3"
            << ""
            << "Text1=1;Text2=2;Text3=3;Text4=6;Text5=0"
            << "";
        QTest::newRow("three sides and a perimeter: perimeter recomputed")
            << Computation(TriangleSidesPerimeterArea) << "Text1=3;Text2=4;Text3=5;Text4=100"
            << ""
            << "Text1=3;Text2=4;Text3=5;Text4=12;Text5=6"
            << "";
        QTest::newRow("sides 3 4 and perimeter 12")
            << Computation(TriangleSidesPerimeterArea) << "Text1=3;Text2=4;Text4=12"
            << ""
            << "Text1=3;Text2=4;Text3=5;Text4=12;Text5=6"
            << "";
        QTest::newRow("sides 5 6 and perimeter 18")
            << Computation(TriangleSidesPerimeterArea) << "Text1=5;Text2=6;Text4=18"
            << ""
            << "Text1=5;Text2=6;Text3=7;Text4=18;Text5=14.6969384566991"
            << "";
        QTest::newRow("sides 5 5 and area 12: two third sides")
            << Computation(TriangleSidesPerimeterArea) << "Text1=5;Text2=5;Text5=12"
            << ""
            << "Text3= 8或 6;Text4= 18或 16"
            << "";
        QTest::newRow("sides 3 4 and area 6: discriminant 0")
            << Computation(TriangleSidesPerimeterArea) << "Text1=3;Text2=4;Text5=6"
            << ""
            << "Text3= 5或 5;Text4= 12或 12"
            << "";
        QTest::newRow("legs .1 .7 and area .035: a right triangle, discriminant 0 but for rounding")
            << Computation(TriangleSidesPerimeterArea) << "Text1=0.1;Text2=0.7;Text5=0.035"
            << ""
            << "Text3= .707106781186547或 .707106781186547;Text4= 1.50710678118655或 1.50710678118655"
            << "";
        QTest::newRow("sides 2 3 and area 2")
            << Computation(TriangleSidesPerimeterArea) << "Text1=2;Text2=3;Text5=2"
            << ""
            << "Text3= 4.68447135864861或 2.01388383230037;Text4= 9.68447135864861或 7.01388383230037"
            << "";
        QTest::newRow("sides 1 1 and area 1: no solution, nothing written")
            << Computation(TriangleSidesPerimeterArea) << "Text1=1;Text2=1;Text5=1"
            << ""
            << ""
            << "无解|-|";
        QTest::newRow("only one side") << Computation(TriangleSidesPerimeterArea) << "Text1=3"
                                       << ""
                                       << "Text1=3;Text2=0;Text3=0;Text4=0;Text5=0"
                                       << "请下载新版本或查看帮助|i|";
        QTest::newRow("first and third side are not supported")
            << Computation(TriangleSidesPerimeterArea) << "Text1=3;Text3=5;Text5=6"
            << ""
            << "Text1=3;Text2=0;Text3=5;Text4=0;Text5=6"
            << "请下载新版本或查看帮助|i|";
        QTest::newRow("all empty") << Computation(TriangleSidesPerimeterArea) << ""
                                   << ""
                                   << "Text1=0;Text2=0;Text3=0;Text4=0;Text5=0"
                                   << "请下载新版本或查看帮助|i|";
        QTest::newRow("sides 1 2 5: Heron's root of a negative")
            << Computation(TriangleSidesPerimeterArea) << "Text1=1;Text2=2;Text3=5"
            << ""
            << "" << kFaultShown;
        QTest::newRow("sides 1 5 and perimeter 7: Heron's root of a negative")
            << Computation(TriangleSidesPerimeterArea) << "Text1=1;Text2=5;Text4=7"
            << ""
            << "" << kFaultShown;
        QTest::newRow("sides overflow") << Computation(TriangleSidesPerimeterArea)
                                        << "Text1=1e200;Text2=1e200;Text3=1e200"
                                        << ""
                                        << "" << kFaultShown;
        QTest::newRow("huge sides with an area")
            << Computation(TriangleSidesPerimeterArea) << "Text1=1e200;Text2=1;Text5=1"
            << ""
            << "" << kFaultShown;
    }
    void computation() { checkCase(); }

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
