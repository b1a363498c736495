// The cube window: its four computations over a fake form, and the real window's
// layout.
#include <QTest>

#include "solvers/solid/cube.h"
#include "support/cases.h"
#include "support/gui.h"

using namespace velunda;
using namespace velunda::testing;

class CubeTest : public QObject {
    Q_OBJECT

private slots:
    void computations_data() {
        addCaseColumns();
        QTest::newRow("edge 2") << Computation(CubeFromEdge) << "Text1=2;Text2=b;Text3=c;Text4=d"
                                << ""
                                << "Text2=24;Text3=24;Text4=8"
                                << "";
        QTest::newRow("edge with blanks around") << Computation(CubeFromEdge) << "Text1= 2 ;Text2=b;Text3=c;Text4=d"
                                                 << ""
                                                 << "Text2=24;Text3=24;Text4=8"
                                                 << "";
        QTest::newRow("edge sum 24") << Computation(CubeFromEdgeSum) << "Text1=a;Text2=24;Text3=c;Text4=d"
                                     << ""
                                     << "Text1=2;Text3=24;Text4=8"
                                     << "";
        QTest::newRow("surface 24") << Computation(CubeFromSurface) << "Text1=a;Text2=b;Text3=24;Text4=d"
                                    << ""
                                    << "Text2=24;Text1=2;Text4=8"
                                    << "";
        QTest::newRow("volume 64: edge 3.9999999999999996 shows as 4")
            << Computation(CubeFromVolume) << "Text1=a;Text2=b;Text3=c;Text4=64"
            << ""
            << "Text2=48;Text3=96;Text1=4"
            << "";
        QTest::newRow("volume 1000") << Computation(CubeFromVolume) << "Text1=a;Text2=b;Text3=c;Text4=1000"
                                     << ""
                                     << "Text2=120;Text3=600;Text1=10"
                                     << "";
        QTest::newRow("volume 2: a cube root") << Computation(CubeFromVolume) << "Text1=a;Text2=b;Text3=c;Text4=2"
                                               << ""
                                               << "Text2=15.1190525987385;Text3=9.5244063118092;Text1=1.25992104989487"
                                               << "";
        QTest::newRow("volume with a group separator")
            << Computation(CubeFromVolume) << "Text1=a;Text2=b;Text3=c;Text4=1,000"
            << ""
            << "Text2=120;Text3=600;Text1=10"
            << "";
        QTest::newRow("volume 0") << Computation(CubeFromVolume) << "Text1=a;Text2=b;Text3=c;Text4=0"
                                  << ""
                                  << "Text2=0;Text3=0;Text1=0"
                                  << "";
        QTest::newRow("edge .5: no leading zero") << Computation(CubeFromEdge) << "Text1=0.5;Text2=b;Text3=c;Text4=d"
                                                  << ""
                                                  << "Text2=6;Text3=1.5;Text4=.125"
                                                  << "";
        QTest::newRow("edge -2: no sign check") << Computation(CubeFromEdge) << "Text1=-2;Text2=b;Text3=c;Text4=d"
                                                << ""
                                                << "Text2=-24;Text3=24;Text4=-8"
                                                << "";
        QTest::newRow("edge sum 1") << Computation(CubeFromEdgeSum) << "Text1=a;Text2=1;Text3=c;Text4=d"
                                    << ""
                                    << "Text1=.0833333333333333;Text3=.0416666666666667;Text4=.000578703703703704"
                                    << "";
        QTest::newRow("surface 1") << Computation(CubeFromSurface) << "Text1=a;Text2=b;Text3=1;Text4=d"
                                   << ""
                                   << "Text2=4.89897948556636;Text1=.408248290463863;Text4=.0680413817439772"
                                   << "";
        QTest::newRow("full-width edge") << Computation(CubeFromEdge) << "Text1=２;Text2=b;Text3=c;Text4=d"
                                         << ""
                                         << "Text2=24;Text3=24;Text4=8"
                                         << "";
        // Text that is not one number, and values without a result: the fault message
        // and no write.
        QTest::newRow("empty edge") << Computation(CubeFromEdge) << "Text2=b;Text3=c;Text4=d"
                                    << ""
                                    << "" << kFaultShown;
        QTest::newRow("edge with a unit") << Computation(CubeFromEdge) << "Text1=2cm;Text2=b;Text3=c;Text4=d"
                                          << ""
                                          << "" << kFaultShown;
        QTest::newRow("edge sum of letters") << Computation(CubeFromEdgeSum) << "Text1=a;Text2=abc;Text3=c;Text4=d"
                                             << ""
                                             << "" << kFaultShown;
        QTest::newRow("negative surface") << Computation(CubeFromSurface) << "Text1=a;Text2=b;Text3=-24;Text4=d"
                                          << ""
                                          << "" << kFaultShown;
        QTest::newRow("negative volume") << Computation(CubeFromVolume) << "Text1=a;Text2=b;Text3=c;Text4=-8"
                                         << ""
                                         << "" << kFaultShown;
        QTest::newRow("volume beyond range") << Computation(CubeFromEdge) << "Text1=1e200;Text2=b;Text3=c;Text4=d"
                                             << ""
                                             << "" << kFaultShown;
        QTest::newRow("typed beyond range") << Computation(CubeFromVolume) << "Text1=a;Text2=b;Text3=c;Text4=1e400"
                                            << ""
                                            << "" << kFaultShown;
    }
    void computations() { checkCase(); }

    void layoutAsDesigned() {
        MenuFixture app;
        auto* w = app.open("lbl9", "frm11");
        QCOMPARE(w->size(), QSize(298, 164));
        QCOMPARE(w->label("Label1(4)")->text(), QString(" 正方体的    棱长"));
        QCOMPARE(w->label("Label1(0)")->text(), QString("正方体的棱长     总和"));
        QCOMPARE(w->label("Label1(1)")->text(), QString("正方体的   表面积"));
        QCOMPARE(w->label("Label1(2)")->text(), QString("正方体的体积"));
        QLabel* instruction = w->label("Label1(3)");
        QCOMPARE(instruction->text(), QString("填入一个数后按回车，即可得到另外三个元素的值。"));
        QCOMPARE(instruction->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(instruction->font().pointSizeF(), 12.0);
        QCOMPARE(w->button("Command2")->text(), QString("清 零"));
        QCOMPARE(w->button("Command3")->text(), QString("结 束"));
        for (const char* name : {"Label1(4)", "Label1(0)", "Label1(1)"})
            QVERIFY2(WrapsOntoTwoLines(w->label(name)), name);
        QCOMPARE(FocusOrder(w->field("Text1"), 6).join(' '), QString("Text1 Text2 Text3 Text4 Command2 Command3"));
    }
};

QTEST_MAIN(CubeTest)
#include "tst_cube.moc"
