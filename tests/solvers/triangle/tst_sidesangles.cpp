// The sides-and-angles window: the law-of-cosines and law-of-sines steps over a fake
// form in radians and degrees, and the real window with its unit options.
#include <QTest>

#include "solvers/triangle/sidesangles.h"
#include "support/gui.h"
#include "triangletests.h"

using namespace velunda;
using namespace velunda::testing;

namespace {
const QStringList kFields{"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"};
void ChooseDegrees(ui::CalculatorWindow* w) {
    QRadioButton* degrees = w->option("Opt2");
    QTest::mouseClick(degrees, Qt::LeftButton, {}, QPoint(8, degrees->height() / 2));
}

const QString kVisitUs = "请登陆https://velunda.example.org下载更新版本|-|";
}  // namespace

class SidesAnglesTest : public QObject {
    Q_OBJECT

private slots:
    void computation_data() {
        QTest::addColumn<QString>("unit");  // the selected option, or none
        AddComputationColumns();
        QTest::newRow("degrees: two sides and the right angle between") << "Opt2"
                                                                        << "Text2=3;Text4=4;Text5=90"
                                                                        << "Text2=3;Text4=4;Text6=5"
                                                                        << "";
        QTest::newRow("radians: two sides and the right angle between") << "Opt1"
                                                                        << "Text2=3;Text4=4;Text5=1.5707963267948966"
                                                                        << "Text2=3;Text4=4;Text6=5"
                                                                        << "";
        QTest::newRow("no option selected counts as degrees") << ""
                                                              << "Text2=3;Text4=4;Text5=90"
                                                              << "Text2=3;Text4=4;Text6=5"
                                                              << "";
        QTest::newRow("degrees: 30 and 60 with the first side") << "Opt2"
                                                                << "Text1=30;Text3=60;Text2=1"
                                                                << "Text2=1;Text4=1.73205080756888;Text6=2"
                                                                << "";
        QTest::newRow("a typed third angle is replaced by the angle sum") << "Opt2"
                                                                          << "Text1=30;Text3=60;Text5=45;Text2=1"
                                                                          << "Text2=1;Text4=1.73205080756888;Text6=2"
                                                                          << "";
        QTest::newRow("degrees: angles 1 and 3 with the second side") << "Opt2"
                                                                      << "Text1=30;Text5=90;Text4=1.73205080756888"
                                                                      << "Text2=1;Text4=1.73205080756888;Text6=2"
                                                                      << "";
        QTest::newRow("degrees: angles 2 and 3 with the third side") << "Opt2"
                                                                     << "Text3=60;Text5=90;Text6=2"
                                                                     << "Text2=1;Text4=1.73205080756888;Text6=2"
                                                                     << "";
        QTest::newRow("angles over 180 degrees give a negative side") << "Opt2"
                                                                      << "Text1=100;Text3=100;Text2=1"
                                                                      << "Text2=1;Text4=1;Text6=-.347296355333861"
                                                                      << "";
        QTest::newRow("three sides and the third angle: the third side is recomputed")
            << "Opt2"
            << "Text2=3;Text4=4;Text6=7;Text5=90"
            << "Text2=3;Text4=4;Text6=5"
            << "";
        QTest::newRow("cosine rule for the first side") << "Opt2"
                                                        << "Text4=3;Text6=4;Text1=90"
                                                        << "Text2=5;Text4=3;Text6=4"
                                                        << "";
        QTest::newRow("cosine rule for the second side") << "Opt2"
                                                         << "Text2=3;Text6=4;Text3=90"
                                                         << "Text2=3;Text4=5;Text6=4"
                                                         << "";
        QTest::newRow("radians: two angles, no side") << "Opt1"
                                                      << "Text1=0.5;Text3=1"
                                                      << "Text2=0;Text4=0;Text6=0" << kVisitUs;
        QTest::newRow("only the first side: rewritten as read") << "Opt1"
                                                                << "Text2=5"
                                                                << "Text2=5;Text4=0;Text6=0"
                                                                << "";
        QTest::newRow("sides with units are rewritten as numbers") << "Opt1"
                                                                   << "Text2=5cm;Text4=abc"
                                                                   << "Text2=5;Text4=0;Text6=0"
                                                                   << "";
        QTest::newRow("two right angles: sine of 0 as divisor") << "Opt2"
                                                                << "Text3=90;Text5=90;Text2=1"
                                                                << "" << kFaultForm;
        QTest::newRow("radians: third angle of exactly 0 is no divisor")
            << "Opt1"
            << "Text1=1.5707963267948966;Text3=1.5707963267948966;Text2=1"
            << "Text2=1;Text4=1;Text6=0"
            << "";
        QTest::newRow("squares overflow") << "Opt1"
                                          << "Text2=1e200;Text4=1e200;Text5=1"
                                          << "" << kFaultForm;
        QTest::newRow("rounding leaves a negative under the root") << "Opt1"
                                                                   << "Text2=1.1;Text4=1.1000000000000012;Text5=1e-9"
                                                                   << "" << kFaultForm;
    }
    void computation() {
        QFETCH(QString, unit);
        CheckComputation(TriangleSidesAndAngles, unit);
    }

    void opensInRadians() {
        MenuFixture app;
        auto* w = app.open("lbl12", "frm21");
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("三角形边角互换"));
        QVERIFY(w->option("Opt1")->isChecked());
        QVERIFY(!w->option("Opt2")->isChecked());
        QCOMPARE(Texts(w, kFields), QStringList(6, QString()));
    }

    void windowFromMenu_data() {
        QTest::addColumn<bool>("degrees");
        QTest::addColumn<QStringList>("typed");  // Text1..Text6
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("degrees: two sides and the right angle")
            << true << QStringList{"", "3", "", "4", "90", ""} << QStringList{"", "3", "", "4", "90", "5"};
        QTest::newRow("radians: 30 and 60 degrees typed as radians")
            << false << QStringList{"0.5235987755982988", "1", "1.0471975511965976", "", "", ""}
            << QStringList{"0.5235987755982988", "1", "1.0471975511965976", "1.73205080756888", "", "2"};
    }
    void windowFromMenu() {
        QFETCH(bool, degrees);
        QFETCH(QStringList, typed);
        QFETCH(QStringList, texts);
        MenuFixture app;
        auto* w = app.open("lbl12", "frm21");
        if (degrees) ChooseDegrees(w);
        QCOMPARE(w->option("Opt2")->isChecked(), degrees);
        TypeInto(w, kFields, typed);
        click(w->button("Command2"));
        QCOMPARE(Texts(w, kFields), texts);
    }

    void anglesWithoutSideAskForUpdate() {
        MenuFixture app;
        auto* w = app.open("lbl12", "frm21");
        typeInto(w->field("Text1"), "0.5");
        typeInto(w->field("Text3"), "1");
        MessageCatcher catcher;
        click(w->button("Command2"));
        QCOMPARE(catcher.shown(), "请登陆https://velunda.example.org下载更新版本|-|Velunda");
        QCOMPARE(Texts(w, kFields), (QStringList{"0.5", "0", "1", "0", "", "0"}));
    }

    void sineOfZeroShowsFaultAndKeepsFields() {
        MenuFixture app;
        auto* w = app.open("lbl12", "frm21");
        ChooseDegrees(w);
        typeInto(w->field("Text3"), "90");
        typeInto(w->field("Text5"), "90");
        typeInto(w->field("Text2"), "1");
        MessageCatcher catcher;
        click(w->button("Command2"));
        QCOMPARE(catcher.shown(), kFaultShown);
        QCOMPARE(Texts(w, kFields), (QStringList{"", "1", "90", "", "90", ""}));
    }

    void clearKeepsTheUnitAndExitCloses() {
        MenuFixture app;
        auto* w = app.open("lbl12", "frm21");
        ChooseDegrees(w);
        for (const QString& f : kFields) typeInto(w->field(f.toStdString()), "7");
        click(w->button("Command1"));
        QCOMPARE(Texts(w, kFields), QStringList(6, QString()));
        QVERIFY(w->option("Opt2")->isChecked());
        QCOMPARE(w->button("Command1")->text(), QString("清 零"));
        QCOMPARE(w->label("Label3")->text(), QString("第三边的对角"));
        QCOMPARE(w->label("Label6")->text(), QString("第六边"));
        CheckExit(app, w, "Command3");
    }
};

QTEST_MAIN(SidesAnglesTest)
#include "tst_sidesangles.moc"
