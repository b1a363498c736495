// The cuboid window: its case list over a fake form, and the real window driven from
// the menu.
#include <QTest>

#include "solvers/solid/cuboid.h"
#include "solvers/solid/solidtest.h"

using namespace velunda;
using namespace velunda::testing;

namespace {

const QString kNewVersion = "请下载新版本或查看帮助|i|";
const QString kBox = "2;3;4;12;52;24";     // length 2, width 3, height 4
const QString kTurned = "2;4;3;12;52;24";  // the same box, the larger root as width

QString Texts(ui::CalculatorWindow* w) { return FieldTexts(*w, 6); }

}  // namespace

class CuboidTest : public QObject {
    Q_OBJECT

private slots:
    void cases_data() {
        QTest::addColumn<QString>("typed");   // a;b;c;A;S;V
        QTest::addColumn<QString>("fields");  // Text1..Text6 afterwards
        QTest::addColumn<QString>("message");
        QTest::newRow("1: a, b, c") << "2;3;4;;;" << kBox << "";
        QTest::newRow("1: a cross-section that does not match is recomputed") << "2;3;4;99;;" << kBox << "";
        QTest::newRow("1: fractions") << "1.5;2.5;.1;;;"
                                      << "1.5;2.5;.1;.25;8.3;.375"
                                      << "";
        QTest::newRow("2: a, b, A") << "2;3;;12;;" << kBox << "";
        QTest::newRow("3: a, b, S") << "2;3;;;52;" << kBox << "";
        QTest::newRow("4: a, b, V") << "2;3;;;;24" << kBox << "";
        QTest::newRow("5: a, A, S, larger root to the width") << "2;;;12;52;" << kTurned << "";
        QTest::newRow("6: a, S, V") << "2;;;;52;24" << kTurned << "";
        QTest::newRow("7: A, S, V") << ";;;12;52;24" << kTurned << "";
        QTest::newRow("8: b, c, S") << ";3;4;;52;" << kBox << "";
        QTest::newRow("9: b, A, V") << ";3;;12;;24" << kBox << "";
        QTest::newRow("5: length 1.5, cross-section 7, surface 30") << "1.5;;;7;30;"
                                                                    << "1.5;3;2.33333333333333;7;30;10.5"
                                                                    << "";
        QTest::newRow("5: no real width, the volume is still written") << "1;;;10;30;"
                                                                       << "1;0;0;10;30;10"
                                                                       << "无解|-|";
        QTest::newRow("5: no real width, the typed height stays") << "1;;7;10;30;"
                                                                  << "1;0;7;10;30;10"
                                                                  << "无解|-|";
        QTest::newRow("a, c, V is not handled") << "2;;4;;;24"
                                                << "2;0;4;0;0;24" << kNewVersion;
        QTest::newRow("two quantities only") << "2;3;;;;"
                                             << "2;3;0;0;0;0" << kNewVersion;
        QTest::newRow("all empty") << ";;;;;"
                                   << "0;0;0;0;0;0" << kNewVersion;

        const QString fault = QString::fromStdString(kFault);
        QTest::newRow("3: length minus the width") << "2;-2;;;10;"
                                                   << "2;-2;;;10;" << fault;
        QTest::newRow("8: width minus the height") << ";3;-3;;10;"
                                                   << ";3;-3;;10;" << fault;
        QTest::newRow("products beyond range") << "1e200;1e200;1;;;"
                                               << "1e200;1e200;1;;;" << fault;
        QTest::newRow("typed beyond range") << "1e400;3;4;;;"
                                            << "1e400;3;4;;;" << fault;
    }
    void cases() {
        QFETCH(QString, typed);
        QFETCH(QString, fields);
        QFETCH(QString, message);
        CheckComputation(CuboidCompute, typed, 6, fields, message);
    }

    void writesEveryFieldInOrder() {
        FakeForm form = FormWith("2;;;12;52;");
        form.run(CuboidCompute);
        QCOMPARE(WrittenNames(form), QString("Text1 Text2 Text3 Text4 Text5 Text6"));
    }

    void windowFromMenu() {
        MenuFixture app;
        auto* w = app.open("lbl22", "frm5");
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("解长方体"));
        typeInto(w->field("Text1"), "2");
        typeInto(w->field("Text2"), "3");
        typeInto(w->field("Text3"), "4");
        pressEnter(w->field("Text3"));  // Enter computes nothing here
        QCOMPARE(Texts(w), QString("2;3;4;;;"));
        click(w->button("Command1"));  // Command1 computes on this window
        QCOMPARE(Texts(w), kBox);

        click(w->button("Command2"));  // and Command2 clears
        QCOMPARE(Texts(w), QString(";;;;;"));

        {
            MessageCatcher catcher;
            click(w->button("Command1"));
            QCOMPARE(catcher.shown(), QString("请下载新版本或查看帮助|i|Velunda"));
        }
        QCOMPARE(Texts(w), QString("0;0;0;0;0;0"));

        typeInto(w->field("Text1"), "2");
        typeInto(w->field("Text2"), "-2");
        typeInto(w->field("Text5"), "10");
        {
            MessageCatcher catcher;
            click(w->button("Command1"));
            QCOMPARE(catcher.shown(), QString("无法计算，请检查输入的数据|i|Velunda"));
        }
        QCOMPARE(Texts(w), QString("2;-2;0;0;10;0"));

        CheckExit(app, w, "Command3");
    }

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
