// The window of three linear equations: the elimination through the second equation
// over a fake form, and the real window's layout.
#include <QTest>

#include "solvers/algebra/linear.h"
#include "support/cases.h"
#include "support/gui.h"

using namespace velunda;
using namespace velunda::testing;

namespace {
std::string Coefficient(int i) { return "Text1(" + std::to_string(i) + ")"; }
}  // namespace

class ThreeEquationsTest : public QObject {
    Q_OBJECT

private slots:
    void solve_data() {
        addCaseColumns();
        QTest::newRow("one solution") << Computation(ThreeLinearEquations)
                                      << "Text1(1)=1;Text1(2)=1;Text1(3)=1;Text1(4)=-6;Text1(5)=1;Text1(6)=2;Text1(7)="
                                         "3;Text1(8)=-14;Text1(9)=2;Text1(10)=1;Text1(11)=3;Text1(12)=-13;Text2=old"
                                      << ""
                                      << "Text2=x=1  y=2  z=3"
                                      << "";
        QTest::newRow("x and y rounded, z not")
            << Computation(ThreeLinearEquations)
            << "Text1(1)=3;Text1(2)=3;Text1(3)=3;Text1(4)=-3;Text1(5)=1;Text1(6)=2;Text1(7)=3;Text1(8)=-2;Text1(9)=2;"
               "Text1(10)=1;Text1(11)=3;Text1(12)=-2;Text2=old"
            << ""
            << "Text2=x=.33333  y=.33333  z=.333333333333333"
            << "";
        QTest::newRow("z from y before rounding")
            << Computation(ThreeLinearEquations)
            << "Text1(1)=2;Text1(2)=-1;Text1(3)=1;Text1(4)=-0.5;Text1(5)=1;Text1(6)=1;Text1(7)=-1;Text1(8)=0;Text1(9)="
               "3;Text1(10)=2;Text1(11)=1;Text1(12)=-1;Text2=old"
            << ""
            << "Text2=x=.16667  y=.11111  z=.277777777777778"
            << "";
        QTest::newRow("Q1 = 0: z from the second reduced equation")
            << Computation(ThreeLinearEquations)
            << "Text1(1)=1;Text1(2)=1;Text1(3)=1;Text1(4)=-3;Text1(5)=2;Text1(6)=1;Text1(7)=2;Text1(8)=-5;Text1(9)=1;"
               "Text1(10)=2;Text1(11)=3;Text1(12)=-6;Text2=old"
            << ""
            << "Text2=x=1  y=1  z=1"
            << "";
        QTest::newRow("Q1 = 0: x + y + z = 6, x - y + z = 2, 2x + y - z = 1")
            << Computation(ThreeLinearEquations)
            << "Text1(1)=1;Text1(2)=1;Text1(3)=1;Text1(4)=-6;Text1(5)=1;Text1(6)=-1;Text1(7)=1;Text1(8)=-2;Text1(9)=2;"
               "Text1(10)=1;Text1(11)=-1;Text1(12)=-1;Text2=old"
            << ""
            << "Text2=x=1  y=2  z=3"
            << "";
        QTest::newRow("Q1 = 0 but for rounding: z from the second reduced equation")
            << Computation(ThreeLinearEquations)
            << "Text1(1)=-1;Text1(2)=-1.3;Text1(3)=3.7;Text1(4)=-32.3;Text1(5)=-7;Text1(6)=7.5;Text1(7)=25.9;Text1(8)=-"
               "242.7;Text1(9)=-9.2;Text1(10)=-2.8;Text1(11)=5.6;Text1(12)=-78.8;Text2=old"
            << ""
            << "Text2=x=-4  y=1  z=8"
            << "";
        QTest::newRow("decimals, Q1 = 0 but for rounding, z from either equation")
            << Computation(ThreeLinearEquations)
            << "Text1(1)=0.1;Text1(2)=0.2;Text1(3)=0.3;Text1(4)=-1.4;Text1(5)=0.3;Text1(6)=0.1;Text1(7)=0.9;Text1(8)=-"
               "3.2;Text1(9)=1;Text1(10)=1;Text1(11)=1;Text1(12)=-6;Text2=old"
            << ""
            << "Text2=x=1  y=2  z=3"
            << "";
        QTest::newRow("singular system typed with decimals")
            << Computation(ThreeLinearEquations)
            << "Text1(1)=0.1;Text1(2)=0.2;Text1(3)=0.3;Text1(4)=-1;Text1(5)=0.3;Text1(6)=0.6;Text1(7)=0.9;Text1(8)=-2;"
               "Text1(9)=1;Text1(10)=1;Text1(11)=1;Text1(12)=-1;Text2=old"
            << ""
            << "Text2=x=  y=  z="
            << "请下载更新版本|-|";
        QTest::newRow("a2 = 0 with decimals: D of rounding only")
            << Computation(ThreeLinearEquations)
            << "Text1(1)=6;Text1(2)=-3.4;Text1(3)=9;Text1(4)=-0.8;Text1(5)=0;Text1(6)=9;Text1(7)=6.7;Text1(8)=3.6;"
               "Text1(9)=-9.2;Text1(10)=2;Text1(11)=9.9;Text1(12)=-3.6;Text2=old"
            << ""
            << "Text2=x=  y=  z="
            << "请下载更新版本|-|";
        QTest::newRow("a1 = 0") << Computation(ThreeLinearEquations)
                                << "Text1(1)=0;Text1(2)=1;Text1(3)=1;Text1(4)=-2;Text1(5)=1;Text1(6)=1;Text1(7)=1;"
                                   "Text1(8)=-3;Text1(9)=1;Text1(10)=2;Text1(11)=3;Text1(12)=-6;Text2=old"
                                << ""
                                << "Text2=x=  y=  z="
                                << "请下载更新版本|-|";
        QTest::newRow("a2 = 0 makes D 0")
            << Computation(ThreeLinearEquations)
            << "Text1(1)=1;Text1(2)=1;Text1(3)=1;Text1(4)=-3;Text1(5)=0;Text1(6)=1;Text1(7)=1;Text1(8)=-2;Text1(9)=1;"
               "Text1(10)=2;Text1(11)=3;Text1(12)=-6;Text2=old"
            << ""
            << "Text2=x=  y=  z="
            << "请下载更新版本|-|";
        QTest::newRow("first two rows proportional")
            << Computation(ThreeLinearEquations)
            << "Text1(1)=1;Text1(2)=1;Text1(3)=1;Text1(4)=-3;Text1(5)=2;Text1(6)=2;Text1(7)=2;Text1(8)=-6;Text1(9)=1;"
               "Text1(10)=2;Text1(11)=3;Text1(12)=-6;Text2=old"
            << ""
            << "Text2=x=  y=  z="
            << "请下载更新版本|-|";
        QTest::newRow("all empty") << Computation(ThreeLinearEquations) << "Text2=old"
                                   << ""
                                   << "Text2=x=  y=  z="
                                   << "请下载更新版本|-|";
        QTest::newRow("empty constant terms count as 0") << Computation(ThreeLinearEquations)
                                                         << "Text1(1)=1;Text1(2)=1;Text1(3)=1;Text1(5)=1;Text1(6)=2;"
                                                            "Text1(7)=3;Text1(9)=2;Text1(10)=1;Text1(11)=3;Text2=old"
                                                         << ""
                                                         << "Text2=x=0  y=0  z=0"
                                                         << "";
        QTest::newRow("a product overflows")
            << Computation(ThreeLinearEquations)
            << "Text1(1)=1e200;Text1(2)=1;Text1(3)=1;Text1(4)=-6;Text1(5)=1;Text1(6)=1e200;Text1(7)=3;Text1(8)=-14;"
               "Text1(9)=2;Text1(10)=1;Text1(11)=3;Text1(12)=-13;Text2=old"
            << ""
            << "" << kFaultShown;
        QTest::newRow("typed beyond range")
            << Computation(ThreeLinearEquations)
            << "Text1(1)=1;Text1(2)=1;Text1(3)=1;Text1(4)=-6;Text1(5)=1;Text1(6)=2;Text1(7)=3;Text1(8)=-14;Text1(9)=2;"
               "Text1(10)=1;Text1(11)=3;Text1(12)=1e400;Text2=old"
            << ""
            << "" << kFaultShown;
    }
    void solve() { checkCase(); }

    void layoutAsDesigned() {
        MenuFixture app;
        auto* w = app.open("lbl21", "frm20");
        QCOMPARE(w->label("Label2")->text(), QString(" 括号内不准为0"));
        const std::pair<const char*, const char*> labels[] = {
            {"Label1(0)", "("},     {"Label1(2)", "("},    {"Label1(3)", ")X+("}, {"Label1(7)", ")Y+("},
            {"Label1(11)", ")Z+("}, {"Label1(12)", ")=0"}, {"Label1(13)", ")=0"}, {"Label1(15)", ")=0"}};
        for (const auto& [name, caption] : labels) QCOMPARE(w->label(name)->text(), QString(caption));
        QCOMPARE(w->label("Label1(15)")->geometry().topLeft(), QPoint(488, 16));  // row 1 at 7320
        QCOMPARE(w->field(Coefficient(7))->geometry(), QRect(288, 64, 65, 35));   // 4320, 960, 975 by 525
        QCOMPARE(w->field(Coefficient(1))->font().pointSizeF(), 26.25);
        QCOMPARE(w->button("Command2")->text(), QString("计  算"));
        QCOMPARE(w->focusWidget(), w->field(Coefficient(1)));
        QCOMPARE(FocusOrder(w->field(Coefficient(1)), 17),
                 QStringList({"Text1(1)", "Text1(2)", "Text1(3)", "Text1(4)", "Text1(12)", "Text1(11)", "Text1(10)",
                              "Text1(9)", "Text1(8)", "Text1(7)", "Text1(6)", "Text1(5)", "Text2", "Command1",
                              "Command2", "Command3", "Text1(1)"}));
    }
};

QTEST_MAIN(ThreeEquationsTest)
#include "tst_threeequations.moc"
