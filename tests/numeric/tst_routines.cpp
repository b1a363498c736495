// The shared numeric routines.
#include <QTest>
#include <cmath>

#include "numeric/numbertext.h"
#include "numeric/routines.h"
#include "support/fakeform.h"

using namespace velunda;
using velunda::testing::FakeForm;

class RoutinesTest : public QObject {
    Q_OBJECT

private slots:
    void angles_data() {
        QTest::addColumn<double>("radians");
        QTest::addColumn<QString>("degreesText");
        QTest::newRow("arcsin .5") << ArcSin(0.5) << "30";
        QTest::newRow("arccos .5") << ArcCos(0.5) << "60";
        QTest::newRow("arccos 0") << ArcCos(0) << "90";
        QTest::newRow("arccos -.5") << ArcCos(-0.5) << "120";
        QTest::newRow("arcsin 1 is a right angle") << ArcSin(1) << "90";
        QTest::newRow("arcsin -1") << ArcSin(-1) << "-90";
        QTest::newRow("arccos 1 is 0") << ArcCos(1) << "0";
        QTest::newRow("arccos -1 is a straight angle") << ArcCos(-1) << "180";
        QTest::newRow("pi") << 4 * std::atan(1.0) << "180";
    }
    void angles() {
        QFETCH(double, radians);
        QFETCH(QString, degreesText);
        QCOMPARE(QString::fromStdString(NumberText(RadToDeg(radians))), degreesText);
    }

    void degToRad() {
        QCOMPARE(QString::fromStdString(NumberText(DegToRad(180))), QString("3.14159265358979"));
        QCOMPARE(DegToRad(180), 4 * std::atan(1.0));
        QCOMPARE(DegToRad(90), 2 * std::atan(1.0));
        QCOMPARE(ArcSin(1), 2 * std::atan(1.0));
        QCOMPARE(ArcCos(-1), 4 * std::atan(1.0));
    }

    void inverseOutsideDomainIsNaN() {
        QVERIFY(std::isnan(ArcSin(1.0000001)));
        QVERIFY(std::isnan(ArcCos(-2)));
    }

    void quadraticRoots_data() {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("c");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("message");
        QTest::newRow("two roots") << 1.0 << -3.0 << 2.0 << "2"
                                   << "1"
                                   << "";
        QTest::newRow("double root") << 1.0 << 2.0 << 1.0 << "-1"
                                     << "-1"
                                     << "";
        QTest::newRow("no real root: outputs untouched") << 1.0 << 0.0 << 1.0 << "7"
                                                         << "8"
                                                         << "无解|-|";
        QTest::newRow("root of .1 in double precision") << 1.0 << 0.0 << -0.1 << ".316227766016838"
                                                        << "-.316227766016838"
                                                        << "";
        QTest::newRow("zero root exactly") << 1.0 << 0.1 << 0.0 << "0"
                                           << "-.1"
                                           << "";
        QTest::newRow("B < 0: the small root from C / q") << 1.0 << -10000.0 << 1.0 << "9999.9999"
                                                          << ".000100000001"
                                                          << "";
        QTest::newRow("B > 0: the small root from C / q") << 1.0 << 10000.0 << 1.0 << "-.000100000001"
                                                          << "-9999.9999"
                                                          << "";
        QTest::newRow("B > 0, negative A") << -1.0 << 3.0 << -2.0 << "1"
                                           << "2"
                                           << "";
        QTest::newRow("discriminant below 0 by rounding only: double root") << 1.0 << 9.2 << 21.16 << "-4.6"
                                                                            << "-4.6"
                                                                            << "";
        QTest::newRow("discriminant below 0 beyond rounding") << 1.0 << 2.0 << 1.00000000000001 << "7"
                                                              << "8"
                                                              << "无解|-|";
    }
    void quadraticRoots() {
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(double, c);
        FakeForm form;
        double first = 7, second = 8;
        QuadraticRoots(form, a, b, c, first, second);
        QTEST(QString::fromStdString(NumberText(first)), "first");
        QTEST(QString::fromStdString(NumberText(second)), "second");
        QTEST(QString::fromStdString(form.shown()), "message");
    }

    void quadraticRootsOfNoNumberIsAFault() {
        FakeForm form;
        double first = 0, second = 0;
        const double inf = std::numeric_limits<double>::infinity();
        QVERIFY_THROWS_EXCEPTION(ComputationFault, QuadraticRoots(form, inf, inf, inf, first, second));
        QVERIFY(form.messages.empty());
    }

    void rootOfDifference_data() {
        QTest::addColumn<double>("u");
        QTest::addColumn<double>("v");
        QTest::addColumn<QString>("root");  // to 17 digits
        QTest::newRow("positive difference") << 9.0 << 5.0 << "2";
        QTest::newRow("no difference") << 4.0 << 4.0 << "0";
        QTest::newRow("negative by rounding of decimals: .84² - 16 × .0441") << 0.84 * 0.84 << 0.0441 * 16 << "0";
        QTest::newRow("negative by 8 units in the last place: 0") << 1.0 << 1 + 0x1p-49 << "0";
        QTest::newRow("negative by 16 units in the last place: no root") << 1.0 << 1 + 0x1p-48 << "nan";
        QTest::newRow("plainly negative") << 1.0 << 2.0 << "nan";
        QTest::newRow("tiny positive difference keeps its root") << 1 + 0x1p-49 << 1.0 << "4.2146848510894035e-08";
    }
    void rootOfDifference() {
        QFETCH(double, u);
        QFETCH(double, v);
        QTEST(QString::number(RootOfDifference(u, v), 'g', 17), "root");
    }

    void unitClamped_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("clamped");  // to 17 digits
        QTest::newRow("inside") << 0.5 << "0.5";
        QTest::newRow("one") << 1.0 << "1";
        QTest::newRow("one unit in the last place above 1") << 1 + 0x1p-52 << "1";
        QTest::newRow("2^-49 above 1") << 1 + 0x1p-49 << "1";
        QTest::newRow("2^-48 above 1 stays") << 1 + 0x1p-48 << "1.0000000000000036";
        QTest::newRow("2^-49 below -1") << -1 - 0x1p-49 << "-1";
        QTest::newRow("2^-48 below -1 stays") << -1 - 0x1p-48 << "-1.0000000000000036";
        QTest::newRow("sine of a right angle typed in decimals: .07 / .1 / .7") << 0.07 / 0.1 / 0.7 << "1";
        QTest::newRow("far outside") << 2.0 << "2";
    }
    void unitClamped() {
        QFETCH(double, value);
        QTEST(QString::number(UnitClamped(value), 'g', 17), "clamped");
    }

    void cosineRuleSide() {
        QCOMPARE(QString::fromStdString(NumberText(CosineRuleSide(3, 4, DegToRad(90)))), QString("5"));
        QCOMPARE(QString::fromStdString(NumberText(CosineRuleSide(1, 1, DegToRad(60)))), QString("1"));
        QVERIFY(std::isnan(CosineRuleSide(1, 1, std::nan(""))));
    }

    void leadingZeroText_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("above one") << 2.5 << "2.5";
        QTest::newRow("one") << 1.0 << "1";
        QTest::newRow("minus one") << -1.0 << "-1";
        QTest::newRow("quarter") << 0.25 << "0.25";
        QTest::newRow("minus quarter") << -0.25 << "-0.25";
        QTest::newRow("half") << 0.5 << "0.5";
        QTest::newRow("tiny scientific") << 0.00001 << "01E-05";
        QTest::newRow("minus tiny scientific") << -0.00001 << "-01E-05";
        QTest::newRow("just below one rounds after the case") << 0.9999999999999999 << "01";
    }
    void leadingZeroText() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(LeadingZeroText(value)), text);
    }

    void leadingZeroTextOfNaNFails() { QVERIFY_THROWS_EXCEPTION(ComputationFault, LeadingZeroText(std::nan(""))); }
};

QTEST_APPLESS_MAIN(RoutinesTest)
#include "tst_routines.moc"
