// The chord window: its six rules in both angle units over a fake form, and the real
// window's captions and its unit when opened again.
#include <QTest>

#include "solvers/plane/chord.h"
#include "support/cases.h"
#include "support/gui.h"

using namespace velunda;
using namespace velunda::testing;

class ChordTest : public QObject {
    Q_OBJECT

private slots:
    void rules_data() {
        addCaseColumns();
        QTest::newRow("1: degrees, r 5, c 8") << Computation(SolveChord) << "Text1=5;Text2=8"
                                              << "opt2"
                                              << "Text1= 5;Text2= 8;Text3= 3;Text4= 106.260204708312"
                                              << "";
        QTest::newRow("1: radians, r 5, c 8") << Computation(SolveChord) << "Text1=5;Text2=8"
                                              << "opt1"
                                              << "Text1= 5;Text2= 8;Text3= 3;Text4= 1.85459043600322rad"
                                              << "";
        QTest::newRow("1: neither option means degrees") << Computation(SolveChord) << "Text1=5;Text2=8"
                                                         << ""
                                                         << "Text1= 5;Text2= 8;Text3= 3;Text4= 106.260204708312"
                                                         << "";
        QTest::newRow("2: degrees, r 5, d 3") << Computation(SolveChord) << "Text1=5;Text3=3"
                                              << "opt2"
                                              << "Text1= 5;Text2= 8;Text3= 3;Text4= 106.260204708312"
                                              << "";
        QTest::newRow("3: degrees, c 8, d 3") << Computation(SolveChord) << "Text2=8;Text3=3"
                                              << "opt2"
                                              << "Text1= 5;Text2= 8;Text3= 3;Text4= 106.260204708312"
                                              << "";
        QTest::newRow("4: degrees, 90, c 8") << Computation(SolveChord) << "Text2=8;Text4=90"
                                             << "opt2"
                                             << "Text1= 5.65685424949238;Text2= 8;Text3= 4;Text4= 90"
                                             << "";
        QTest::newRow("5: degrees, 90, d 3") << Computation(SolveChord) << "Text3=3;Text4=90"
                                             << "opt2"
                                             << "Text1= 4.24264068711928;Text2= 6;Text3= 3;Text4= 90"
                                             << "";
        QTest::newRow("6: degrees, 60, r 5") << Computation(SolveChord) << "Text1=5;Text4=60"
                                             << "opt2"
                                             << "Text1= 5;Text2= 5;Text3= 4.33012701892219;Text4= 60"
                                             << "";
        // The typed angle is a little above π/3, so the chord is a little above 5.
        QTest::newRow("6: radians, 1.0471975511966, r 5")
            << Computation(SolveChord) << "Text1=5;Text4=1.0471975511966"
            << "opt1"
            << "Text1= 5;Text2= 5.00000000000001;Text3= 4.33012701892219;Text4= 1.0471975511966rad"
            << "";
        QTest::newRow("1 before 6: all four given") << Computation(SolveChord) << "Text1=5;Text2=8;Text3=1;Text4=10"
                                                    << "opt2"
                                                    << "Text1= 5;Text2= 8;Text3= 3;Text4= 106.260204708312"
                                                    << "";
        QTest::newRow("reads back its own texts")
            << Computation(SolveChord) << "Text1= 5;Text2= 8;Text3= 3;Text4= 1.85459043600322rad"
            << "opt1"
            << "Text1= 5;Text2= 8;Text3= 3;Text4= 1.85459043600322rad"
            << "";
        QTest::newRow("1: negative radius counts as given") << Computation(SolveChord) << "Text1=-5;Text2=8"
                                                            << "opt2"
                                                            << "Text1=-5;Text2= 8;Text3= 3;Text4= 106.260204708312"
                                                            << "";
        QTest::newRow("1: a diameter is 180 degrees") << Computation(SolveChord) << "Text1=5;Text2=10"
                                                      << "opt2"
                                                      << "Text1= 5;Text2= 10;Text3= 0;Text4= 180"
                                                      << "";
        QTest::newRow("1: a diameter in radians") << Computation(SolveChord) << "Text1=5;Text2=10"
                                                  << "opt1"
                                                  << "Text1= 5;Text2= 10;Text3= 0;Text4= 3.14159265358979rad"
                                                  << "";
        QTest::newRow("2: d equal to r, no chord") << Computation(SolveChord) << "Text1=5;Text3=5"
                                                   << "opt2"
                                                   << "Text1= 5;Text2= 0;Text3= 5;Text4= 0"
                                                   << "";
        QTest::newRow("empty window, degrees") << Computation(SolveChord) << ""
                                               << "opt2"
                                               << "Text1= 0;Text2= 0;Text3= 0;Text4= 0"
                                               << "";
        QTest::newRow("empty window, radians") << Computation(SolveChord) << ""
                                               << "opt1"
                                               << "Text1= 0;Text2= 0;Text3= 0;Text4= 0rad"
                                               << "";
        QTest::newRow("only an angle: rewritten") << Computation(SolveChord) << "Text4=60"
                                                  << "opt2"
                                                  << "Text1= 0;Text2= 0;Text3= 0;Text4= 60"
                                                  << "";
        QTest::newRow("1: chord longer than the diameter") << Computation(SolveChord) << "Text1=5;Text2=12;Text4=x"
                                                           << "opt2"
                                                           << "" << kFaultShown;
        QTest::newRow("2: d larger than r") << Computation(SolveChord) << "Text1=3;Text3=5"
                                            << "opt1"
                                            << "" << kFaultShown;
        QTest::newRow("6: overflow") << Computation(SolveChord) << "Text1=1e300;Text4=60"
                                     << "opt2"
                                     << "" << kFaultShown;
    }
    void rules() { checkCase(); }

    void reopenedInRadians() {
        MenuFixture app;
        auto* w = app.open("lbl27", "frm17");
        click(w->option("opt2"));
        w->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        w = app.open("lbl27", "frm17");
        QVERIFY(w->option("opt1")->isChecked());
        QCOMPARE(w->field("Text4")->text(), QString());
    }
};

QTEST_MAIN(ChordTest)
#include "tst_chord.moc"
