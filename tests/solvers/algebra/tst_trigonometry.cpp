// The angle window: cases A to H over a fake form, and the real window driven from the
// menu.
#include <QTest>

#include "solvers/algebra/trigonometry.h"
#include "support/fakeform.h"
#include "support/gui.h"

using namespace velunda;
using namespace velunda::testing;

namespace {
// The six fields in the order they are written: degrees, radians, sin, cos, tan, cot.
const char* const kFields[] = {"Text1", "Text2", "Text5", "Text6", "Text7", "Text8"};
const QStringList kRightAngle{"90", "1.57079632679489", "1", "0", "无意义", "0"};
const QStringList kNoAngle{"0", "0", "0", "1", "0", "无意义"};
}  // namespace

class TrigonometryTest : public QObject {
    Q_OBJECT

private slots:
    void convert_data() {
        QTest::addColumn<QStringList>("typed");  // Text1, Text2, Text5 … Text8
        QTest::addColumn<QStringList>("texts");  // afterwards; empty when nothing is written
        QTest::newRow("A: 90 degrees") << QStringList{"90", "", "", "", "", ""} << kRightAngle;
        QTest::newRow("A: the right-angle radian text")
            << QStringList{"", "1.57079632679489", "", "", "", ""} << kRightAngle;
        QTest::newRow("A before the others") << QStringList{"90", "", "0.3", "", "7", ""} << kRightAngle;
        QTest::newRow("B: radians just above a right angle")
            << QStringList{"", "1.5707963267949", "", "", "", ""}
            << QStringList{"90.0000000000002",       "1.5707963267949", "1",
                           "-03.49148133884313E-15", "-2.864114E+14",   "-03.491481E-15"};
        QTest::newRow("B: radians win over degrees")
            << QStringList{"60", "1", "", "", "", ""}
            << QStringList{"57.2957795130823", "1", "0.841470984807897", "0.54030230586814", "1.557408", "0.6420926"};
        QTest::newRow("C: 30 degrees") << QStringList{"30", "", "", "", "", ""}
                                       << QStringList{"30",        "0.523598775598299", "0.5", "0.866025403784439",
                                                      "0.5773503", "1.732051"};
        QTest::newRow("C: 120 degrees, leading zero after the minus")
            << QStringList{"120", "", "", "", "", ""}
            << QStringList{"120", "2.0943951023932", "0.866025403784439", "-0.5", "-1.732051", "-0.5773503"};
        QTest::newRow("C: 180 degrees, tiny tangent keeps its cotangent")
            << QStringList{"180", "", "", "", "", ""}
            << QStringList{"180", "3.14159265358979", "01.22464679914735E-16", "-1", "-01.224647E-16", "-8.165619E+15"};
        QTest::newRow("C: 270 degrees, huge tangent")
            << QStringList{"270", "", "", "", "", ""}
            << QStringList{"270", "4.71238898038469", "-1", "-01.83697019872103E-16", "5.443746E+15", "01.83697E-16"};
        QTest::newRow("C: tangent 0 in single precision has no cotangent")
            << QStringList{"1e-50", "", "", "", "", ""}
            << QStringList{"1E-50", "01.74532925199433E-52", "01.74532925199433E-52", "1", "0", "无意义"};
        QTest::newRow("D: sine .5") << QStringList{"", "", "0.5", "", "", ""}
                                    << QStringList{"30",        "0.523598775598299", "0.5", "0.866025403784439",
                                                   "0.5773503", "1.732051"};
        QTest::newRow("D: sine 1 is a right angle") << QStringList{"", "", "1", "", "", ""} << kRightAngle;
        QTest::newRow("D: sine -1") << QStringList{"", "", "-1", "", "", ""}
                                    << QStringList{"-90",           "-1.5707963267949", "-1", "06.12323399573677E-17",
                                                   "-1.633124E+16", "-06.123234E-17"};
        QTest::newRow("D: sine above 1") << QStringList{"", "", "2", "", "", ""} << QStringList{};
        QTest::newRow("E: cosine .5") << QStringList{"", "", "", "0.5", "", ""}
                                      << QStringList{"60",  "1.0471975511966", "0.866025403784439",
                                                     "0.5", "1.732051",        "0.5773503"};
        QTest::newRow("E: cosine -.5") << QStringList{"", "", "", "-0.5", "", ""}
                                       << QStringList{"120",  "2.0943951023932", "0.866025403784438",
                                                      "-0.5", "-1.732051",       "-0.5773503"};
        QTest::newRow("E: cosine 1 as case H wrote it") << kNoAngle << kNoAngle;
        QTest::newRow("E: cosine -1") << QStringList{"", "", "", "-1", "", ""}
                                      << QStringList{"180", "3.14159265358979", "01.22464679914735E-16",
                                                     "-1",  "-01.224647E-16",   "-8.165619E+15"};
        QTest::newRow("E: cosine below -1") << QStringList{"", "", "", "-1.5", "", ""} << QStringList{};
        QTest::newRow("F: tangent 1") << QStringList{"", "", "", "", "1", ""}
                                      << QStringList{
                                             "45", "0.785398163397448", "0.707106781186547", "0.707106781186548", "1",
                                             "1"};
        QTest::newRow("F: tangent .1 held in single precision")
            << QStringList{"", "", "", "", "0.1", ""}
            << QStringList{
                   "5.71059322203169", "0.0996686539665245", "0.0995037204890395", "0.995037190063185", "0.1", "10"};
        QTest::newRow("F: tangent beyond single range") << QStringList{"", "", "", "", "1e39", ""} << QStringList{};
        QTest::newRow("F: tangent beyond the double range too")
            << QStringList{"", "", "", "", "1e400", ""} << QStringList{};
        QTest::newRow("F: tangent too small to hold counts as none")
            << QStringList{"", "", "", "", "1e-50", ""} << kNoAngle;
        QTest::newRow("G: cotangent 2 is kept")
            << QStringList{"", "", "", "", "", "2"}
            << QStringList{
                   "26.565051177078", "0.463647609000806", "0.447213595499958", "0.894427190999916", "0.5", "2"};
        QTest::newRow("G: a cotangent whose tangent rounds to 0 is kept")
            << QStringList{"", "", "", "", "", "1e300"} << QStringList{"0", "0", "0", "1", "0", "1E+300"};
        QTest::newRow("G: tangent of the cotangent beyond single range")
            << QStringList{"", "", "", "", "", "1e-300"} << QStringList{};
        QTest::newRow("H: all empty") << QStringList{"", "", "", "", "", ""} << kNoAngle;
        QTest::newRow("H: text that reads as 0") << QStringList{"abc", "0", "", "-0", "", "x"} << kNoAngle;
        QTest::newRow("degrees typed beyond range") << QStringList{"1e400", "", "", "", "", ""} << QStringList{};
    }
    void convert() {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, texts);
        FakeForm form;
        for (int i = 0; i < 6; ++i) form.fields[kFields[i]] = typed[i].toStdString();
        const bool completed = form.run(AngleAndFunctions);
        QCOMPARE(completed, !texts.isEmpty());
        QStringList expected;
        for (int i = 0; i < texts.size(); ++i) expected << QString(kFields[i]) + "=" + texts[i];
        QCOMPARE(Written(form), expected.join(';'));
        QCOMPARE(QString::fromStdString(form.shown()), texts.isEmpty() ? QString::fromStdString(kFault) : QString());
    }

    void windowFromMenu() {
        MenuFixture app;
        auto* w = app.open("lbl19", "frm18");
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("角度，弧度，三角函数转化"));
        typeInto(w->field("Text1"), "30");
        pressEnter(w->field("Text1"));  // Enter computes nothing
        QCOMPARE(w->field("Text2")->text(), QString());
        click(w->button("Command2"));
        const QStringList thirty{"30", "0.523598775598299", "0.5", "0.866025403784439", "0.5773503", "1.732051"};
        for (int i = 0; i < 6; ++i) QCOMPARE(w->field(kFields[i])->text(), thirty[i]);

        // A second click after the right angle gives the right angle again.
        typeInto(w->field("Text1"), "90");
        click(w->button("Command2"));
        click(w->button("Command2"));
        for (int i = 0; i < 6; ++i) QCOMPARE(w->field(kFields[i])->text(), kRightAngle[i]);

        // A sine above 1: the fault message, every field as it was.
        click(w->button("Command1"));
        for (const char* name : kFields) QCOMPARE(w->field(name)->text(), QString());
        typeInto(w->field("Text5"), "2");
        {
            MessageCatcher catcher;
            click(w->button("Command2"));
            QCOMPARE(catcher.shown(), QString("无法计算，请检查输入的数据|i|Velunda"));
        }
        QCOMPARE(w->field("Text5")->text(), QString("2"));
        QCOMPARE(w->field("Text1")->text(), QString());

        // Nothing given, twice: the same texts both times.
        click(w->button("Command1"));
        click(w->button("Command2"));
        click(w->button("Command2"));
        for (int i = 0; i < 6; ++i) QCOMPARE(w->field(kFields[i])->text(), kNoAngle[i]);

        CheckExit(app, w, "Command3");
    }

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
