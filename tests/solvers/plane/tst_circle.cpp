// The circle window: its four computations and the π options over a fake form, and
// the real window: its size, its focus on opening and its π options under Tab.
#include <QTest>

#include "solvers/plane/circle.h"
#include "support/cases.h"
#include "support/gui.h"

using namespace velunda;
using namespace velunda::testing;

class CircleTest : public QObject {
    Q_OBJECT

private slots:
    void computations_data() {
        addCaseColumns();
        QTest::newRow("3.14, radius 1") << Computation(CircleFromRadius) << "Text1=1;Text5=3.14"
                                        << ""
                                        << "Text2=2;Text3=6.28;Text4=3.14"
                                        << "";
        QTest::newRow("3.1415926, radius 1") << Computation(CircleFromRadius) << "Text1=1;Text5=3.1415926"
                                             << ""
                                             << "Text2=2;Text3=6.2831852;Text4=3.1415926"
                                             << "";
        QTest::newRow("3.14, diameter 3") << Computation(CircleFromDiameter) << "Text2=3;Text5=3.14"
                                          << ""
                                          << "Text1=1.5;Text3=9.42;Text4=7.065"
                                          << "";
        QTest::newRow("3.14, circumference 10")
            << Computation(CircleFromCircumference) << "Text3=10;Text5=3.14"
            << ""
            << "Text2=3.18471337579618;Text1=1.59235668789809;Text4=7.96178343949045"
            << "";
        QTest::newRow("3.14, area 314") << Computation(CircleFromArea) << "Text4=314;Text5=3.14"
                                        << ""
                                        << "Text2=20;Text3=62.8;Text1=10"
                                        << "";
        QTest::newRow("3.14, radius .5: no leading zero") << Computation(CircleFromRadius) << "Text1=0.5;Text5=3.14"
                                                          << ""
                                                          << "Text2=1;Text3=3.14;Text4=.785"
                                                          << "";
        QTest::newRow("π typed as 3") << Computation(CircleFromRadius) << "Text1=1;Text5=3"
                                      << ""
                                      << "Text2=2;Text3=6;Text4=3"
                                      << "";
        QTest::newRow("negative radius") << Computation(CircleFromRadius) << "Text1=-1;Text5=3.14"
                                         << ""
                                         << "Text2=-2;Text3=-6.28;Text4=3.14"
                                         << "";
        QTest::newRow("π empty, radius 2: no circumference, no area") << Computation(CircleFromRadius) << "Text1=2"
                                                                      << ""
                                                                      << "" << kFaultShown;
        QTest::newRow("π empty, diameter 2") << Computation(CircleFromDiameter) << "Text2=2"
                                             << ""
                                             << "" << kFaultShown;
        QTest::newRow("π typed as 0, radius 2")
            << Computation(CircleFromRadius) << "Text1=2;Text2=b;Text3=c;Text4=d;Text5=0"
            << ""
            << "" << kFaultShown;
        QTest::newRow("π unreadable, diameter 2") << Computation(CircleFromDiameter) << "Text2=2;Text5=pi"
                                                  << ""
                                                  << "" << kFaultShown;
        QTest::newRow("3.1415926, diameter 2") << Computation(CircleFromDiameter) << "Text2=2;Text5=3.1415926"
                                               << ""
                                               << "Text1=1;Text3=6.2831852;Text4=3.1415926"
                                               << "";
        QTest::newRow("π empty, circumference 10")
            << Computation(CircleFromCircumference) << "Text1=a;Text2=b;Text3=10;Text4=c"
            << ""
            << "" << kFaultShown;
        QTest::newRow("π empty, area 5") << Computation(CircleFromArea) << "Text4=5"
                                         << ""
                                         << "" << kFaultShown;
        QTest::newRow("π empty, area empty") << Computation(CircleFromArea) << ""
                                             << ""
                                             << "" << kFaultShown;
        QTest::newRow("negative area") << Computation(CircleFromArea) << "Text4=-1;Text5=3.14"
                                       << ""
                                       << "" << kFaultShown;
        QTest::newRow("negative π, positive area") << Computation(CircleFromArea) << "Text4=1;Text5=-3.14"
                                                   << ""
                                                   << "" << kFaultShown;
        QTest::newRow("area overflows") << Computation(CircleFromRadius) << "Text1=1e200;Text5=3.14"
                                        << ""
                                        << "" << kFaultShown;
        QTest::newRow("option 3.14") << Computation(PiFromOption1) << "Text5=3"
                                     << ""
                                     << "Text5=3.14"
                                     << "";
        QTest::newRow("option 3.1415926") << Computation(PiFromOption2) << ""
                                          << ""
                                          << "Text5=3.1415926"
                                          << "";
    }
    void computations() { checkCase(); }

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

    // Nothing chosen on opening: the focus is in the radius field.
    void opensWithTheFocusInTheRadius() {
        MenuFixture app;
        auto* w = app.open("lbl26", "frm10");
        QCOMPARE(w->focusWidget(), w->field("Text1"));
    }
};

QTEST_MAIN(CircleTest)
#include "tst_circle.moc"
