// The cuboid window: its case list over a fake form, and the real window's layout.
#include <QTest>

#include "solvers/solid/cuboid.h"
#include "support/cases.h"
#include "support/gui.h"

using namespace velunda;
using namespace velunda::testing;

class CuboidTest : public QObject {
    Q_OBJECT

private slots:
    void cases_data() {
        addCaseColumns();
        QTest::newRow("1: a, b, c") << Computation(CuboidCompute) << "Text1=2;Text2=3;Text3=4"
                                    << ""
                                    << "Text1=2;Text2=3;Text3=4;Text4=12;Text5=52;Text6=24"
                                    << "";
        QTest::newRow("1: a cross-section that does not match is recomputed")
            << Computation(CuboidCompute) << "Text1=2;Text2=3;Text3=4;Text4=99"
            << ""
            << "Text1=2;Text2=3;Text3=4;Text4=12;Text5=52;Text6=24"
            << "";
        QTest::newRow("1: fractions") << Computation(CuboidCompute) << "Text1=1.5;Text2=2.5;Text3=.1"
                                      << ""
                                      << "Text1=1.5;Text2=2.5;Text3=.1;Text4=.25;Text5=8.3;Text6=.375"
                                      << "";
        QTest::newRow("2: a, b, A") << Computation(CuboidCompute) << "Text1=2;Text2=3;Text4=12"
                                    << ""
                                    << "Text1=2;Text2=3;Text3=4;Text4=12;Text5=52;Text6=24"
                                    << "";
        QTest::newRow("3: a, b, S") << Computation(CuboidCompute) << "Text1=2;Text2=3;Text5=52"
                                    << ""
                                    << "Text1=2;Text2=3;Text3=4;Text4=12;Text5=52;Text6=24"
                                    << "";
        QTest::newRow("4: a, b, V") << Computation(CuboidCompute) << "Text1=2;Text2=3;Text6=24"
                                    << ""
                                    << "Text1=2;Text2=3;Text3=4;Text4=12;Text5=52;Text6=24"
                                    << "";
        QTest::newRow("5: a, A, S, larger root to the width")
            << Computation(CuboidCompute) << "Text1=2;Text4=12;Text5=52"
            << ""
            << "Text1=2;Text2=4;Text3=3;Text4=12;Text5=52;Text6=24"
            << "";
        QTest::newRow("writes every field in order") << Computation(CuboidCompute) << "Text1=2;Text4=12;Text5=52"
                                                     << ""
                                                     << "Text1=2;Text2=4;Text3=3;Text4=12;Text5=52;Text6=24"
                                                     << "";
        QTest::newRow("6: a, S, V") << Computation(CuboidCompute) << "Text1=2;Text5=52;Text6=24"
                                    << ""
                                    << "Text1=2;Text2=4;Text3=3;Text4=12;Text5=52;Text6=24"
                                    << "";
        QTest::newRow("7: A, S, V") << Computation(CuboidCompute) << "Text4=12;Text5=52;Text6=24"
                                    << ""
                                    << "Text1=2;Text2=4;Text3=3;Text4=12;Text5=52;Text6=24"
                                    << "";
        QTest::newRow("8: b, c, S") << Computation(CuboidCompute) << "Text2=3;Text3=4;Text5=52"
                                    << ""
                                    << "Text1=2;Text2=3;Text3=4;Text4=12;Text5=52;Text6=24"
                                    << "";
        QTest::newRow("9: b, A, V") << Computation(CuboidCompute) << "Text2=3;Text4=12;Text6=24"
                                    << ""
                                    << "Text1=2;Text2=3;Text3=4;Text4=12;Text5=52;Text6=24"
                                    << "";
        QTest::newRow("5: length 1.5, cross-section 7, surface 30")
            << Computation(CuboidCompute) << "Text1=1.5;Text4=7;Text5=30"
            << ""
            << "Text1=1.5;Text2=3;Text3=2.33333333333333;Text4=7;Text5=30;Text6=10.5"
            << "";
        QTest::newRow("5: no real width, the volume is still written")
            << Computation(CuboidCompute) << "Text1=1;Text4=10;Text5=30"
            << ""
            << "Text1=1;Text2=0;Text3=0;Text4=10;Text5=30;Text6=10"
            << "无解|-|";
        QTest::newRow("5: no real width, the typed height stays")
            << Computation(CuboidCompute) << "Text1=1;Text3=7;Text4=10;Text5=30"
            << ""
            << "Text1=1;Text2=0;Text3=7;Text4=10;Text5=30;Text6=10"
            << "无解|-|";
        QTest::newRow("a, c, V is not handled") << Computation(CuboidCompute) << "Text1=2;Text3=4;Text6=24"
                                                << ""
                                                << "Text1=2;Text2=0;Text3=4;Text4=0;Text5=0;Text6=24"
                                                << "请下载新版本或查看帮助|i|";
        QTest::newRow("two quantities only") << Computation(CuboidCompute) << "Text1=2;Text2=3"
                                             << ""
                                             << "Text1=2;Text2=3;Text3=0;Text4=0;Text5=0;Text6=0"
                                             << "请下载新版本或查看帮助|i|";
        QTest::newRow("all empty") << Computation(CuboidCompute) << ""
                                   << ""
                                   << "Text1=0;Text2=0;Text3=0;Text4=0;Text5=0;Text6=0"
                                   << "请下载新版本或查看帮助|i|";
        QTest::newRow("3: length minus the width") << Computation(CuboidCompute) << "Text1=2;Text2=-2;Text5=10"
                                                   << ""
                                                   << "" << kFaultShown;
        QTest::newRow("8: width minus the height") << Computation(CuboidCompute) << "Text2=3;Text3=-3;Text5=10"
                                                   << ""
                                                   << "" << kFaultShown;
        QTest::newRow("products beyond range") << Computation(CuboidCompute) << "Text1=1e200;Text2=1e200;Text3=1"
                                               << ""
                                               << "" << kFaultShown;
        QTest::newRow("typed beyond range") << Computation(CuboidCompute) << "Text1=1e400;Text2=3;Text3=4"
                                            << ""
                                            << "" << kFaultShown;
    }
    void cases() { checkCase(); }

    void layoutAsDesigned() {
        MenuFixture app;
        auto* w = app.open("lbl22", "frm5");
        QCOMPARE(w->size(), QSize(328, 155));
        QCOMPARE(w->label("Label1(3)")->text(), QString("长方体的横   截面积"));
        QCOMPARE(w->label("Label1(5)")->text(), QString(" 长方体的   表面积"));
        QCOMPARE(w->label("Label1(6)")->text(), QString("  长方体的     体积"));
        QCOMPARE(w->label("Label1(4)")->buddy(), w->field("Text3"));
        QCOMPARE(w->button("Command1")->text(), QString("计  算"));
        QCOMPARE(w->button("Command2")->text(), QString("清  零"));
        QCOMPARE(w->button("Command3")->text(), QString("结  束"));
        // The clear button stands left of the compute button.
        QVERIFY(w->button("Command2")->x() < w->button("Command1")->x());
        // The two-line captions wrap at their blanks, onto exactly two lines.
        for (const char* name : {"Label1(3)", "Label1(5)", "Label1(6)"})
            QVERIFY2(WrapsOntoTwoLines(w->label(name)), name);
        QCOMPARE(FocusOrder(w->field("Text1"), 9).join(' '),
                 QString("Text1 Text2 Text3 Text4 Text5 Text6 Command1 Command2 Command3"));
    }
};

QTEST_MAIN(CuboidTest)
#include "tst_cuboid.moc"
