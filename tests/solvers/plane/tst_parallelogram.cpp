// The three parallelogram windows: their case lists over a fake form, and the real
// windows driven from the menu.
#include <QTest>

#include "planecases.h"
#include "planewindows.h"
#include "solvers/plane/parallelogram.h"

using namespace velunda;
using namespace velunda::testing;

Q_DECLARE_METATYPE(Computation)

class ParallelogramTest : public QObject {
    Q_OBJECT

private slots:
    // Base, height and area (frm3) and sides and perimeter (frm2): two give the third,
    // and all three are written back with a sign position.
    void twoOfThree_data() {
        QTest::addColumn<Computation>("computation");
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("writes");
        QTest::addColumn<QString>("shown");
        const auto area = Computation(SolveParallelogramArea), perimeter = Computation(SolveParallelogramPerimeter);
        QTest::newRow("area: base 4, height 3") << area << "Text1=4;Text2=3"
                                                << "Text1= 4;Text2= 3;Text3= 12"
                                                << "";
        QTest::newRow("area: base 4, area 12") << area << "Text1=4;Text3=12"
                                               << "Text1= 4;Text2= 3;Text3= 12"
                                               << "";
        QTest::newRow("area: height 3, area 12") << area << "Text2=3;Text3=12"
                                                 << "Text1= 4;Text2= 3;Text3= 12"
                                                 << "";
        QTest::newRow("area: all three, the area is replaced") << area << "Text1=4;Text2=3;Text3=100"
                                                               << "Text1= 4;Text2= 3;Text3= 12"
                                                               << "";
        QTest::newRow("area: negative base") << area << "Text1=-4;Text2=3"
                                             << "Text1=-4;Text2= 3;Text3=-12"
                                             << "";
        QTest::newRow("area: base .5") << area << "Text1=0.5;Text2=3"
                                       << "Text1= .5;Text2= 3;Text3= 1.5"
                                       << "";
        QTest::newRow("area: only the base, rewritten") << area << "Text1=4"
                                                        << "Text1= 4;Text2= 0;Text3= 0"
                                                        << "";
        QTest::newRow("area: empty window") << area << ""
                                            << "Text1= 0;Text2= 0;Text3= 0"
                                            << "";
        QTest::newRow("area: overflow") << area << "Text1=1e200;Text2=1e200"
                                        << "" << kFaultShown;
        QTest::newRow("perimeter: sides 3 and 5") << perimeter << "Text1=3;Text2=5"
                                                  << "Text1= 3;Text2= 5;Text3= 16"
                                                  << "";
        QTest::newRow("perimeter: side 3, perimeter 16") << perimeter << "Text1=3;Text3=16"
                                                         << "Text1= 3;Text2= 5;Text3= 16"
                                                         << "";
        QTest::newRow("perimeter: adjacent side 5, perimeter 16") << perimeter << "Text2=5;Text3=16"
                                                                  << "Text1= 3;Text2= 5;Text3= 16"
                                                                  << "";
        QTest::newRow("perimeter: too short, negative side") << perimeter << "Text1=3;Text3=4"
                                                             << "Text1= 3;Text2=-1;Text3= 4"
                                                             << "";
        QTest::newRow("perimeter: all three, the perimeter is replaced") << perimeter << "Text1=3;Text2=5;Text3=100"
                                                                         << "Text1= 3;Text2= 5;Text3= 16"
                                                                         << "";
        QTest::newRow("perimeter: sides .25 and .5") << perimeter << "Text1=0.25;Text2=0.5"
                                                     << "Text1= .25;Text2= .5;Text3= 1.5"
                                                     << "";
        QTest::newRow("perimeter: empty window") << perimeter << ""
                                                 << "Text1= 0;Text2= 0;Text3= 0"
                                                 << "";
        QTest::newRow("perimeter: overflow") << perimeter << "Text1=1e308;Text2=1e308"
                                             << "" << kFaultShown;
    }
    void twoOfThree() {
        QFETCH(Computation, computation);
        checkCase(computation);
    }

    // Two sides, included angle and area (frm4), with S = a·b·sin θ.
    void sidesAndAngle_data() {
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("writes");
        QTest::addColumn<QString>("shown");
        const QStringList degrees{"opt2"}, radians{"opt1"}, neither;
        QTest::newRow("1: degrees, 2, 3, 30")
            << "Text1=2;Text2=3;Text3=30" << degrees << "Text3=30;Text1=2;Text2=3;Text4=3"
            << "";
        QTest::newRow("1: neither option means degrees")
            << "Text1=2;Text2=3;Text3=30" << neither << "Text3=30;Text1=2;Text2=3;Text4=3"
            << "";
        QTest::newRow("1: radians, 2, 3, 1")
            << "Text1=2;Text2=3;Text3=1" << radians << "Text3=1;Text1=2;Text2=3;Text4=5.04882590884738"
            << "";
        QTest::newRow("1: all four given, the area is replaced")
            << "Text1=2;Text2=3;Text3=30;Text4=100" << degrees << "Text3=30;Text1=2;Text2=3;Text4=3"
            << "";
        QTest::newRow("2: degrees, both angles, sides kept as typed")
            << "Text1=02;Text2=3;Text4=3" << degrees << "Text3= 30或 150"
            << "";
        QTest::newRow("2: radians, both angles")
            << "Text1=2;Text2=3;Text4=3" << radians << "Text3= .523598775598299或 2.61799387799149"
            << "";
        QTest::newRow("2: right angle in degrees") << "Text1=2;Text2=3;Text4=6" << degrees << "Text3= 90或 90"
                                                   << "";
        QTest::newRow("2: right angle in radians")
            << "Text1=2;Text2=3;Text4=6" << radians << "Text3= 1.5707963267949或 1.5707963267949"
            << "";
        QTest::newRow("2: right angle typed in decimals, degrees")
            << "Text1=0.1;Text2=0.7;Text4=0.07" << degrees << "Text3= 90或 90"
            << "";
        QTest::newRow("2: right angle typed in decimals, radians")
            << "Text1=0.1;Text2=0.7;Text4=0.07" << radians << "Text3= 1.5707963267949或 1.5707963267949"
            << "";
        QTest::newRow("2: negative right angle typed in decimals")
            << "Text1=0.1;Text2=0.7;Text4=-0.07" << degrees << "Text3=-90或 270"
            << "";
        QTest::newRow("2: negative area, negative angle") << "Text1=2;Text2=3;Text4=-3" << degrees << "Text3=-30或 210"
                                                          << "";
        QTest::newRow("3: degrees, a 2, 30, area 3")
            << "Text1=2;Text3=30;Text4=3" << degrees << "Text3=30;Text1=2;Text2=3;Text4=3"
            << "";
        QTest::newRow("4: degrees, b 3, 30, area 3")
            << "Text2=3;Text3=30;Text4=3" << degrees << "Text3=30;Text1=2;Text2=3;Text4=3"
            << "";
        // The sine of 180 degrees is a tiny number, not 0: the side comes out huge.
        QTest::newRow("3: 180 degrees") << "Text1=2;Text3=180;Text4=3" << degrees
                                        << "Text3=180;Text1=2;Text2=1.22484295148965E+16;Text4=3"
                                        << "";
        QTest::newRow("only two given: normalised") << "Text1=2;Text2=3" << degrees << "Text3=0;Text1=2;Text2=3;Text4=0"
                                                    << "";
        QTest::newRow("empty window") << "" << radians << "Text3=0;Text1=0;Text2=0;Text4=0"
                                      << "";
        QTest::newRow("2: area above a·b") << "Text1=2;Text2=3;Text4=7" << degrees << "" << kFaultShown;
        QTest::newRow("2: area above a·b beyond rounding")
            << "Text1=0.1;Text2=0.7;Text4=0.0700000000001" << degrees << "" << kFaultShown;
        QTest::newRow("2: area below -a·b") << "Text1=2;Text2=3;Text4=-7" << radians << "" << kFaultShown;
        QTest::newRow("1: overflow") << "Text1=1e200;Text2=1e200;Text3=30" << degrees << "" << kFaultShown;
    }
    void sidesAndAngle() {
        QFETCH(QStringList, options);
        checkCase(SolveParallelogramAngle, options);
    }

    void baseHeightWindow() {
        MenuFixture app;
        auto* w = app.open("lbl18", "frm3");
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("解平行四边形（底，高，面积互换）"));
        QCOMPARE(w->size(), QSize(298, 130));
        QCOMPARE(w->label("Label1(2)")->text(), QString(" 平行四边形的高"));
        QCOMPARE(w->label("Label1(2)")->buddy(), w->field("Text2"));
        fill(w, "Text2=3;Text3=12");
        pressEnter(w->field("Text3"));  // Enter computes nothing
        QCOMPARE(texts(w, 3), (QStringList{"", "3", "12"}));
        click(w->button("Command2"));
        QCOMPARE(texts(w, 3), (QStringList{" 4", " 3", " 12"}));
        QVERIFY(clearsAndExits(app, w, "Command1", {"Text1", "Text2", "Text3"}, "Command3"));
    }

    void sidesPerimeterWindow() {
        MenuFixture app;
        auto* w = app.open("lbl7", "frm2");
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("解平行四边形(边与周长互换)"));
        QCOMPARE(w->size(), QSize(321, 136));
        QCOMPARE(w->label("Label1(1)")->text(), QString("邻边"));
        fill(w, "Text1=3;Text3=4");
        click(w->button("Command2"));
        QCOMPARE(texts(w, 3), (QStringList{" 3", "-1", " 4"}));
        fill(w, "Text2=1e308;Text1=1e308");
        {
            MessageCatcher catcher;
            click(w->button("Command2"));
            QCOMPARE(catcher.shown(), QString("无法计算，请检查输入的数据|i|Velunda"));
        }
        QCOMPARE(texts(w, 3), (QStringList{"1e308", "1e308", " 4"}));
        QVERIFY(clearsAndExits(app, w, "Command1", {"Text1", "Text2", "Text3"}, "Command3"));
    }

    void sidesAngleWindow() {
        MenuFixture app;
        auto* w = app.open("lbl17", "frm4");
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("解平行四边形（两边，夹角，面积互换）"));
        QCOMPARE(w->size(), QSize(345, 165));
        QVERIFY(w->option("opt1")->isChecked());  // radians on opening
        click(w->option("opt2"));
        fill(w, "Text1=02;Text2=3;Text4=3");
        click(w->button("Command2"));
        QCOMPARE(texts(w, 4), (QStringList{"02", "3", " 30或 150", "3"}));

        // An area above a·b: the message, and the fields as typed.
        fill(w, "Text3=;Text4=7");
        {
            MessageCatcher catcher;
            click(w->button("Command2"));
            QCOMPARE(catcher.shown(), QString("无法计算，请检查输入的数据|i|Velunda"));
        }
        QCOMPARE(texts(w, 4), (QStringList{"02", "3", "", "7"}));

        click(w->option("opt1"));
        fill(w, "Text3=1;Text4=");
        click(w->button("Command2"));
        QCOMPARE(texts(w, 4), (QStringList{"2", "3", "1", "5.04882590884738"}));
        click(w->button("Command1"));
        QVERIFY(w->option("opt1")->isChecked());  // the clear button keeps the unit
        QVERIFY(clearsAndExits(app, w, "Command1", {"Text1", "Text2", "Text3", "Text4"}, "Command3"));
    }

    void sidesAngleTabOrder() {
        MenuFixture app;
        auto* w = app.open("lbl17", "frm4");
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(QApplication::focusWidget(), w->option("opt1"));
        QStringList order;
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        // The option group is one stop, at its selected button.
        QCOMPARE(order.join(','), QString("Text1,Text2,Command1,Text3,Text4,Command2,Command3,opt1"));
        QVERIFY(w->option("opt1")->isChecked());
    }
};

QTEST_MAIN(ParallelogramTest)
#include "tst_parallelogram.moc"
