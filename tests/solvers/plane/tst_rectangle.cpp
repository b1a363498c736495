// The rectangle window: its seven rules over a fake form, and the real window's
// captions.
#include <QTest>

#include "solvers/plane/rectangle.h"
#include "support/cases.h"
#include "support/gui.h"

using namespace velunda;
using namespace velunda::testing;

class RectangleTest : public QObject {
    Q_OBJECT

private slots:
    void rules_data() {
        addCaseColumns();
        QTest::newRow("1: sides 3 and 4") << Computation(SolveRectangle) << "Text1=3;Text2=4"
                                          << ""
                                          << "Text3=14;Text4=12;Text5=5"
                                          << "";
        QTest::newRow("2: side 3, perimeter 14") << Computation(SolveRectangle) << "Text1=3;Text3=14"
                                                 << ""
                                                 << "Text2=4;Text4=12;Text5=5"
                                                 << "";
        QTest::newRow("3: side 3, area 12") << Computation(SolveRectangle) << "Text1=3;Text4=12"
                                            << ""
                                            << "Text2=4;Text3=14;Text5=5"
                                            << "";
        QTest::newRow("4: side 3, diagonal 5") << Computation(SolveRectangle) << "Text1=3;Text5=5"
                                               << ""
                                               << "Text2=4;Text4=12;Text3=14"
                                               << "";
        QTest::newRow("5: perimeter 14, area 12") << Computation(SolveRectangle) << "Text3=14;Text4=12"
                                                  << ""
                                                  << "Text2=3;Text1=4;Text5=5"
                                                  << "";
        QTest::newRow("6: perimeter 14, diagonal 5") << Computation(SolveRectangle) << "Text3=14;Text5=5"
                                                     << ""
                                                     << "Text2=3;Text1=4;Text4=12"
                                                     << "";
        QTest::newRow("7: diagonal 5, area 12") << Computation(SolveRectangle) << "Text4=12;Text5=5"
                                                << ""
                                                << "Text2=3;Text1=4;Text3=14"
                                                << "";
        QTest::newRow("1: sides 2 and 3") << Computation(SolveRectangle) << "Text1=2;Text2=3"
                                          << ""
                                          << "Text3=10;Text4=6;Text5=3.60555127546399"
                                          << "";
        QTest::newRow("5: perimeter 10, area 5, longer side first")
            << Computation(SolveRectangle) << "Text3=10;Text4=5"
            << ""
            << "Text2=1.38196601125011;Text1=3.61803398874989;Text5=3.87298334620742"
            << "";
        QTest::newRow("5: perimeter 1.2, area .09: a square") << Computation(SolveRectangle) << "Text3=1.2;Text4=0.09"
                                                              << ""
                                                              << "Text2=.3;Text1=.3;Text5=.424264068711929"
                                                              << "";
        QTest::newRow("5: perimeter .84, area .0441: a square, P² - 16S below 0 by rounding")
            << Computation(SolveRectangle) << "Text3=0.84;Text4=0.0441"
            << ""
            << "Text2=.21;Text1=.21;Text5=.29698484809835"
            << "";
        QTest::newRow("1: a negative side counts as given") << Computation(SolveRectangle) << "Text1=-3;Text2=4"
                                                            << ""
                                                            << "Text3=2;Text4=-12;Text5=5"
                                                            << "";
        QTest::newRow("1 again after an edited perimeter")
            << Computation(SolveRectangle) << "Text1=3;Text2=4;Text3=20;Text4=12;Text5=5"
            << ""
            << "Text3=14;Text4=12;Text5=5"
            << "";
        QTest::newRow("2 before 5: side left over with perimeter and area")
            << Computation(SolveRectangle) << "Text1=3;Text3=14;Text4=12"
            << ""
            << "Text2=4;Text4=12;Text5=5"
            << "";
        QTest::newRow("full-width digits") << Computation(SolveRectangle) << "Text1=３;Text2=４"
                                           << ""
                                           << "Text3=14;Text4=12;Text5=5"
                                           << "";
        QTest::newRow("6: short perimeter gives a negative side, no sign check")
            << Computation(SolveRectangle) << "Text3=4;Text5=5"
            << ""
            << "Text2=-2.39116499156263;Text1=4.39116499156263;Text4=-10.5"
            << "";
        QTest::newRow("only one side: nothing") << Computation(SolveRectangle) << "Text1=3"
                                                << ""
                                                << ""
                                                << "";
        QTest::newRow("other side with perimeter: nothing") << Computation(SolveRectangle) << "Text2=4;Text3=14"
                                                            << ""
                                                            << ""
                                                            << "";
        QTest::newRow("empty window: nothing") << Computation(SolveRectangle) << ""
                                               << ""
                                               << ""
                                               << "";
        QTest::newRow("4: diagonal shorter than the side") << Computation(SolveRectangle) << "Text1=5;Text4=old;Text5=3"
                                                           << ""
                                                           << "" << kFaultShown;
        QTest::newRow("5: area too large for the perimeter") << Computation(SolveRectangle) << "Text3=4;Text4=5"
                                                             << ""
                                                             << "" << kFaultShown;
        QTest::newRow("5: area above the square's beyond rounding")
            << Computation(SolveRectangle) << "Text3=4;Text4=1.00000000001"
            << ""
            << "" << kFaultShown;
        QTest::newRow("6: perimeter too long for the diagonal") << Computation(SolveRectangle) << "Text3=20;Text5=5"
                                                                << ""
                                                                << "" << kFaultShown;
        QTest::newRow("1: area overflows") << Computation(SolveRectangle) << "Text1=1e200;Text2=1e200"
                                           << ""
                                           << "" << kFaultShown;
        QTest::newRow("1: side typed beyond range") << Computation(SolveRectangle) << "Text1=1e400;Text2=1"
                                                    << ""
                                                    << "" << kFaultShown;
    }
    void rules() { checkCase(); }
};

QTEST_MAIN(RectangleTest)
#include "tst_rectangle.moc"
