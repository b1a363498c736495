// The square window: its four computations over a fake form, and the real window's
// captions.
#include <QTest>

#include "solvers/plane/square.h"
#include "support/cases.h"
#include "support/gui.h"

using namespace velunda;
using namespace velunda::testing;

class SquareTest : public QObject {
    Q_OBJECT

private slots:
    void computations_data() {
        addCaseColumns();
        QTest::newRow("side 5") << Computation(SquareFromSide) << "Text1=5;Text2=b;Text3=c;Text4=d"
                                << ""
                                << "Text2= 20;Text3=25;Text4=7.07106781186548"
                                << "";
        QTest::newRow("perimeter 20") << Computation(SquareFromPerimeter) << "Text1=a;Text2=20;Text3=c;Text4=d"
                                      << ""
                                      << "Text1=5;Text3=25;Text4=7.07106781186548"
                                      << "";
        QTest::newRow("area 2") << Computation(SquareFromArea) << "Text1=a;Text2=b;Text3=2;Text4=d"
                                << ""
                                << "Text2=5.65685424949238;Text1=1.4142135623731;Text4=2"
                                << "";
        QTest::newRow("diagonal 10: side is 10 / root 2")
            << Computation(SquareFromDiagonal) << "Text1=a;Text2=b;Text3=c;Text4=10"
            << ""
            << "Text2= 28.2842712474619;Text3=50;Text1=7.07106781186547"
            << "";
        QTest::newRow("side .5") << Computation(SquareFromSide) << "Text1=0.5;Text2=b;Text3=c;Text4=d"
                                 << ""
                                 << "Text2= 2;Text3=.25;Text4=.707106781186548"
                                 << "";
        QTest::newRow("side -1") << Computation(SquareFromSide) << "Text1=-1;Text2=b;Text3=c;Text4=d"
                                 << ""
                                 << "Text2=-4;Text3=1;Text4=-1.4142135623731"
                                 << "";
        QTest::newRow("side with unit") << Computation(SquareFromSide) << "Text1=5cm;Text2=b;Text3=c;Text4=d"
                                        << ""
                                        << "Text2= 20;Text3=25;Text4=7.07106781186548"
                                        << "";
        QTest::newRow("empty side") << Computation(SquareFromSide) << "Text2=b;Text3=c;Text4=d"
                                    << ""
                                    << "Text2= 0;Text3=0;Text4=0"
                                    << "";
        QTest::newRow("empty area: perimeter without blank") << Computation(SquareFromArea) << "Text1=a;Text2=b;Text4=d"
                                                             << ""
                                                             << "Text2=0;Text1=0;Text4=0"
                                                             << "";
        QTest::newRow("empty diagonal") << Computation(SquareFromDiagonal) << "Text1=a;Text2=b;Text3=c"
                                        << ""
                                        << "Text2= 0;Text3=0;Text1=0"
                                        << "";
        QTest::newRow("full-width side") << Computation(SquareFromSide) << "Text1=５;Text2=b;Text3=c;Text4=d"
                                         << ""
                                         << "Text2= 20;Text3=25;Text4=7.07106781186548"
                                         << "";
        QTest::newRow("negative area") << Computation(SquareFromArea) << "Text1=a;Text2=b;Text3=-4;Text4=d"
                                       << ""
                                       << "" << kFaultShown;
        QTest::newRow("area overflows") << Computation(SquareFromSide) << "Text1=1e200;Text2=b;Text3=c;Text4=d"
                                        << ""
                                        << "" << kFaultShown;
        QTest::newRow("typed beyond range") << Computation(SquareFromPerimeter) << "Text1=a;Text2=1e400;Text3=c;Text4=d"
                                            << ""
                                            << "" << kFaultShown;
    }
    void computations() { checkCase(); }

    void captionsAsDesigned() {
        MenuFixture app;
        auto* w = app.open("lbl15", "frm12");
        QCOMPARE(w->button("Command1")->text(), QString("清 零"));
        QCOMPARE(w->button("Command2")->text(), QString("结 束"));
        QCOMPARE(w->label("Label1(1)")->text(), QString("填入一个数后按回车，即可得到另外三个元素的值"));
        QCOMPARE(w->label("Label2(3)")->text(), QString("正方形对角线     的长"));
        QCOMPARE(w->size(), QSize(312, 157));
        QCOMPARE(w->field("Text4")->geometry(), QRect(240, 56, 65, 25));
    }
};

QTEST_MAIN(SquareTest)
#include "tst_square.moc"
