// The cylinder window: its case list over a fake form, and the real window driven from
// the menu.
#include <QTest>

#include "solvers/solid/cylinder.h"
#include "solvers/solid/solidtest.h"

using namespace velunda;
using namespace velunda::testing;

namespace {

const QString kUpdate = "请下载更新版本|-|";
const QString kNoSolution = "无解|-|";
const QString kBox = "2;12.56;62.8;87.92;62.8;5;12.56";  // radius 2, height 5

QString Texts(ui::CalculatorWindow* w) { return FieldTexts(*w, 7); }

}  // namespace

class CylinderTest : public QObject {
    Q_OBJECT

private slots:
    void cases_data() {
        QTest::addColumn<QString>("typed");   // r;C;L;S;V;h;B
        QTest::addColumn<QString>("fields");  // Text1..Text7 afterwards
        QTest::addColumn<QString>("message");
        QTest::newRow("radius 1, height 1") << "1;;;;;1;"
                                            << "1;6.28;6.28;12.56;3.14;1;3.14"
                                            << "";
        QTest::newRow("r and h") << "2;;;;;5;" << kBox << "";
        QTest::newRow("C and h") << ";12.56;;;;5;" << kBox << "";
        QTest::newRow("B and h") << ";;;;;5;12.56" << kBox << "";
        QTest::newRow("r and L") << "2;;62.8;;;;" << kBox << "";
        QTest::newRow("r and S") << "2;;;87.92;;;" << kBox << "";
        QTest::newRow("r and V") << "2;;;;62.8;;" << kBox << "";
        QTest::newRow("h and L") << ";;62.8;;;5;" << kBox << "";
        QTest::newRow("h and V") << ";;;;62.8;5;" << kBox << "";
        QTest::newRow("L and S") << ";;62.8;87.92;;;" << kBox << "";
        QTest::newRow("L and V") << ";;62.8;;62.8;;" << kBox << "";
        QTest::newRow("radius wins over circumference and base area") << "2;5;;;;5;7" << kBox << "";
        QTest::newRow("circumference wins over base area") << ";12.56;;;;5;100" << kBox << "";
        QTest::newRow("negative radius comes out positive") << "-2;;;;;5;" << kBox << "";
        QTest::newRow("r and S keep the typed surface area") << "1;;;10;;;"
                                                             << "1;6.28;3.72;10;1.86;.592356687898089;3.14"
                                                             << "";
        QTest::newRow("only a radius") << "3;;;;;;"
                                       << "3;18.84;0;0;0;0;28.26"
                                       << "";
        QTest::newRow("all empty") << ";;;;;;"
                                   << "0;0;0;0;0;0;0"
                                   << "";
        QTest::newRow("unreadable text counts as not given") << "abc;;;;;5cm;"
                                                             << "0;0;0;0;0;5;0"
                                                             << "";
        QTest::newRow("S and V: newer version wanted") << ";;;87.92;62.8;;"
                                                       << "0;0;0;87.92;62.8;0;0" << kUpdate;

        // Height and surface area: the radius solves a quadratic in double precision.
        QTest::newRow("h 5, S 87.92: radius 2") << ";;;87.92;;5;" << kBox << "";
        QTest::newRow("h 1, S 12.56: radius 1") << ";;;12.56;;1;"
                                                << "1;6.28;6.28;12.56;3.14;1;3.14"
                                                << "";
        QTest::newRow("h 2, S .3: small radius")
            << ";;;.3;;2;"
            << ".0236067118952194;.148250150701978;.296500301403956;.3;.00349969859604445;2;.00174984929802222"
            << "";
        QTest::newRow("h -5, S -37.68: two positive radii joined by 或")
            << ";;;-37.68;;-5;"
            << " 3或 2; 18.84或 12.56;-94.2或-62.8;0;-141.3或-62.8;-5; 28.26或 12.56"
            << "";
        QTest::newRow("h 163.06, S .001: a tiny radius, not lost to cancellation")
            << ";;;.001;;163.05732484076433;"
            << "9.76562494151294E-07;6.13281246327013E-06;.000999999994010926;.001;4.88281244151295E-10;"
               "163.057324840764;2.99453731764661E-12"
            << "";
        // After "无解" nothing is written: the typed texts stay, other fields included.
        QTest::newRow("h 10, S -10: both roots negative") << "x;;;-10;;10;"
                                                          << "x;;;-10;;10;" << kNoSolution;
        QTest::newRow("h 1, S -10: negative discriminant, one message") << ";old;;-10;;1;"
                                                                        << ";old;;-10;;1;" << kNoSolution;

        // Inputs without a result: the fault message, every field as it was.
        const QString fault = QString::fromStdString(kFault);
        QTest::newRow("negative base area alone") << ";;;;;;-12.56"
                                                  << ";;;;;;-12.56" << fault;
        QTest::newRow("negative base area with a height") << ";;;;;5;-12.56"
                                                          << ";;;;;5;-12.56" << fault;
        QTest::newRow("volume and height of opposite signs") << ";;;;62.8;-5;"
                                                             << ";;;;62.8;-5;" << fault;
        QTest::newRow("surface area below lateral area") << ";;62.8;50;;;"
                                                         << ";;62.8;50;;;" << fault;
        QTest::newRow("surface area equal to lateral area") << ";;62.8;62.8;;;"
                                                            << ";;62.8;62.8;;;" << fault;
        QTest::newRow("products beyond range") << "1e200;;;;;1e200;"
                                               << "1e200;;;;;1e200;" << fault;
        QTest::newRow("typed beyond range") << ";;;;;1e400;"
                                            << ";;;;;1e400;" << fault;
        QTest::newRow("height beyond range with a surface area") << ";;;10;;1e400;"
                                                                 << ";;;10;;1e400;" << fault;
    }
    void cases() {
        QFETCH(QString, typed);
        QFETCH(QString, fields);
        QFETCH(QString, message);
        CheckComputation(CylinderCompute, typed, 7, fields, message);
    }

    // Every click writes all seven fields in order; two radii then overwrite five.
    void writeOrder_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("order");
        QTest::newRow("one radius") << "2;;;;;5;"
                                    << "Text1 Text2 Text3 Text4 Text5 Text6 Text7";
        QTest::newRow("two radii") << ";;;-37.68;;-5;"
                                   << "Text1 Text2 Text3 Text4 Text5 Text6 Text7 Text1 Text2 Text3 Text5 Text7";
        QTest::newRow("no solution") << ";;;-10;;10;"
                                     << "";
    }
    void writeOrder() {
        QFETCH(QString, typed);
        QFETCH(QString, order);
        FakeForm form = FormWith(typed);
        form.run(CylinderCompute);
        QCOMPARE(WrittenNames(form), order);
    }

    void windowFromMenu() {
        MenuFixture app;
        auto* w = app.open("lbl24", "frm15");
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("解圆柱体"));
        typeInto(w->field("Text1"), "2");
        typeInto(w->field("Text6"), "5");
        pressEnter(w->field("Text6"));  // Enter computes nothing here
        QCOMPARE(Texts(w), QString("2;;;;;5;"));
        click(w->button("Command2"));
        QCOMPARE(Texts(w), kBox);

        click(w->button("Command1"));
        QCOMPARE(Texts(w), QString(";;;;;;"));

        typeInto(w->field("Text4"), "87.92");
        typeInto(w->field("Text5"), "62.8");
        {
            MessageCatcher catcher;
            click(w->button("Command2"));
            QCOMPARE(catcher.shown(), QString("请下载更新版本|-|Velunda"));
        }
        QCOMPARE(Texts(w), QString("0;0;0;87.92;62.8;0;0"));

        click(w->button("Command1"));
        typeInto(w->field("Text4"), "-10");
        typeInto(w->field("Text6"), "10");
        {
            MessageCatcher catcher;
            click(w->button("Command2"));
            QCOMPARE(catcher.shown(), QString("无解|-|Velunda"));
        }
        QCOMPARE(Texts(w), QString(";;;-10;;10;"));

        typeInto(w->field("Text7"), "-1");
        {
            MessageCatcher catcher;
            click(w->button("Command2"));
            QCOMPARE(catcher.shown(), QString("无法计算，请检查输入的数据|i|Velunda"));
        }
        QCOMPARE(Texts(w), QString(";;;-10;;10;-1"));

        CheckExit(app, w, "Command3");
    }

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
