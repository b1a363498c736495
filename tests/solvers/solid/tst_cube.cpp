// The cube window: its four computations over a fake form, and the real window driven
// from the menu.
#include <QTest>

#include "solvers/solid/cube.h"
#include "solvers/solid/solidtest.h"
#include "support/typedcases.h"

using namespace velunda;
using namespace velunda::testing;

class CubeTest : public QObject {
    Q_OBJECT

private slots:
    void computations_data() {
        addTypedColumns();
        QTest::newRow("edge 2") << Computation(CubeFromEdge) << "Text1"
                                << "2"
                                << "Text2=24;Text3=24;Text4=8";
        QTest::newRow("edge with blanks around") << Computation(CubeFromEdge) << "Text1"
                                                 << " 2 "
                                                 << "Text2=24;Text3=24;Text4=8";
        QTest::newRow("edge sum 24") << Computation(CubeFromEdgeSum) << "Text2"
                                     << "24"
                                     << "Text1=2;Text3=24;Text4=8";
        QTest::newRow("surface 24") << Computation(CubeFromSurface) << "Text3"
                                    << "24"
                                    << "Text2=24;Text1=2;Text4=8";
        QTest::newRow("volume 64: edge 3.9999999999999996 shows as 4") << Computation(CubeFromVolume) << "Text4"
                                                                       << "64"
                                                                       << "Text2=48;Text3=96;Text1=4";
        QTest::newRow("volume 1000") << Computation(CubeFromVolume) << "Text4"
                                     << "1000"
                                     << "Text2=120;Text3=600;Text1=10";
        QTest::newRow("volume 2: a cube root") << Computation(CubeFromVolume) << "Text4"
                                               << "2"
                                               << "Text2=15.1190525987385;Text3=9.5244063118092;Text1=1.25992104989487";
        QTest::newRow("volume with a group separator") << Computation(CubeFromVolume) << "Text4"
                                                       << "1,000"
                                                       << "Text2=120;Text3=600;Text1=10";
        QTest::newRow("volume 0") << Computation(CubeFromVolume) << "Text4"
                                  << "0"
                                  << "Text2=0;Text3=0;Text1=0";
        QTest::newRow("edge .5: no leading zero") << Computation(CubeFromEdge) << "Text1"
                                                  << "0.5"
                                                  << "Text2=6;Text3=1.5;Text4=.125";
        QTest::newRow("edge -2: no sign check") << Computation(CubeFromEdge) << "Text1"
                                                << "-2"
                                                << "Text2=-24;Text3=24;Text4=-8";
        QTest::newRow("edge sum 1") << Computation(CubeFromEdgeSum) << "Text2"
                                    << "1"
                                    << "Text1=.0833333333333333;Text3=.0416666666666667;Text4=.000578703703703704";
        QTest::newRow("surface 1") << Computation(CubeFromSurface) << "Text3"
                                   << "1"
                                   << "Text2=4.89897948556636;Text1=.408248290463863;Text4=.0680413817439772";
        QTest::newRow("full-width edge") << Computation(CubeFromEdge) << "Text1"
                                         << "２"
                                         << "Text2=24;Text3=24;Text4=8";

        // Text that is not one number, and values without a result: the fault message
        // and no write.
        QTest::newRow("empty edge") << Computation(CubeFromEdge) << "Text1"
                                    << ""
                                    << "";
        QTest::newRow("edge with a unit") << Computation(CubeFromEdge) << "Text1"
                                          << "2cm"
                                          << "";
        QTest::newRow("edge sum of letters") << Computation(CubeFromEdgeSum) << "Text2"
                                             << "abc"
                                             << "";
        QTest::newRow("negative surface") << Computation(CubeFromSurface) << "Text3"
                                          << "-24"
                                          << "";
        QTest::newRow("negative volume") << Computation(CubeFromVolume) << "Text4"
                                         << "-8"
                                         << "";
        QTest::newRow("volume beyond range") << Computation(CubeFromEdge) << "Text1"
                                             << "1e200"
                                             << "";
        QTest::newRow("typed beyond range") << Computation(CubeFromVolume) << "Text4"
                                            << "1e400"
                                            << "";
    }
    void computations() { checkTypedCase(); }

    void windowFromMenu_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("texts");  // Text1..Text4 afterwards
        QTest::newRow("edge") << "Text1"
                              << " 2 "
                              << " 2 ;24;24;8";
        QTest::newRow("edge sum") << "Text2"
                                  << "24"
                                  << "2;24;24;8";
        QTest::newRow("surface") << "Text3"
                                 << "24"
                                 << "2;24;24;8";
        QTest::newRow("volume") << "Text4"
                                << "64"
                                << "4;48;96;64";
    }
    void windowFromMenu() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, texts);
        MenuFixture app;
        auto* w = app.open("lbl9", "frm11");
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("解正方体"));
        typeInto(w->field(field.toStdString()), typed);
        QTest::keyClick(w->field(field.toStdString()), Qt::Key_Tab);  // other keys compute nothing
        QStringList before{"", "", "", ""};
        before[field.back().digitValue() - 1] = typed;
        QCOMPARE(Texts(w), before.join(';'));
        w->field(field.toStdString())->setFocus();
        pressEnter(w->field(field.toStdString()));
        QCOMPARE(Texts(w), texts);
    }

    void faultKeepsFieldsClearAndExit() {
        MenuFixture app;
        auto* w = app.open("lbl9", "frm11");
        typeInto(w->field("Text1"), "2");
        pressEnter(w->field("Text1"));
        typeInto(w->field("Text4"), "-8");
        {
            MessageCatcher catcher;
            pressEnter(w->field("Text4"));
            QCOMPARE(catcher.shown(), QString("无法计算，请检查输入的数据|i|Velunda"));
        }
        QCOMPARE(Texts(w), QString("2;24;24;-8"));
        typeInto(w->field("Text2"), "");
        {
            MessageCatcher catcher;
            pressEnter(w->field("Text2"));
            QCOMPARE(catcher.shown(), QString("无法计算，请检查输入的数据|i|Velunda"));
        }
        QCOMPARE(Texts(w), QString("2;;24;-8"));

        click(w->button("Command2"));
        QCOMPARE(Texts(w), QString(";;;"));
        CheckExit(app, w, "Command3");
    }

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

private:
    static QString Texts(ui::CalculatorWindow* w) { return FieldTexts(*w, 4); }
};

QTEST_MAIN(CubeTest)
#include "tst_cube.moc"
