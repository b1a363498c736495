// The base-height-area window: its case list over a fake form, and the real window
// opened from its menu entry.
#include <QTest>

#include "solvers/triangle/baseheightarea.h"
#include "support/cases.h"
#include "support/gui.h"

using namespace velunda;
using namespace velunda::testing;

class BaseHeightAreaTest : public QObject {
    Q_OBJECT

private slots:
    void computation_data() {
        addCaseColumns();
        QTest::newRow("base 6, height 4") << Computation(TriangleBaseHeightArea) << "Text1=6;Text2=4"
                                          << ""
                                          << "Text1=6;Text2=4;Text3=12"
                                          << "";
        QTest::newRow("base 6, area 12") << Computation(TriangleBaseHeightArea) << "Text1=6;Text3=12"
                                         << ""
                                         << "Text1=6;Text2=4;Text3=12"
                                         << "";
        QTest::newRow("height 4, area 12") << Computation(TriangleBaseHeightArea) << "Text2=4;Text3=12"
                                           << ""
                                           << "Text1=6;Text2=4;Text3=12"
                                           << "";
        QTest::newRow("base 5, height 3") << Computation(TriangleBaseHeightArea) << "Text1=5;Text2=3"
                                          << ""
                                          << "Text1=5;Text2=3;Text3=7.5"
                                          << "";
        QTest::newRow("base 7, area 10") << Computation(TriangleBaseHeightArea) << "Text1=7;Text3=10"
                                         << ""
                                         << "Text1=7;Text2=2.85714285714286;Text3=10"
                                         << "";
        QTest::newRow("height 3, area 10") << Computation(TriangleBaseHeightArea) << "Text2=3;Text3=10"
                                           << ""
                                           << "Text1=6.66666666666667;Text2=3;Text3=10"
                                           << "";
        QTest::newRow("base 6, height 4, area 100: area replaced")
            << Computation(TriangleBaseHeightArea) << "Text1=6;Text2=4;Text3=100"
            << ""
            << "Text1=6;Text2=4;Text3=12"
            << "";
        QTest::newRow("negative base computed like any other")
            << Computation(TriangleBaseHeightArea) << "Text1=-6;Text2=4"
            << ""
            << "Text1=-6;Text2=4;Text3=-12"
            << "";
        QTest::newRow("small area: no zero before the point")
            << Computation(TriangleBaseHeightArea) << "Text1=1;Text2=1"
            << ""
            << "Text1=1;Text2=1;Text3=.5"
            << "";
        QTest::newRow("only the area") << Computation(TriangleBaseHeightArea) << "Text3=12"
                                       << ""
                                       << "Text1=0;Text2=0;Text3=12"
                                       << "请下载新版本或查看帮助|i|";
        QTest::newRow("only the base") << Computation(TriangleBaseHeightArea) << "Text1=6"
                                       << ""
                                       << "Text1=6;Text2=0;Text3=0"
                                       << "请下载新版本或查看帮助|i|";
        QTest::newRow("all empty") << Computation(TriangleBaseHeightArea) << ""
                                   << ""
                                   << "Text1=0;Text2=0;Text3=0"
                                   << "请下载新版本或查看帮助|i|";
        QTest::newRow("base and height overflow") << Computation(TriangleBaseHeightArea) << "Text1=1e200;Text2=1e200"
                                                  << ""
                                                  << "" << kFaultShown;
    }
    void computation() { checkCase(); }
};

QTEST_MAIN(BaseHeightAreaTest)
#include "tst_baseheightarea.moc"
