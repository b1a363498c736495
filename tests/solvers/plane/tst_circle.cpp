// The circle window: its four computations and the π options over a fake form, and
// the real window driven from the menu.
#include <QTest>

#include "planecases.h"
#include "planewindows.h"
#include "solvers/plane/circle.h"

using namespace velunda;
using namespace velunda::testing;

Q_DECLARE_METATYPE(Computation)

class CircleTest : public QObject {
    Q_OBJECT

private slots:
    void computations_data() {
        QTest::addColumn<Computation>("computation");
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("writes");
        QTest::addColumn<QString>("shown");
        const auto radius = Computation(CircleFromRadius), diameter = Computation(CircleFromDiameter),
                   circumference = Computation(CircleFromCircumference), area = Computation(CircleFromArea);
        QTest::newRow("3.14, radius 1") << radius << "Text5=3.14;Text1=1"
                                        << "Text2=2;Text3=6.28;Text4=3.14"
                                        << "";
        QTest::newRow("3.1415926, radius 1") << radius << "Text5=3.1415926;Text1=1"
                                             << "Text2=2;Text3=6.2831852;Text4=3.1415926"
                                             << "";
        QTest::newRow("3.14, diameter 3") << diameter << "Text5=3.14;Text2=3"
                                          << "Text1=1.5;Text3=9.42;Text4=7.065"
                                          << "";
        QTest::newRow("3.14, circumference 10")
            << circumference << "Text5=3.14;Text3=10"
            << "Text2=3.18471337579618;Text1=1.59235668789809;Text4=7.96178343949045"
            << "";
        QTest::newRow("3.14, area 314") << area << "Text5=3.14;Text4=314"
                                        << "Text2=20;Text3=62.8;Text1=10"
                                        << "";
        QTest::newRow("3.14, radius .5: no leading zero") << radius << "Text5=3.14;Text1=0.5"
                                                          << "Text2=1;Text3=3.14;Text4=.785"
                                                          << "";
        QTest::newRow("π typed as 3") << radius << "Text5=3;Text1=1"
                                      << "Text2=2;Text3=6;Text4=3"
                                      << "";
        QTest::newRow("negative radius") << radius << "Text5=3.14;Text1=-1"
                                         << "Text2=-2;Text3=-6.28;Text4=3.14"
                                         << "";
        QTest::newRow("π empty, radius 2: no circumference, no area") << radius << "Text1=2"
                                                                      << "" << kFaultShown;
        QTest::newRow("π empty, diameter 2") << diameter << "Text2=2"
                                             << "" << kFaultShown;
        QTest::newRow("π typed as 0, radius 2") << radius << "Text5=0;Text1=2;Text2=b;Text3=c;Text4=d"
                                                << "" << kFaultShown;
        QTest::newRow("π unreadable, diameter 2") << diameter << "Text5=pi;Text2=2"
                                                  << "" << kFaultShown;
        QTest::newRow("3.1415926, diameter 2") << diameter << "Text5=3.1415926;Text2=2"
                                               << "Text1=1;Text3=6.2831852;Text4=3.1415926"
                                               << "";
        QTest::newRow("π empty, circumference 10") << circumference << "Text3=10;Text1=a;Text2=b;Text4=c"
                                                   << "" << kFaultShown;
        QTest::newRow("π empty, area 5") << area << "Text4=5"
                                         << "" << kFaultShown;
        QTest::newRow("π empty, area empty") << area << ""
                                             << "" << kFaultShown;
        QTest::newRow("negative area") << area << "Text5=3.14;Text4=-1"
                                       << "" << kFaultShown;
        QTest::newRow("negative π, positive area") << area << "Text5=-3.14;Text4=1"
                                                   << "" << kFaultShown;
        QTest::newRow("area overflows") << radius << "Text5=3.14;Text1=1e200"
                                        << "" << kFaultShown;
        QTest::newRow("option 3.14") << Computation(PiFromOption1) << "Text5=3"
                                     << "Text5=3.14"
                                     << "";
        QTest::newRow("option 3.1415926") << Computation(PiFromOption2) << ""
                                          << "Text5=3.1415926"
                                          << "";
    }
    void computations() {
        QFETCH(Computation, computation);
        checkCase(computation);
    }

    void windowFromMenu() {
        MenuFixture app;
        auto* w = app.open("lbl26", "frm10");
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("解圆"));
        QCOMPARE(w->size(), QSize(309, 185));
        // Nothing chosen on opening: the focus is in the radius field, π is empty.
        QCOMPARE(w->focusWidget(), w->field("Text1"));
        QVERIFY(!w->option("Option1")->isChecked() && !w->option("Option2")->isChecked());
        QCOMPARE(w->field("Text5")->text(), QString());

        click(w->option("Option1"));
        QCOMPARE(w->field("Text5")->text(), QString("3.14"));
        typeInto(w->field("Text1"), "1");
        pressEnter(w->field("Text1"));
        QCOMPARE(texts(w, 5), (QStringList{"1", "2", "6.28", "3.14", "3.14"}));

        click(w->option("Option2"));
        typeInto(w->field("Text4"), "314");
        pressEnter(w->field("Text4"));
        QCOMPARE(w->field("Text5")->text(), QString("3.1415926"));
        QCOMPARE(w->field("Text1")->text(), QString("9.997464977016"));

        // A π typed over the chosen one is used; clicking the chosen option puts it back.
        typeInto(w->field("Text5"), "3");
        typeInto(w->field("Text2"), "2");
        pressEnter(w->field("Text2"));
        QCOMPARE(w->field("Text3")->text(), QString("6"));
        click(w->option("Option2"));
        QCOMPARE(w->field("Text5")->text(), QString("3.1415926"));

        // Other keys compute nothing.
        typeInto(w->field("Text3"), "7");
        QTest::keyClick(w->field("Text3"), Qt::Key_Escape);
        QCOMPARE(w->field("Text1")->text(), QString("1"));

        QVERIFY(clearsAndExits(app, w, "Command1", {"Text1", "Text2", "Text3", "Text4"}, "Command2"));
    }

    void clearKeepsPi() {
        MenuFixture app;
        auto* w = app.open("lbl26", "frm10");
        click(w->option("Option1"));
        typeInto(w->field("Text3"), "10");
        pressEnter(w->field("Text3"));
        click(w->button("Command1"));
        QCOMPARE(texts(w, 5), (QStringList{"", "", "", "", "3.14"}));
        QVERIFY(w->option("Option1")->isChecked());
    }

    void tabbingKeepsTheChosenPi() {
        MenuFixture app;
        auto* w = app.open("lbl26", "frm10");
        click(w->option("Option2"));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        w->field("Text1")->setFocus();
        for (int i = 0; i < 4; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w->option("Option2"));  // the group's stop is its choice
        for (int i = 0; i < 5; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        for (int i = 0; i < 9; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QVERIFY(w->option("Option2")->isChecked());
        QCOMPARE(w->field("Text5")->text(), QString("3.1415926"));
    }

    void emptyPiShowsFaultAndKeepsFields() {
        MenuFixture app;
        auto* w = app.open("lbl26", "frm10");
        fill(w, "Text1=5;Text3=10");
        MessageCatcher catcher;
        pressEnter(w->field("Text3"));
        QCOMPARE(catcher.shown(), QString("无法计算，请检查输入的数据|i|Velunda"));
        QCOMPARE(texts(w, 5), (QStringList{"5", "", "10", "", ""}));
        catcher.clear();
        pressEnter(w->field("Text1"));  // the radius, too, needs a π
        QCOMPARE(catcher.shown(), QString("无法计算，请检查输入的数据|i|Velunda"));
        QCOMPARE(texts(w, 5), (QStringList{"5", "", "10", "", ""}));
    }
};

QTEST_MAIN(CircleTest)
#include "tst_circle.moc"
