// The angle window: cases A to H over a fake form, and the real window's layout.
#include <QTest>

#include "solvers/algebra/trigonometry.h"
#include "support/cases.h"
#include "support/gui.h"

using namespace velunda;
using namespace velunda::testing;

class TrigonometryTest : public QObject {
    Q_OBJECT

private slots:
    void convert_data() {
        addCaseColumns();
        QTest::newRow("A: 90 degrees") << Computation(AngleAndFunctions) << "Text1=90"
                                       << ""
                                       << "Text1=90;Text2=1.57079632679489;Text5=1;Text6=0;Text7=无意义;Text8=0"
                                       << "";
        QTest::newRow("A: the right-angle radian text")
            << Computation(AngleAndFunctions) << "Text2=1.57079632679489"
            << ""
            << "Text1=90;Text2=1.57079632679489;Text5=1;Text6=0;Text7=无意义;Text8=0"
            << "";
        QTest::newRow("A before the others") << Computation(AngleAndFunctions) << "Text1=90;Text5=0.3;Text7=7"
                                             << ""
                                             << "Text1=90;Text2=1.57079632679489;Text5=1;Text6=0;Text7=无意义;Text8=0"
                                             << "";
        QTest::newRow("B: radians just above a right angle")
            << Computation(AngleAndFunctions) << "Text2=1.5707963267949"
            << ""
            << "Text1=90.0000000000002;Text2=1.5707963267949;Text5=1;Text6=-03.49148133884313E-15;Text7=-2.864114E+14;"
               "Text8=-03.491481E-15"
            << "";
        QTest::newRow("B: radians win over degrees") << Computation(AngleAndFunctions) << "Text1=60;Text2=1"
                                                     << ""
                                                     << "Text1=57.2957795130823;Text2=1;Text5=0.841470984807897;Text6="
                                                        "0.54030230586814;Text7=1.557408;Text8=0.6420926"
                                                     << "";
        QTest::newRow("C: 30 degrees")
            << Computation(AngleAndFunctions) << "Text1=30"
            << ""
            << "Text1=30;Text2=0.523598775598299;Text5=0.5;Text6=0.866025403784439;Text7=0.5773503;Text8=1.732051"
            << "";
        QTest::newRow("C: 120 degrees, leading zero after the minus")
            << Computation(AngleAndFunctions) << "Text1=120"
            << ""
            << "Text1=120;Text2=2.0943951023932;Text5=0.866025403784439;Text6=-0.5;Text7=-1.732051;Text8=-0.5773503"
            << "";
        QTest::newRow("C: 180 degrees, tiny tangent keeps its cotangent")
            << Computation(AngleAndFunctions) << "Text1=180"
            << ""
            << "Text1=180;Text2=3.14159265358979;Text5=01.22464679914735E-16;Text6=-1;Text7=-01.224647E-16;Text8=-8."
               "165619E+15"
            << "";
        QTest::newRow("C: 270 degrees, huge tangent") << Computation(AngleAndFunctions) << "Text1=270"
                                                      << ""
                                                      << "Text1=270;Text2=4.71238898038469;Text5=-1;Text6=-01."
                                                         "83697019872103E-16;Text7=5.443746E+15;Text8=01.83697E-16"
                                                      << "";
        QTest::newRow("C: tangent 0 in single precision has no cotangent")
            << Computation(AngleAndFunctions) << "Text1=1e-50"
            << ""
            << "Text1=1E-50;Text2=01.74532925199433E-52;Text5=01.74532925199433E-52;Text6=1;Text7=0;Text8=无意义"
            << "";
        QTest::newRow("D: sine .5")
            << Computation(AngleAndFunctions) << "Text5=0.5"
            << ""
            << "Text1=30;Text2=0.523598775598299;Text5=0.5;Text6=0.866025403784439;Text7=0.5773503;Text8=1.732051"
            << "";
        QTest::newRow("D: sine 1 is a right angle")
            << Computation(AngleAndFunctions) << "Text5=1"
            << ""
            << "Text1=90;Text2=1.57079632679489;Text5=1;Text6=0;Text7=无意义;Text8=0"
            << "";
        QTest::newRow("D: sine -1") << Computation(AngleAndFunctions) << "Text5=-1"
                                    << ""
                                    << "Text1=-90;Text2=-1.5707963267949;Text5=-1;Text6=06.12323399573677E-17;Text7=-1."
                                       "633124E+16;Text8=-06.123234E-17"
                                    << "";
        QTest::newRow("D: sine above 1") << Computation(AngleAndFunctions) << "Text5=2"
                                         << ""
                                         << "" << kFaultShown;
        QTest::newRow("E: cosine .5")
            << Computation(AngleAndFunctions) << "Text6=0.5"
            << ""
            << "Text1=60;Text2=1.0471975511966;Text5=0.866025403784439;Text6=0.5;Text7=1.732051;Text8=0.5773503"
            << "";
        QTest::newRow("E: cosine -.5")
            << Computation(AngleAndFunctions) << "Text6=-0.5"
            << ""
            << "Text1=120;Text2=2.0943951023932;Text5=0.866025403784438;Text6=-0.5;Text7=-1.732051;Text8=-0.5773503"
            << "";
        QTest::newRow("E: cosine 1 as case H wrote it")
            << Computation(AngleAndFunctions) << "Text1=0;Text2=0;Text5=0;Text6=1;Text7=0;Text8=无意义"
            << ""
            << "Text1=0;Text2=0;Text5=0;Text6=1;Text7=0;Text8=无意义"
            << "";
        QTest::newRow("E: cosine -1") << Computation(AngleAndFunctions) << "Text6=-1"
                                      << ""
                                      << "Text1=180;Text2=3.14159265358979;Text5=01.22464679914735E-16;Text6=-1;Text7=-"
                                         "01.224647E-16;Text8=-8.165619E+15"
                                      << "";
        QTest::newRow("E: cosine below -1") << Computation(AngleAndFunctions) << "Text6=-1.5"
                                            << ""
                                            << "" << kFaultShown;
        QTest::newRow("F: tangent 1")
            << Computation(AngleAndFunctions) << "Text7=1"
            << ""
            << "Text1=45;Text2=0.785398163397448;Text5=0.707106781186547;Text6=0.707106781186548;Text7=1;Text8=1"
            << "";
        QTest::newRow("F: tangent .1 held in single precision")
            << Computation(AngleAndFunctions) << "Text7=0.1"
            << ""
            << "Text1=5.71059322203169;Text2=0.0996686539665245;Text5=0.0995037204890395;Text6=0.995037190063185;Text7="
               "0.1;Text8=10"
            << "";
        QTest::newRow("F: tangent beyond single range") << Computation(AngleAndFunctions) << "Text7=1e39"
                                                        << ""
                                                        << "" << kFaultShown;
        QTest::newRow("F: tangent beyond the double range too") << Computation(AngleAndFunctions) << "Text7=1e400"
                                                                << ""
                                                                << "" << kFaultShown;
        QTest::newRow("F: tangent too small to hold counts as none")
            << Computation(AngleAndFunctions) << "Text7=1e-50"
            << ""
            << "Text1=0;Text2=0;Text5=0;Text6=1;Text7=0;Text8=无意义"
            << "";
        QTest::newRow("G: cotangent 2 is kept") << Computation(AngleAndFunctions) << "Text8=2"
                                                << ""
                                                << "Text1=26.565051177078;Text2=0.463647609000806;Text5=0."
                                                   "447213595499958;Text6=0.894427190999916;Text7=0.5;Text8=2"
                                                << "";
        QTest::newRow("G: a cotangent whose tangent rounds to 0 is kept")
            << Computation(AngleAndFunctions) << "Text8=1e300"
            << ""
            << "Text1=0;Text2=0;Text5=0;Text6=1;Text7=0;Text8=1E+300"
            << "";
        QTest::newRow("G: tangent of the cotangent beyond single range")
            << Computation(AngleAndFunctions) << "Text8=1e-300"
            << ""
            << "" << kFaultShown;
        QTest::newRow("H: all empty") << Computation(AngleAndFunctions) << ""
                                      << ""
                                      << "Text1=0;Text2=0;Text5=0;Text6=1;Text7=0;Text8=无意义"
                                      << "";
        QTest::newRow("H: text that reads as 0")
            << Computation(AngleAndFunctions) << "Text1=abc;Text2=0;Text6=-0;Text8=x"
            << ""
            << "Text1=0;Text2=0;Text5=0;Text6=1;Text7=0;Text8=无意义"
            << "";
        QTest::newRow("degrees typed beyond range") << Computation(AngleAndFunctions) << "Text1=1e400"
                                                    << ""
                                                    << "" << kFaultShown;
    }
    void convert() { checkCase(); }

    void layoutAsDesigned() {
        MenuFixture app;
        auto* w = app.open("lbl19", "frm18");
        QCOMPARE(w->size(), QSize(326, 186));
        const std::pair<const char*, const char*> captions[] = {
            {"Label1(0)", "   角度（1）"}, {"Label1(5)", "弧度（1）"}, {"Label1(3)", "正弦(sin)"},
            {"Label1(2)", "余弦(cos)"},    {"Label1(1)", "正切(tan)"}, {"Label1(7)", "余切(cot)"}};
        for (const auto& [name, caption] : captions) QCOMPARE(w->label(name)->text(), QString(caption));
        QCOMPARE(w->label("Label1(7)")->buddy(), w->field("Text8"));
        QCOMPARE(w->button("Command1")->text(), QString("清  零"));
        QCOMPARE(w->focusWidget(), w->field("Text1"));
        QCOMPARE(FocusOrder(w->field("Text1"), 10), QStringList({"Text1", "Text2", "Text5", "Text6", "Text7", "Text8",
                                                                 "Command1", "Command2", "Command3", "Text1"}));
    }
};

QTEST_MAIN(TrigonometryTest)
#include "tst_trigonometry.moc"
