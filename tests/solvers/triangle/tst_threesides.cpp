// The three-sides window: its computation over a fake form, the radian text, and the
// real window opened from the menu.
#include <QImage>
#include <QTest>
#include <algorithm>
#include <random>

#include "solvers/triangle/threesides.h"
#include "support/gui.h"
#include "triangletests.h"

using namespace velunda;
using namespace velunda::testing;

namespace {

// n units of the last of `places` decimals, as typed: Decimal(-305, 2) is "-3.05".
QString Decimal(qint64 n, int places) {
    const qint64 unit = places == 1 ? 10 : 100;
    const QString digits =
        QString::number(std::abs(n) / unit) + "." + QString::number(std::abs(n) % unit).rightJustified(places, '0');
    return n < 0 ? "-" + digits : digits;
}

const QStringList kOutputs{"txt1",  "txt2",  "txt3",  "txt4", "txt5", "txt6", "txt8",
                           "txt10", "txt12", "txt13", "txt7", "txt9", "txt11"};

QString Results(const QStringList& texts) {
    QStringList pairs;
    for (qsizetype i = 0; i < kOutputs.size(); ++i) pairs << kOutputs[i] + "=" + texts[i];
    return pairs.join(';');
}

}  // namespace

class ThreeSidesTest : public QObject {
    Q_OBJECT

private slots:
    void computation_data() {
        AddComputationColumns();
        const QString third = "0.3333π≈1.0471975511966";
        QTest::newRow("1 1 1: equilateral")
            << "Text1=1;Text2=1;Text3=1"
            << Results({"3", "0.433012701892219", "0.866025403784439", "0.866025403784439", "0.866025403784439", " 60",
                        " 60", " 60", "0.577350269189626", "0.288675134594813", third, third, third})
            << "";
        // The inradius is 0.9999999999999996 and so reads "01".
        QTest::newRow("3 4 5: right angle at C")
            << "Text1=3;Text2=4;Text3=5"
            << Results({"12", "6", "4", "3", "2.4", " 36.869897645844", " 53.130102354156", " 90", "2.5", "01",
                        "0.2048π≈0.643501108793284", "0.2952π≈0.927295218001612", "0.5π≈1.5707963267949"})
            << "";
        QTest::newRow("100 100 1: angle below one degree without leading zero")
            << "Text1=100;Text2=100;Text3=1"
            << Results({"201", "49.9993749960937", "0.999987499921874", "0.999987499921874", "99.9987499921874",
                        " 89.7135199087591", " 89.7135199087591", " .572960182481833", "50.000625011719",
                        "0.497506218866604", "0.4984π≈1.56579630596133", "0.4984π≈1.56579630596133",
                        "0.0032π≈0.0100000416671355"})
            << "";
        QTest::newRow("sides typed with units and blanks")
            << "Text1= 3 cm;Text2=4cm;Text3=5 "
            << Results({"12", "6", "4", "3", "2.4", " 36.869897645844", " 53.130102354156", " 90", "2.5", "01",
                        "0.2048π≈0.643501108793284", "0.2952π≈0.927295218001612", "0.5π≈1.5707963267949"})
            << "";
        const QString noTriangle = "不能构成三角形|-|";
        QTest::newRow("1 2 3: a + b = c") << "Text1=1;Text2=2;Text3=3"
                                          << "" << noTriangle;
        QTest::newRow("3 1 1: b + c < a") << "Text1=3;Text2=1;Text3=1"
                                          << "" << noTriangle;
        QTest::newRow("1 3 1: a + c < b") << "Text1=1;Text2=3;Text3=1"
                                          << "" << noTriangle;
        QTest::newRow("initial texts read as 0") << "Text1=请输入数据;Text2=请输入数据;Text3=请输入数据"
                                                 << "" << noTriangle;
        QTest::newRow("negative side") << "Text1=-3;Text2=4;Text3=5"
                                       << "" << noTriangle;
        QTest::newRow("zero side") << "Text1=3;Text2=0;Text3=5"
                                   << "" << noTriangle;
        QTest::newRow("side beyond range") << "Text1=1e400;Text2=4;Text3=5"
                                           << "" << noTriangle;
        QTest::newRow("very thin: a cosine rounds to 1, the angle reads 0")
            << "Text1=100000000;Text2=100000000;Text3=1"
            << Results({"200000001", "50000000", "1", "1", "100000000", " 90", " 90", " 0", "50000000", "0.4999999975",
                        "0.5π≈1.5707963267949", "0.5π≈1.5707963267949", "0π≈0"})
            << "";
        QTest::newRow("very thin, the angle of 0 at A: no circumradius") << "Text1=1;Text2=100000000;Text3=100000000"
                                                                         << "" << kFaultForm;
        QTest::newRow("decimals on one line: .3 .1 .2") << "Text1=0.3;Text2=0.1;Text3=0.2"
                                                        << "" << noTriangle;
        QTest::newRow("decimals on one line: .1 .2 .3") << "Text1=0.1;Text2=0.2;Text3=0.3"
                                                        << "" << noTriangle;
        QTest::newRow("decimals on one line: 1.1 2.2 3.3") << "Text1=1.1;Text2=2.2;Text3=3.3"
                                                           << "" << noTriangle;
        QTest::newRow("whole numbers on one line: 2 5 3") << "Text1=2;Text2=5;Text3=3"
                                                          << "" << noTriangle;
        QTest::newRow("squares overflow") << "Text1=1e200;Text2=1e200;Text3=1e200"
                                          << "" << kFaultForm;
    }
    void computation() { CheckComputation(TriangleFromThreeSides); }

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

    void windowFromMenu() {
        MenuFixture app;
        auto* w = app.open("lbl4", "frm1");
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("已知三边求三角形的其他元素"));
        QCOMPARE(Texts(w, {"Text1", "Text2", "Text3"}), QStringList(3, "请输入数据"));
        QCOMPARE(Texts(w, kOutputs), QStringList(13, "输出数据"));
        QCOMPARE(w->button("Command2")->text(), QString("计  算"));
        TypeInto(w, {"Text1", "Text2", "Text3"}, {"3", "4", "5"});
        click(w->button("Command2"));
        QCOMPARE(Results(Texts(w, kOutputs)),
                 Results({"12", "6", "4", "3", "2.4", " 36.869897645844", " 53.130102354156", " 90", "2.5", "01",
                          "0.2048π≈0.643501108793284", "0.2952π≈0.927295218001612", "0.5π≈1.5707963267949"}));
        QCOMPARE(Texts(w, {"Text1", "Text2", "Text3"}), (QStringList{"3", "4", "5"}));
    }

    void noTriangleKeepsOutputs() {
        MenuFixture app;
        auto* w = app.open("lbl4", "frm1");
        MessageCatcher catcher;
        click(w->button("Command2"));  // the initial texts read as 0
        QCOMPARE(catcher.shown(), QString("不能构成三角形|-|Velunda"));
        QCOMPARE(Texts(w, kOutputs), QStringList(13, "输出数据"));
    }

    void thinTriangleShowsFaultAndKeepsFields() {
        MenuFixture app;
        auto* w = app.open("lbl4", "frm1");
        TypeInto(w, {"Text1", "Text2", "Text3"}, {"1", "1", "1"});
        click(w->button("Command2"));
        // The angle at A rounds to 0, so the circumradius a / sin A has no value.
        typeInto(w->field("Text2"), "100000000");
        typeInto(w->field("Text3"), "100000000");
        MessageCatcher catcher;
        click(w->button("Command2"));
        QCOMPARE(catcher.shown(), kFaultShown);
        QCOMPARE(Texts(w, {"Text1", "Text2", "Text3", "txt1", "txt6"}),
                 (QStringList{"1", "100000000", "100000000", "3", " 60"}));
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

    void clearEmptiesOnlyTheSides() {
        MenuFixture app;
        auto* w = app.open("lbl4", "frm1");
        TypeInto(w, {"Text1", "Text2", "Text3"}, {"1", "1", "1"});
        click(w->button("Command2"));
        click(w->button("Command1"));
        QCOMPARE(Texts(w, {"Text1", "Text2", "Text3"}), QStringList(3, QString()));
        QCOMPARE(Texts(w, {"txt1", "txt6", "txt7"}), (QStringList{"3", " 60", "0.3333π≈1.0471975511966"}));
        CheckExit(app, w, "Command3");
        // Opened again, the window shows its initial texts.
        w = app.open("lbl4", "frm1");
        QCOMPARE(Texts(w, {"Text1", "txt1"}), (QStringList{"请输入数据", "输出数据"}));
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
        // The legend's base line runs from B to C: its middle is drawn, the window's
        // background lies above it.
        const QImage picture = w->grab().toImage();
        QVERIFY(qGray(picture.pixel(136, 256)) < 128);
        QCOMPARE(picture.pixelColor(136, 240), QColor(128, 255, 128));
    }

    void tabOrderAfterTheSidesGoesToTheButtons() {
        MenuFixture app;
        auto* w = app.open("lbl4", "frm1");
        QCOMPARE(NextFocus(w->field("Text3")), w->button("Command1"));
        QCOMPARE(NextFocus(w->button("Command3")), w->field("txt3"));
        QCOMPARE(NextFocus(w->field("txt11")), w->field("txt1"));
        QCOMPARE(NextFocus(w->field("txt2")), w->field("txt12"));
    }
};

QTEST_MAIN(ThreeSidesTest)
#include "tst_threesides.moc"
