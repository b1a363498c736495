// The cylinder window: its case list over a fake form, and the real window's layout.
#include <QTest>

#include "solvers/solid/cylinder.h"
#include "support/cases.h"
#include "support/gui.h"

using namespace velunda;
using namespace velunda::testing;

class CylinderTest : public QObject {
    Q_OBJECT

private slots:
    void cases_data() {
        addCaseColumns();
        QTest::newRow("radius 1, height 1") << Computation(CylinderCompute) << "Text1=1;Text6=1"
                                            << ""
                                            << "Text1=1;Text2=6.28;Text3=6.28;Text4=12.56;Text5=3.14;Text6=1;Text7=3.14"
                                            << "";
        QTest::newRow("r and h") << Computation(CylinderCompute) << "Text1=2;Text6=5"
                                 << ""
                                 << "Text1=2;Text2=12.56;Text3=62.8;Text4=87.92;Text5=62.8;Text6=5;Text7=12.56"
                                 << "";
        QTest::newRow("C and h") << Computation(CylinderCompute) << "Text2=12.56;Text6=5"
                                 << ""
                                 << "Text1=2;Text2=12.56;Text3=62.8;Text4=87.92;Text5=62.8;Text6=5;Text7=12.56"
                                 << "";
        QTest::newRow("B and h") << Computation(CylinderCompute) << "Text6=5;Text7=12.56"
                                 << ""
                                 << "Text1=2;Text2=12.56;Text3=62.8;Text4=87.92;Text5=62.8;Text6=5;Text7=12.56"
                                 << "";
        QTest::newRow("r and L") << Computation(CylinderCompute) << "Text1=2;Text3=62.8"
                                 << ""
                                 << "Text1=2;Text2=12.56;Text3=62.8;Text4=87.92;Text5=62.8;Text6=5;Text7=12.56"
                                 << "";
        QTest::newRow("r and S") << Computation(CylinderCompute) << "Text1=2;Text4=87.92"
                                 << ""
                                 << "Text1=2;Text2=12.56;Text3=62.8;Text4=87.92;Text5=62.8;Text6=5;Text7=12.56"
                                 << "";
        QTest::newRow("r and V") << Computation(CylinderCompute) << "Text1=2;Text5=62.8"
                                 << ""
                                 << "Text1=2;Text2=12.56;Text3=62.8;Text4=87.92;Text5=62.8;Text6=5;Text7=12.56"
                                 << "";
        QTest::newRow("h and L") << Computation(CylinderCompute) << "Text3=62.8;Text6=5"
                                 << ""
                                 << "Text1=2;Text2=12.56;Text3=62.8;Text4=87.92;Text5=62.8;Text6=5;Text7=12.56"
                                 << "";
        QTest::newRow("h and V") << Computation(CylinderCompute) << "Text5=62.8;Text6=5"
                                 << ""
                                 << "Text1=2;Text2=12.56;Text3=62.8;Text4=87.92;Text5=62.8;Text6=5;Text7=12.56"
                                 << "";
        QTest::newRow("L and S") << Computation(CylinderCompute) << "Text3=62.8;Text4=87.92"
                                 << ""
                                 << "Text1=2;Text2=12.56;Text3=62.8;Text4=87.92;Text5=62.8;Text6=5;Text7=12.56"
                                 << "";
        QTest::newRow("L and V") << Computation(CylinderCompute) << "Text3=62.8;Text5=62.8"
                                 << ""
                                 << "Text1=2;Text2=12.56;Text3=62.8;Text4=87.92;Text5=62.8;Text6=5;Text7=12.56"
                                 << "";
        QTest::newRow("radius wins over circumference and base area")
            << Computation(CylinderCompute) << "Text1=2;Text2=5;Text6=5;Text7=7"
            << ""
            << "Text1=2;Text2=12.56;Text3=62.8;Text4=87.92;Text5=62.8;Text6=5;Text7=12.56"
            << "";
        QTest::newRow("circumference wins over base area")
            << Computation(CylinderCompute) << "Text2=12.56;Text6=5;Text7=100"
            << ""
            << "Text1=2;Text2=12.56;Text3=62.8;Text4=87.92;Text5=62.8;Text6=5;Text7=12.56"
            << "";
        QTest::newRow("negative radius comes out positive")
            << Computation(CylinderCompute) << "Text1=-2;Text6=5"
            << ""
            << "Text1=2;Text2=12.56;Text3=62.8;Text4=87.92;Text5=62.8;Text6=5;Text7=12.56"
            << "";
        QTest::newRow("r and S keep the typed surface area")
            << Computation(CylinderCompute) << "Text1=1;Text4=10"
            << ""
            << "Text1=1;Text2=6.28;Text3=3.72;Text4=10;Text5=1.86;Text6=.592356687898089;Text7=3.14"
            << "";
        QTest::newRow("only a radius") << Computation(CylinderCompute) << "Text1=3"
                                       << ""
                                       << "Text1=3;Text2=18.84;Text3=0;Text4=0;Text5=0;Text6=0;Text7=28.26"
                                       << "";
        QTest::newRow("all empty") << Computation(CylinderCompute) << ""
                                   << ""
                                   << "Text1=0;Text2=0;Text3=0;Text4=0;Text5=0;Text6=0;Text7=0"
                                   << "";
        QTest::newRow("unreadable text counts as not given")
            << Computation(CylinderCompute) << "Text1=abc;Text6=5cm"
            << ""
            << "Text1=0;Text2=0;Text3=0;Text4=0;Text5=0;Text6=5;Text7=0"
            << "";
        QTest::newRow("S and V: newer version wanted")
            << Computation(CylinderCompute) << "Text4=87.92;Text5=62.8"
            << ""
            << "Text1=0;Text2=0;Text3=0;Text4=87.92;Text5=62.8;Text6=0;Text7=0"
            << "请下载更新版本|-|";
        // Height and surface area: the radius solves a quadratic in double precision.
        QTest::newRow("h 5, S 87.92: radius 2")
            << Computation(CylinderCompute) << "Text4=87.92;Text6=5"
            << ""
            << "Text1=2;Text2=12.56;Text3=62.8;Text4=87.92;Text5=62.8;Text6=5;Text7=12.56"
            << "";
        QTest::newRow("h 1, S 12.56: radius 1")
            << Computation(CylinderCompute) << "Text4=12.56;Text6=1"
            << ""
            << "Text1=1;Text2=6.28;Text3=6.28;Text4=12.56;Text5=3.14;Text6=1;Text7=3.14"
            << "";
        QTest::newRow("h 2, S .3: small radius")
            << Computation(CylinderCompute) << "Text4=.3;Text6=2"
            << ""
            << "Text1=.0236067118952194;Text2=.148250150701978;Text3=.296500301403956;Text4=.3;Text5=."
               "00349969859604445;Text6=2;Text7=.00174984929802222"
            << "";
        QTest::newRow("h -5, S -37.68: two positive radii joined by 或")
            << Computation(CylinderCompute) << "Text4=-37.68;Text6=-5"
            << ""
            << "Text1=0;Text2=0;Text3=0;Text4=0;Text5=0;Text6=-5;Text7=0;Text1= 3或 2;Text2= 18.84或 "
               "12.56;Text3=-94.2或-62.8;Text5=-141.3或-62.8;Text7= 28.26或 12.56"
            << "";
        QTest::newRow("h 163.06, S .001: a tiny radius, not lost to cancellation")
            << Computation(CylinderCompute) << "Text4=.001;Text6=163.05732484076433"
            << ""
            << "Text1=9.76562494151294E-07;Text2=6.13281246327013E-06;Text3=.000999999994010926;Text4=.001;Text5=4."
               "88281244151295E-10;Text6=163.057324840764;Text7=2.99453731764661E-12"
            << "";
        // After "无解" nothing is written: the typed texts stay, other fields included.
        QTest::newRow("h 10, S -10: both roots negative")
            << Computation(CylinderCompute) << "Text1=x;Text4=-10;Text6=10"
            << ""
            << ""
            << "无解|-|";
        QTest::newRow("h 1, S -10: negative discriminant, one message")
            << Computation(CylinderCompute) << "Text2=old;Text4=-10;Text6=1"
            << ""
            << ""
            << "无解|-|";
        // Inputs without a result: the fault message, every field as it was.
        QTest::newRow("negative base area alone") << Computation(CylinderCompute) << "Text7=-12.56"
                                                  << ""
                                                  << "" << kFaultShown;
        QTest::newRow("negative base area with a height") << Computation(CylinderCompute) << "Text6=5;Text7=-12.56"
                                                          << ""
                                                          << "" << kFaultShown;
        QTest::newRow("volume and height of opposite signs") << Computation(CylinderCompute) << "Text5=62.8;Text6=-5"
                                                             << ""
                                                             << "" << kFaultShown;
        QTest::newRow("surface area below lateral area") << Computation(CylinderCompute) << "Text3=62.8;Text4=50"
                                                         << ""
                                                         << "" << kFaultShown;
        QTest::newRow("surface area equal to lateral area") << Computation(CylinderCompute) << "Text3=62.8;Text4=62.8"
                                                            << ""
                                                            << "" << kFaultShown;
        QTest::newRow("products beyond range") << Computation(CylinderCompute) << "Text1=1e200;Text6=1e200"
                                               << ""
                                               << "" << kFaultShown;
        QTest::newRow("typed beyond range") << Computation(CylinderCompute) << "Text6=1e400"
                                            << ""
                                            << "" << kFaultShown;
        QTest::newRow("height beyond range with a surface area")
            << Computation(CylinderCompute) << "Text4=10;Text6=1e400"
            << ""
            << "" << kFaultShown;
    }
    void cases() { checkCase(); }

    // Every click writes all seven fields in order; two radii then overwrite five.
    void writeOrder_data() {
        addCaseColumns();
        QTest::newRow("one radius") << Computation(CylinderCompute) << "Text1=2;Text6=5"
                                    << ""
                                    << "Text1=2;Text2=12.56;Text3=62.8;Text4=87.92;Text5=62.8;Text6=5;Text7=12.56"
                                    << "";
        QTest::newRow("two radii") << Computation(CylinderCompute) << "Text4=-37.68;Text6=-5"
                                   << ""
                                   << "Text1=0;Text2=0;Text3=0;Text4=0;Text5=0;Text6=-5;Text7=0;Text1= 3或 2;Text2= "
                                      "18.84或 12.56;Text3=-94.2或-62.8;Text5=-141.3或-62.8;Text7= 28.26或 12.56"
                                   << "";
        QTest::newRow("no solution") << Computation(CylinderCompute) << "Text4=-10;Text6=10"
                                     << ""
                                     << ""
                                     << "无解|-|";
    }
    void writeOrder() { checkCase(); }

    void layoutAsDesigned() {
        MenuFixture app;
        auto* w = app.open("lbl24", "frm15");
        QCOMPARE(w->size(), QSize(388, 162));
        const QStringList captions{"Label1(0)=底面半径", "Label1(1)=底面周长", "Label1(2)=侧面积", "Label1(3)=表面积",
                                   "Label2=体 积",       "Label3=圆柱体的高",  "Label4=底面积"};
        for (const QString& c : captions) {
            const QStringList parts = c.split('=');
            QCOMPARE(w->label(parts[0].toStdString())->text(), parts[1]);
        }
        QCOMPARE(w->button("Command1")->text(), QString("清  零"));
        QCOMPARE(w->button("Command2")->text(), QString("计  算"));
        QCOMPARE(w->button("Command3")->text(), QString("退  出"));
        QCOMPARE(w->label("Label3")->buddy(), w->field("Text6"));
        QCOMPARE(w->focusWidget(), w->field("Text1"));  // the first of the focus order
        QCOMPARE(FocusOrder(w->field("Text1"), 10).join(' '),
                 QString("Text1 Text2 Text3 Text4 Text5 Command1 Command2 Command3 Text6 Text7"));
    }
};

QTEST_MAIN(CylinderTest)
#include "tst_cylinder.moc"
