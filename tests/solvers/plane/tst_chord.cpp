// The chord window: its six rules in both angle units over a fake form, and the real
// window driven from the menu.
#include <QTest>

#include "planecases.h"
#include "planewindows.h"
#include "solvers/plane/chord.h"

using namespace velunda;
using namespace velunda::testing;

class ChordTest : public QObject {
    Q_OBJECT

private slots:
    void rules_data() {
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("writes");  // Text1, Text2, Text3, Text4 are always written in this order
        QTest::addColumn<QString>("shown");
        const QStringList degrees{"opt2"}, radians{"opt1"}, neither;
        const QString r5c8 = "Text1= 5;Text2= 8;Text3= 3;Text4= 106.260204708312";
        QTest::newRow("1: degrees, r 5, c 8") << "Text1=5;Text2=8" << degrees << r5c8 << "";
        QTest::newRow("1: radians, r 5, c 8")
            << "Text1=5;Text2=8" << radians << "Text1= 5;Text2= 8;Text3= 3;Text4= 1.85459043600322rad"
            << "";
        QTest::newRow("1: neither option means degrees") << "Text1=5;Text2=8" << neither << r5c8 << "";
        QTest::newRow("2: degrees, r 5, d 3") << "Text1=5;Text3=3" << degrees << r5c8 << "";
        QTest::newRow("3: degrees, c 8, d 3") << "Text2=8;Text3=3" << degrees << r5c8 << "";
        QTest::newRow("4: degrees, 90, c 8")
            << "Text4=90;Text2=8" << degrees << "Text1= 5.65685424949238;Text2= 8;Text3= 4;Text4= 90"
            << "";
        QTest::newRow("5: degrees, 90, d 3")
            << "Text4=90;Text3=3" << degrees << "Text1= 4.24264068711928;Text2= 6;Text3= 3;Text4= 90"
            << "";
        QTest::newRow("6: degrees, 60, r 5")
            << "Text4=60;Text1=5" << degrees << "Text1= 5;Text2= 5;Text3= 4.33012701892219;Text4= 60"
            << "";
        // The typed angle is a little above π/3, so the chord is a little above 5.
        QTest::newRow("6: radians, 1.0471975511966, r 5")
            << "Text4=1.0471975511966;Text1=5" << radians
            << "Text1= 5;Text2= 5.00000000000001;Text3= 4.33012701892219;Text4= 1.0471975511966rad"
            << "";
        QTest::newRow("1 before 6: all four given") << "Text1=5;Text2=8;Text3=1;Text4=10" << degrees << r5c8 << "";
        QTest::newRow("reads back its own texts") << "Text1= 5;Text2= 8;Text3= 3;Text4= 1.85459043600322rad" << radians
                                                  << "Text1= 5;Text2= 8;Text3= 3;Text4= 1.85459043600322rad"
                                                  << "";
        QTest::newRow("1: negative radius counts as given")
            << "Text1=-5;Text2=8" << degrees << "Text1=-5;Text2= 8;Text3= 3;Text4= 106.260204708312"
            << "";
        QTest::newRow("1: a diameter is 180 degrees")
            << "Text1=5;Text2=10" << degrees << "Text1= 5;Text2= 10;Text3= 0;Text4= 180"
            << "";
        QTest::newRow("1: a diameter in radians")
            << "Text1=5;Text2=10" << radians << "Text1= 5;Text2= 10;Text3= 0;Text4= 3.14159265358979rad"
            << "";
        QTest::newRow("2: d equal to r, no chord")
            << "Text1=5;Text3=5" << degrees << "Text1= 5;Text2= 0;Text3= 5;Text4= 0"
            << "";
        QTest::newRow("empty window, degrees") << "" << degrees << "Text1= 0;Text2= 0;Text3= 0;Text4= 0"
                                               << "";
        QTest::newRow("empty window, radians") << "" << radians << "Text1= 0;Text2= 0;Text3= 0;Text4= 0rad"
                                               << "";
        QTest::newRow("only an angle: rewritten") << "Text4=60" << degrees << "Text1= 0;Text2= 0;Text3= 0;Text4= 60"
                                                  << "";
        QTest::newRow("1: chord longer than the diameter")
            << "Text1=5;Text2=12;Text4=x" << degrees << "" << kFaultShown;
        QTest::newRow("2: d larger than r") << "Text1=3;Text3=5" << radians << "" << kFaultShown;
        QTest::newRow("6: overflow") << "Text4=60;Text1=1e300" << degrees << "" << kFaultShown;
    }
    void rules() {
        QFETCH(QStringList, options);
        checkCase(SolveChord, options);
    }

    void windowFromMenu() {
        MenuFixture app;
        auto* w = app.open("lbl27", "frm17");
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("垂径定理"));
        QCOMPARE(w->size(), QSize(330, 162));
        QCOMPARE(w->label("Label3")->text(), QString(" 弦"));
        // Radians on opening.
        QVERIFY(w->option("opt1")->isChecked());
        fill(w, "Text1=5;Text2=8");
        click(w->button("Command2"));
        QCOMPARE(texts(w, 4), (QStringList{" 5", " 8", " 3", " 1.85459043600322rad"}));

        click(w->option("opt2"));
        fill(w, "Text1=;Text2=;Text3=;Text4=60;Text1=5");
        click(w->button("Command2"));
        QCOMPARE(texts(w, 4), (QStringList{" 5", " 5", " 4.33012701892219", " 60"}));

        // A chord longer than the diameter: the message, and the fields as typed.
        fill(w, "Text2=12");
        {
            MessageCatcher catcher;
            click(w->button("Command2"));
            QCOMPARE(catcher.shown(), QString("无法计算，请检查输入的数据|i|Velunda"));
        }
        QCOMPARE(texts(w, 4), (QStringList{" 5", "12", " 4.33012701892219", " 60"}));

        click(w->button("Command1"));
        QVERIFY(w->option("opt2")->isChecked());  // the clear button keeps the unit
        QVERIFY(clearsAndExits(app, w, "Command1", {"Text1", "Text2", "Text3", "Text4"}, "Command3"));
    }

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
