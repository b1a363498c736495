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
        QTest::newRow("single-precision discriminant") << 1.0 << 0.0 << -0.1 << ".316227768372918"
                                                       << "-.316227768372918"
                                                       << "";
        QTest::newRow("zero root off by the discriminant's rounding") << 1.0 << 0.1 << 0.0 << "-5.5879355309596E-10"
                                                                      << "-.0999999994412065"
                                                                      << "";
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
