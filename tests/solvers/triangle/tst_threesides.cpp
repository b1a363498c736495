// The three-sides window: its computation over a fake form, the radian text, and the
// real window opened from the menu.
#include <QImage>
#include <QTest>
#include <algorithm>
#include <random>

#include "solvers/triangle/threesides.h"
#include "support/cases.h"
#include "support/gui.h"

using namespace velunda;
using namespace velunda::testing;

class ThreeSidesTest : public QObject {
    Q_OBJECT

private slots:
    void computation_data() {
        addCaseColumns();
        QTest::newRow("1 1 1: equilateral")
            << Computation(TriangleFromThreeSides) << "Text1=1;Text2=1;Text3=1"
            << ""
            << "txt1=3;txt2=0.433012701892219;txt3=0.866025403784439;txt4=0.866025403784439;txt5=0.866025403784439;"
               "txt6= 60;txt8= 60;txt10= "
               "60;txt12=0.577350269189626;txt13=0.288675134594813;txt7=0.3333π≈1.0471975511966;txt9=0.3333π≈1."
               "0471975511966;txt11=0.3333π≈1.0471975511966"
            << "";
        // The inradius is 0.9999999999999996 and so reads "01".
        QTest::newRow("3 4 5: right angle at C")
            << Computation(TriangleFromThreeSides) << "Text1=3;Text2=4;Text3=5"
            << ""
            << "txt1=12;txt2=6;txt3=4;txt4=3;txt5=2.4;txt6= 36.869897645844;txt8= 53.130102354156;txt10= "
               "90;txt12=2.5;txt13=01;txt7=0.2048π≈0.643501108793284;txt9=0.2952π≈0.927295218001612;txt11=0.5π≈1."
               "5707963267949"
            << "";
        QTest::newRow("100 100 1: angle below one degree without leading zero")
            << Computation(TriangleFromThreeSides) << "Text1=100;Text2=100;Text3=1"
            << ""
            << "txt1=201;txt2=49.9993749960937;txt3=0.999987499921874;txt4=0.999987499921874;txt5=99.9987499921874;"
               "txt6= 89.7135199087591;txt8= 89.7135199087591;txt10= "
               ".572960182481833;txt12=50.000625011719;txt13=0.497506218866604;txt7=0.4984π≈1.56579630596133;txt9=0."
               "4984π≈1.56579630596133;txt11=0.0032π≈0.0100000416671355"
            << "";
        QTest::newRow("sides typed with units and blanks")
            << Computation(TriangleFromThreeSides) << "Text1= 3 cm;Text2=4cm;Text3=5 "
            << ""
            << "txt1=12;txt2=6;txt3=4;txt4=3;txt5=2.4;txt6= 36.869897645844;txt8= 53.130102354156;txt10= "
               "90;txt12=2.5;txt13=01;txt7=0.2048π≈0.643501108793284;txt9=0.2952π≈0.927295218001612;txt11=0.5π≈1."
               "5707963267949"
            << "";
        QTest::newRow("1 2 3: a + b = c") << Computation(TriangleFromThreeSides) << "Text1=1;Text2=2;Text3=3"
                                          << ""
                                          << ""
                                          << "不能构成三角形|-|";
        QTest::newRow("3 1 1: b + c < a") << Computation(TriangleFromThreeSides) << "Text1=3;Text2=1;Text3=1"
                                          << ""
                                          << ""
                                          << "不能构成三角形|-|";
        QTest::newRow("1 3 1: a + c < b") << Computation(TriangleFromThreeSides) << "Text1=1;Text2=3;Text3=1"
                                          << ""
                                          << ""
                                          << "不能构成三角形|-|";
        QTest::newRow("initial texts read as 0")
            << Computation(TriangleFromThreeSides) << "Text1=请输入数据;Text2=请输入数据;Text3=请输入数据"
            << ""
            << ""
            << "不能构成三角形|-|";
        QTest::newRow("negative side") << Computation(TriangleFromThreeSides) << "Text1=-3;Text2=4;Text3=5"
                                       << ""
                                       << ""
                                       << "不能构成三角形|-|";
        QTest::newRow("zero side") << Computation(TriangleFromThreeSides) << "Text1=3;Text2=0;Text3=5"
                                   << ""
                                   << ""
                                   << "不能构成三角形|-|";
        QTest::newRow("side beyond range") << Computation(TriangleFromThreeSides) << "Text1=1e400;Text2=4;Text3=5"
                                           << ""
                                           << ""
                                           << "不能构成三角形|-|";
        QTest::newRow("very thin: a cosine rounds to 1, the angle reads 0")
            << Computation(TriangleFromThreeSides) << "Text1=100000000;Text2=100000000;Text3=1"
            << ""
            << "txt1=200000001;txt2=50000000;txt3=1;txt4=1;txt5=100000000;txt6= 90;txt8= 90;txt10= "
               "0;txt12=50000000;txt13=0.4999999975;txt7=0.5π≈1.5707963267949;txt9=0.5π≈1.5707963267949;txt11=0π≈0"
            << "";
        QTest::newRow("very thin, the angle of 0 at A: no circumradius")
            << Computation(TriangleFromThreeSides) << "Text1=1;Text2=100000000;Text3=100000000"
            << ""
            << "" << kFaultShown;
        QTest::newRow("decimals on one line: .3 .1 .2")
            << Computation(TriangleFromThreeSides) << "Text1=0.3;Text2=0.1;Text3=0.2"
            << ""
            << ""
            << "不能构成三角形|-|";
        QTest::newRow("decimals on one line: .1 .2 .3")
            << Computation(TriangleFromThreeSides) << "Text1=0.1;Text2=0.2;Text3=0.3"
            << ""
            << ""
            << "不能构成三角形|-|";
        QTest::newRow("decimals on one line: 1.1 2.2 3.3")
            << Computation(TriangleFromThreeSides) << "Text1=1.1;Text2=2.2;Text3=3.3"
            << ""
            << ""
            << "不能构成三角形|-|";
        QTest::newRow("whole numbers on one line: 2 5 3")
            << Computation(TriangleFromThreeSides) << "Text1=2;Text2=5;Text3=3"
            << ""
            << ""
            << "不能构成三角形|-|";
        QTest::newRow("squares overflow")
            << Computation(TriangleFromThreeSides) << "Text1=1e200;Text2=1e200;Text3=1e200"
            << ""
            << "" << kFaultShown;
    }
    void computation() { checkCase(); }

    void radianText_data() {
        QTest::addColumn<double>("angle");
        QTest::addColumn<QString>("text");
        QTest::newRow("right angle") << 1.5707963267948966 << "0.5π≈1.5707963267949";
        QTest::newRow("straight angle") << 3.141592653589793 << "1π≈3.14159265358979";
        QTest::newRow("zero") << 0.0 << "0π≈0";
        QTest::newRow("multiple 0.00005 rounds down to even 0") << 0.00015707963267948965 << "0π≈0.00015707963267949";
        QTest::newRow("multiple 0.00025 rounds down to even 0.0002")
            << 0.0007853981633974483 << "0.0002π≈0.000785398163397448";
        QTest::newRow("one radian") << 1.0 << "0.3183π≈1";
        QTest::newRow("negative") << -1.0 << "-0.3183π≈-1";
    }
    void radianText() {
        QFETCH(double, angle);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(RadianText(angle)), text);
    }

    // Sides typed with one or two decimals, in every order: three that lie on one line
    // (a + b = c) make no triangle, and a third side shorter by one unit of the last
    // decimal makes one.
    void decimalSidesOnOneLine_data() {
        QTest::addColumn<int>("places");
        QTest::addColumn<int>("shorter");  // c = a + b − shorter, in units of the last decimal
        QTest::addColumn<bool>("triangle");
        QTest::newRow("one decimal, a + b = c: no triangle") << 1 << 0 << false;
        QTest::newRow("two decimals, a + b = c: no triangle") << 2 << 0 << false;
        QTest::newRow("one decimal, c shorter by .1: a triangle") << 1 << 1 << true;
        QTest::newRow("two decimals, c shorter by .01: a triangle") << 2 << 1 << true;
    }
    void decimalSidesOnOneLine() {
        QFETCH(int, places);
        QFETCH(int, shorter);
        QFETCH(bool, triangle);
        const QString expected = triangle ? QString() : QString("不能构成三角形|-|");
        std::mt19937 random(15);
        std::uniform_int_distribution<qint64> side(1, 100000);
        for (int i = 0; i < 2000; ++i) {
            const qint64 a = side(random), b = side(random);
            QStringList sides{Decimal(a, places), Decimal(b, places), Decimal(a + b - shorter, places)};
            std::sort(sides.begin(), sides.end());
            do {
                FakeForm form = Filled("Text1=" + sides[0] + ";Text2=" + sides[1] + ";Text3=" + sides[2]);
                form.run(TriangleFromThreeSides);
                QVERIFY2(QString::fromStdString(form.shown()) == expected, qPrintable(sides.join(' ')));
            } while (std::next_permutation(sides.begin(), sides.end()));
        }
    }

    void captionsAndLegend() {
        MenuFixture app;
        auto* w = app.open("lbl4", "frm1");
        QCOMPARE(w->size(), QSize(454, 268));
        QCOMPARE(w->label("Label1(0)")->text(), QString("第一边长   (BC)"));
        QCOMPARE(w->label("Label1(5)")->text(), QString("  外接圆    半径"));
        QCOMPARE(w->label("Label1(4)")->text(), QString(" 内切圆    半径"));
        QCOMPARE(w->label("Label2")->text(), QString("图例："));
        QCOMPARE(w->label("Label2")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(w->field("Text1")->font().pointSizeF(), 12.0);
        QCOMPARE(w->palette().color(QPalette::Window), QColor(128, 255, 128));
        QCOMPARE(w->button("Command2")->text(), QString("计  算"));
        // The legend's base line runs from B to C: its middle is drawn, the window's
        // background lies above it.
        const QImage picture = w->grab().toImage();
        QVERIFY(qGray(picture.pixel(136, 256)) < 128);
        QCOMPARE(picture.pixelColor(136, 240), QColor(128, 255, 128));
    }

    void tabOrderAfterTheSidesGoesToTheButtons() {
        MenuFixture app;
        auto* w = app.open("lbl4", "frm1");
        QCOMPARE(FocusOrder(w->field("Text3"), 2).last(), QString("Command1"));
        QCOMPARE(FocusOrder(w->button("Command3"), 2).last(), QString("txt3"));
        QCOMPARE(FocusOrder(w->field("txt11"), 2).last(), QString("txt1"));
        QCOMPARE(FocusOrder(w->field("txt2"), 2).last(), QString("txt12"));
    }

    // Opened again after a computation and its clearing, the window shows its initial texts.
    void reopenedShowsItsInitialTexts() {
        MenuFixture app;
        auto* w = app.open("lbl4", "frm1");
        runSteps(w, "Text1=1;Text2=1;Text3=1;click Command2;click Command1");
        CheckExit(app, w, "Command3");
        w = app.open("lbl4", "frm1");
        QCOMPARE(controlTexts(w, "Text1=;txt1="), QString("Text1=请输入数据;txt1=输出数据"));
    }
};

QTEST_MAIN(ThreeSidesTest)
#include "tst_threesides.moc"
