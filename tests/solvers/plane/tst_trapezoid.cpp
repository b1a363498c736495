// The trapezoid window: its first-zero rule over a fake form, and the real window's
// captions.
#include <QTest>

#include "solvers/plane/trapezoid.h"
#include "support/cases.h"
#include "support/gui.h"

using namespace velunda;
using namespace velunda::testing;

class TrapezoidTest : public QObject {
    Q_OBJECT

private slots:
    void firstZero_data() {
        addCaseColumns();
        QTest::newRow("area from bases 2, 4 and height 3") << Computation(SolveTrapezoid) << "Text1=2;Text2=4;Text3=3"
                                                           << ""
                                                           << "Text4=9"
                                                           << "";
        QTest::newRow("height from bases and area 9") << Computation(SolveTrapezoid) << "Text1=2;Text2=4;Text4=9"
                                                      << ""
                                                      << "Text3=3"
                                                      << "";
        QTest::newRow("lower base") << Computation(SolveTrapezoid) << "Text1=2;Text3=3;Text4=9"
                                    << ""
                                    << "Text2=4"
                                    << "";
        QTest::newRow("upper base") << Computation(SolveTrapezoid) << "Text2=4;Text3=3;Text4=9"
                                    << ""
                                    << "Text1=2"
                                    << "";
        QTest::newRow("all four filled, consistent: nothing")
            << Computation(SolveTrapezoid) << "Text1=2;Text2=4;Text3=3;Text4=9"
            << ""
            << ""
            << "";
        QTest::newRow("all four filled, not consistent: nothing")
            << Computation(SolveTrapezoid) << "Text1=1;Text2=1;Text3=1;Text4=9"
            << ""
            << ""
            << "";
        QTest::newRow("only the bases: area 0") << Computation(SolveTrapezoid) << "Text1=2;Text2=4"
                                                << ""
                                                << "Text4=0"
                                                << "";
        QTest::newRow("only height and area: lower base with upper 0")
            << Computation(SolveTrapezoid) << "Text3=3;Text4=9"
            << ""
            << "Text2=6"
            << "";
        QTest::newRow("no sign check") << Computation(SolveTrapezoid) << "Text1=10;Text3=2;Text4=4"
                                       << ""
                                       << "Text2=-6"
                                       << "";
        QTest::newRow("fraction without leading zero") << Computation(SolveTrapezoid) << "Text1=1;Text2=2;Text3=0.25"
                                                       << ""
                                                       << "Text4=.375"
                                                       << "";
        QTest::newRow("empty window: area 0") << Computation(SolveTrapezoid) << ""
                                              << ""
                                              << "Text4=0"
                                              << "";
        QTest::newRow("only the area: bases add up to 0") << Computation(SolveTrapezoid) << "Text4=9"
                                                          << ""
                                                          << "" << kFaultShown;
        QTest::newRow("bases of opposite sign") << Computation(SolveTrapezoid) << "Text1=2;Text2=-2;Text4=9"
                                                << ""
                                                << "" << kFaultShown;
        QTest::newRow("area overflows") << Computation(SolveTrapezoid) << "Text1=1e300;Text2=1e300;Text3=1e10"
                                        << ""
                                        << "" << kFaultShown;
    }
    void firstZero() { checkCase(); }
};

QTEST_MAIN(TrapezoidTest)
#include "tst_trapezoid.moc"
