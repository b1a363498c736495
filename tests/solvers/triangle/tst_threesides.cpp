// The three-sides window: the radian text, sides on one line over a fake form, and the
// real window's captions, legend, tab order and texts when opened again.
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
