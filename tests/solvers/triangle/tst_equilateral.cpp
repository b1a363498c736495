// The equilateral-triangle window: the first given quantity decides, over a fake form,
// and the real window opened from its menu entry.
#include <QTest>

#include "solvers/triangle/equilateral.h"
#include "support/gui.h"
#include "triangletests.h"

using namespace velunda;
using namespace velunda::testing;

namespace {
const QStringList kFields{"Text1", "Text2", "Text3", "Text4"};
}

class EquilateralTest : public QObject {
    Q_OBJECT

private slots:
    void computation_data() {
        AddComputationColumns();  // messages: the window has none of its own, only the fault
        QTest::newRow("side 1") << "Text1=1"
                                << "Text1=1;Text2=3;Text3=.866025403784439;Text4=.433012701892219"
                                << "";
        QTest::newRow("side 2") << "Text1=2"
                                << "Text1=2;Text2=6;Text3=1.73205080756888;Text4=1.73205080756888"
                                << "";
        QTest::newRow("perimeter 6") << "Text2=6"
                                     << "Text1=2;Text2=6;Text3=1.73205080756888;Text4=1.73205080756888"
                                     << "";
        QTest::newRow("perimeter 5") << "Text2=5"
                                     << "Text1=1.66666666666667;Text2=5;Text3=1.44337567297406;Text4=1.20281306081172"
                                     << "";
        QTest::newRow("height 3") << "Text3=3"
                                  << "Text1=3.46410161513775;Text2=10.3923048454133;Text3=3;Text4=5.19615242270663"
                                  << "";
        QTest::newRow("area root 3") << "Text4=1.7320508075688772"
                                     << "Text1=2;Text2=6;Text3=1.73205080756888;Text4=1.73205080756888"
                                     << "";
        QTest::newRow("area 10") << "Text4=10"
                                 << "Text1=4.80562282826951;Text2=14.4168684848085;Text3=4.16179145028782;Text4=10"
                                 << "";
        QTest::newRow("side 2 with a typed perimeter 100: the side decides")
            << "Text1=2;Text2=100"
            << "Text1=2;Text2=6;Text3=1.73205080756888;Text4=1.73205080756888"
            << "";
        QTest::newRow("height typed with the perimeter: the perimeter decides")
            << "Text2=6;Text3=99"
            << "Text1=2;Text2=6;Text3=1.73205080756888;Text4=1.73205080756888"
            << "";
        QTest::newRow("all empty: all zero") << ""
                                             << "Text1=0;Text2=0;Text3=0;Text4=0"
                                             << "";
        QTest::newRow("side -2: no sign test") << "Text1=-2"
                                               << "Text1=-2;Text2=-6;Text3=-1.73205080756888;Text4=1.73205080756888"
                                               << "";
        QTest::newRow("negative area alone: root of a negative") << "Text4=-1"
                                                                 << "" << kFaultForm;
        QTest::newRow("side overflows") << "Text1=1e200"
                                        << "" << kFaultForm;
    }
    void computation() { CheckComputation(SolveEquilateralTriangle); }

    void windowFromMenu() {
        MenuFixture app;
        auto* w = app.open("lbl110", "frm13");
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("解等边三角形"));
        QCOMPARE(w->button("Command2")->text(), QString("计  算"));
        typeInto(w->field("Text2"), "6");
        click(w->button("Command2"));
        QCOMPARE(Texts(w, kFields), (QStringList{"2", "6", "1.73205080756888", "1.73205080756888"}));
    }

    void negativeAreaShowsFaultAndKeepsFields() {
        MenuFixture app;
        auto* w = app.open("lbl110", "frm13");
        typeInto(w->field("Text4"), "-1");
        MessageCatcher catcher;
        click(w->button("Command2"));
        QCOMPARE(catcher.shown(), kFaultShown);
        QCOMPARE(Texts(w, kFields), (QStringList{"", "", "", "-1"}));
    }

    void clearAndExit() {
        MenuFixture app;
        auto* w = app.open("lbl110", "frm13");
        QCOMPARE(w->label("Label1(4)")->text(), QString(" 等边三角形的高"));
        QCOMPARE(w->button("Command3")->text(), QString("退  出"));
        typeInto(w->field("Text1"), "1");
        click(w->button("Command2"));
        click(w->button("Command1"));
        QCOMPARE(Texts(w, kFields), QStringList(4, QString()));
        CheckExit(app, w, "Command3");
    }
};

QTEST_MAIN(EquilateralTest)
#include "tst_equilateral.moc"
