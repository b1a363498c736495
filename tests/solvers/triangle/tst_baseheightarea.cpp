// The base-height-area window: its case list over a fake form, and the real window
// opened from its menu entry.
#include <QTest>

#include "solvers/triangle/baseheightarea.h"
#include "support/gui.h"
#include "triangletests.h"

using namespace velunda;
using namespace velunda::testing;

namespace {
const QStringList kFields{"Text1", "Text2", "Text3"};
}

class BaseHeightAreaTest : public QObject {
    Q_OBJECT

private slots:
    void computation_data() {
        AddComputationColumns();
        QTest::newRow("base 6, height 4") << "Text1=6;Text2=4"
                                          << "Text1=6;Text2=4;Text3=12"
                                          << "";
        QTest::newRow("base 6, area 12") << "Text1=6;Text3=12"
                                         << "Text1=6;Text2=4;Text3=12"
                                         << "";
        QTest::newRow("height 4, area 12") << "Text2=4;Text3=12"
                                           << "Text1=6;Text2=4;Text3=12"
                                           << "";
        QTest::newRow("base 5, height 3") << "Text1=5;Text2=3"
                                          << "Text1=5;Text2=3;Text3=7.5"
                                          << "";
        QTest::newRow("base 7, area 10") << "Text1=7;Text3=10"
                                         << "Text1=7;Text2=2.85714285714286;Text3=10"
                                         << "";
        QTest::newRow("height 3, area 10") << "Text2=3;Text3=10"
                                           << "Text1=6.66666666666667;Text2=3;Text3=10"
                                           << "";
        QTest::newRow("base 6, height 4, area 100: area replaced") << "Text1=6;Text2=4;Text3=100"
                                                                   << "Text1=6;Text2=4;Text3=12"
                                                                   << "";
        QTest::newRow("negative base computed like any other") << "Text1=-6;Text2=4"
                                                               << "Text1=-6;Text2=4;Text3=-12"
                                                               << "";
        QTest::newRow("small area: no zero before the point") << "Text1=1;Text2=1"
                                                              << "Text1=1;Text2=1;Text3=.5"
                                                              << "";
        const QString help = "请下载新版本或查看帮助|i|";
        QTest::newRow("only the area") << "Text3=12"
                                       << "Text1=0;Text2=0;Text3=12" << help;
        QTest::newRow("only the base") << "Text1=6"
                                       << "Text1=6;Text2=0;Text3=0" << help;
        QTest::newRow("all empty") << ""
                                   << "Text1=0;Text2=0;Text3=0" << help;
        QTest::newRow("base and height overflow") << "Text1=1e200;Text2=1e200"
                                                  << "" << kFaultForm;
    }
    void computation() { CheckComputation(TriangleBaseHeightArea); }

    void windowFromMenu() {
        MenuFixture app;
        auto* w = app.open("lbl13", "frm7");
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("三角形底,高,面积互换"));
        QCOMPARE(w->button("Command2")->text(), QString("计 算"));
        typeInto(w->field("Text1"), "6");
        typeInto(w->field("Text3"), "12");
        click(w->button("Command2"));
        QCOMPARE(Texts(w, kFields), (QStringList{"6", "4", "12"}));
    }

    void onlyOneQuantityShowsHelp() {
        MenuFixture app;
        auto* w = app.open("lbl13", "frm7");
        typeInto(w->field("Text3"), "12");
        MessageCatcher catcher;
        click(w->button("Command2"));
        QCOMPARE(catcher.shown(), QString("请下载新版本或查看帮助|i|Velunda"));
        QCOMPARE(Texts(w, kFields), (QStringList{"0", "0", "12"}));
    }

    void clearAndExit() {
        MenuFixture app;
        auto* w = app.open("lbl13", "frm7");
        QCOMPARE(w->label("Label1(1)")->text(), QString("三角形的面积"));
        QCOMPARE(w->button("Command3")->text(), QString("结 束"));
        for (const QString& f : kFields) typeInto(w->field(f.toStdString()), "2");
        click(w->button("Command1"));
        QCOMPARE(Texts(w, kFields), QStringList(3, QString()));
        CheckExit(app, w, "Command3");
    }
};

QTEST_MAIN(BaseHeightAreaTest)
#include "tst_baseheightarea.moc"
