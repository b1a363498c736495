// Reading and writing the numbers of the fields.
#include <QTest>
#include <cmath>
#include <limits>

#include "numeric/numbertext.h"

using namespace velunda;

class NumberTextTest : public QObject {
    Q_OBJECT

private slots:
    void parseNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("empty is 0") << "" << 0.0;
        QTest::newRow("blanks around") << " 12 " << 12.0;
        QTest::newRow("blank inside") << "1 2" << 12.0;
        QTest::newRow("tab and line feed removed") << "\t1\n2" << 12.0;
        QTest::newRow("unit after the number") << "3.5cm" << 3.5;
        QTest::newRow("letters are 0") << "abc" << 0.0;
        QTest::newRow("fraction without zero") << "-.5" << -0.5;
        QTest::newRow("exponent e") << "1e3" << 1000.0;
        QTest::newRow("exponent D") << "1D3" << 1000.0;
        QTest::newRow("exponent d negative") << "25d-1" << 2.5;
        QTest::newRow("comma stops") << "1,5" << 1.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("exponent letter alone ignored") << "2e" << 2.0;
        QTest::newRow("exponent sign alone ignored") << "2e+" << 2.0;
        QTest::newRow("plus sign") << "+7" << 7.0;
        QTest::newRow("blank after sign") << "- 5" << -5.0;
        QTest::newRow("sign only") << "-" << 0.0;
        QTest::newRow("point only") << "." << 0.0;
        QTest::newRow("trailing point") << "5." << 5.0;
        QTest::newRow("carriage return stops") << "5\r6" << 5.0;
        QTest::newRow("Chinese after number") << "5厘米" << 5.0;
        QTest::newRow("full-width digits and point") << "１２．５" << 12.5;
        QTest::newRow("full-width minus") << "－３" << -3.0;
        QTest::newRow("full-width plus and exponent") << "＋２Ｅ３" << 2000.0;
        QTest::newRow("full-width d exponent") << "２ｄ２" << 200.0;
        QTest::newRow("ideographic space removed") << "1\u30002" << 12.0;
        QTest::newRow("Chinese full stop as point") << "3。5" << 3.5;
        QTest::newRow("full-width digits, Chinese full stop") << "１２。５" << 12.5;
        QTest::newRow("Chinese full stop after a point stops") << "1.2。3" << 1.2;
        QTest::newRow("Chinese full stop then exponent") << "2。5e1" << 25.0;
        QTest::newRow("many leading zeros") << "000000000000000000000000001.5" << 1.5;
        QTest::newRow("largest double") << "1.7976931348623157e308" << 1.7976931348623157e308;
        QTest::newRow("smallest denormal") << "4.9406564584124654e-324" << 4.9406564584124654e-324;
        QTest::newRow("underflow is 0") << "1e-400" << 0.0;
        QTest::newRow("zero with huge exponent") << "0e99999999999999999999" << 0.0;
        QTest::newRow("halfway rounds to even") << "9007199254740993" << 9007199254740992.0;
        QTest::newRow("just above halfway") << "9007199254740993.0000000000000000000001" << 9007199254740994.0;
    }
    void parseNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(ParseNumber(text.toStdString()), value);
    }

    // Short texts take a quicker road than long ones; both give the nearest double, which
    // the compiler's own reading of the same literal gives.
    void parseNumberRoundsToNearest_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("15 digits, fraction") << "7.07106781186548" << 7.07106781186548;
        QTest::newRow("15 digits times 1e22") << "123456789012345e22" << 123456789012345e22;
        QTest::newRow("15 digits over 1e22") << "123456789012345e-22" << 123456789012345e-22;
        QTest::newRow("power 1e23 beyond the exact ones") << "1e23" << 1e23;
        QTest::newRow("power 1e-23 beyond the exact ones") << "1e-23" << 1e-23;
        QTest::newRow("16 digits") << "1234567890123456.7" << 1234567890123456.7;
        QTest::newRow("one tenth") << "0.1" << 0.1;
        QTest::newRow("fraction digits count into the power") << "0.000000000000000000000001" << 1e-24;
        QTest::newRow("trailing zeros of a fraction") << "2.50000000000000000000" << 2.5;
        QTest::newRow("whole number with exponent") << "25d-1" << 2.5;
        QTest::newRow("long text beyond the stack buffer")
            << "                                                                  42.5" << 42.5;
        QTest::newRow("full-width in a long text")
            << QString::fromUtf8("４２．５                                                                  ") << 42.5;
    }
    void parseNumberRoundsToNearest() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(ParseNumber(text.toStdString()), value);
    }

    void parseNumberOverflowsToInfinity() {
        QCOMPARE(ParseNumber("1e400"), std::numeric_limits<double>::infinity());
        QCOMPARE(ParseNumber("-1e400"), -std::numeric_limits<double>::infinity());
        QCOMPARE(ParseNumber("1e99999999999999999999999"), std::numeric_limits<double>::infinity());
    }

    void parseNumberKeepsSignOfZero() { QVERIFY(std::signbit(ParseNumber("-0"))); }

    // A digit far beyond the first 800 still decides a rounding that is exactly halfway.
    void parseNumberRoundsOnDistantDigit() {
        const std::string half = "9007199254740993." + std::string(2000, '0');
        QCOMPARE(ParseNumber(half), 9007199254740992.0);
        QCOMPARE(ParseNumber(half + "1"), 9007199254740994.0);
    }

    // A megabyte of digits reads as a number; only the first 800 significant digits
    // are converted, so this stays as quick as one pass over the text.
    void megabyteOfDigits() {
        const std::string large(1'000'000, '7');
        QCOMPARE(ParseNumber(large), std::numeric_limits<double>::infinity());
        QCOMPARE(ParseNumber("." + large), 7.0 / 9.0);
        QCOMPARE(ParseNumber(large.substr(0, 300)), 7.0 / 9.0 * 1e300);
        QVERIFY_THROWS_EXCEPTION(ComputationFault, StrictNumber(large));
        QCOMPARE(StrictNumber("0." + large), 7.0 / 9.0);
    }

    void strictNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("digits") << "12" << 12.0;
        QTest::newRow("blanks around") << " 12 " << 12.0;
        QTest::newRow("group separator") << "1,000" << 1000.0;
        QTest::newRow("group separators and fraction") << "-1,234,567.5" << -1234567.5;
        QTest::newRow("fraction without whole part") << ".5" << 0.5;
        QTest::newRow("point at the end") << "5." << 5.0;
        QTest::newRow("exponent") << "2.5E-3" << 0.0025;
        QTest::newRow("plus sign and exponent sign") << "+1e+2" << 100.0;
        QTest::newRow("full-width") << "１２．５" << 12.5;
        QTest::newRow("full-width exponent") << "１ｅ２" << 100.0;
        QTest::newRow("ideographic blanks around") << "\u30003\u3000" << 3.0;
        QTest::newRow("Chinese full stop as point") << "3。5" << 3.5;
        QTest::newRow("full-width digits, Chinese full stop") << "１２。５" << 12.5;
        QTest::newRow("Chinese full stop after group separators") << "1,000。25" << 1000.25;
        QTest::newRow("zero") << "0" << 0.0;
    }
    void strictNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(StrictNumber(text.toStdString()), value);
    }

    void strictNumberFails_data() {
        QTest::addColumn<QString>("text");
        for (const char* t :
             {"",     "   ", "12a", "a12",   "1 2",    "1.2.3", "1e",  "1e+",    "-",   ".",  "1,,0",   ",1",     "1,",
              "1,.5", "1D3", "--1", "1e400", "-1e400", "nan",   "inf", "１２ａ", "5\r", "。", "1.2。3", "1。2。3"})
            QTest::newRow(t[0] ? t : "(empty)") << QString::fromUtf8(t);
    }
    void strictNumberFails() {
        QFETCH(QString, text);
        QVERIFY_THROWS_EXCEPTION(ComputationFault, StrictNumber(text.toStdString()));
    }

    void numberText_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("20") << 20.0 << "20";
        QTest::newRow("25") << 25.0 << "25";
        QTest::newRow("5 root 2") << 5 * std::sqrt(2.0) << "7.07106781186548";
        QTest::newRow("half") << 0.5 << ".5";
        QTest::newRow("minus half") << -0.5 << "-.5";
        QTest::newRow("third") << 1.0 / 3 << ".333333333333333";
        QTest::newRow("two thirds") << 2.0 / 3 << ".666666666666667";
        QTest::newRow("15 digits") << 123456789012345.0 << "123456789012345";
        QTest::newRow("1E15") << 1e15 << "1E+15";
        QTest::newRow("just below 1E15") << 999999999999999.0 << "999999999999999";
        QTest::newRow("rounds up to 1E15") << 999999999999999.5 << "1E+15";
        QTest::newRow("1E-4 plain") << 0.0001 << ".0001";
        QTest::newRow("1E-5 scientific") << 0.00001 << "1E-05";
        QTest::newRow("rounds up into plain form") << 0.00009999999999999999 << ".0001";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("17 digits") << 123456789012345678.0 << "1.23456789012346E+17";
        QTest::newRow("small scientific") << 2.5e-7 << "2.5E-07";
        QTest::newRow("three-digit exponent") << 1e-300 << "1E-300";
        QTest::newRow("largest double") << 1.7976931348623157e308 << "1.79769313486232E+308";
        QTest::newRow("denormal") << 4.9406564584124654e-324 << "4.94065645841247E-324";
        QTest::newRow("rounding at 15th digit") << 0.1 + 0.2 << ".3";
        QTest::newRow("negative large") << -1234.5678 << "-1234.5678";
        QTest::newRow("trailing zeros of whole part") << 1200.0 << "1200";
        QTest::newRow("one") << 1.0 << "1";
        QTest::newRow("just below one") << 0.9999999999999999 << "1";
    }
    void numberText() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(NumberText(value)), text);
    }

    void signedNumberText_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("positive") << 20.0 << " 20";
        QTest::newRow("zero") << 0.0 << " 0";
        QTest::newRow("negative zero") << -0.0 << " 0";
        QTest::newRow("negative") << -3.0 << "-3";
        QTest::newRow("half") << 0.5 << " .5";
        QTest::newRow("scientific") << 1e20 << " 1E+20";
        QTest::newRow("negative scientific") << -2.5e-300 << "-2.5E-300";
        QTest::newRow("largest, 21 characters with the blank") << 1.7976931348623157e308 << " 1.79769313486232E+308";
    }
    void signedNumberText() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(SignedNumberText(value)), text);
    }

    void alternativesText() {
        QCOMPARE(QString::fromStdString(AlternativesText(30, 150)), QString(" 30或 150"));
        QCOMPARE(QString::fromStdString(AlternativesText(-0.5, 2)), QString("-.5或 2"));
        QVERIFY_THROWS_EXCEPTION(ComputationFault, AlternativesText(1, std::nan("")));
    }

    void singleNumberText_data() {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("third") << 1.0f / 3 << ".3333333";
        QTest::newRow("tangent of 45 degrees") << 0.99999999f << "1";
        QTest::newRow("7 digits") << 1234567.0f << "1234567";
        QTest::newRow("1E7 scientific") << 1e7f << "1E+07";
        QTest::newRow("below 1E-4") << 0.00001f << "1E-05";
        QTest::newRow("negative") << -1.5f << "-1.5";
        QTest::newRow("float rounding shows") << 0.1f << ".1";
        QTest::newRow("large") << 16777217.0f << "1.677722E+07";
    }
    void singleNumberText() {
        QFETCH(float, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(SingleNumberText(value)), text);
    }

    void textOfNonFiniteFails() {
        const double inf = std::numeric_limits<double>::infinity();
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QVERIFY_THROWS_EXCEPTION(ComputationFault, NumberText(inf));
        QVERIFY_THROWS_EXCEPTION(ComputationFault, NumberText(-inf));
        QVERIFY_THROWS_EXCEPTION(ComputationFault, NumberText(nan));
        QVERIFY_THROWS_EXCEPTION(ComputationFault, SignedNumberText(nan));
        QVERIFY_THROWS_EXCEPTION(ComputationFault, SingleNumberText(std::numeric_limits<float>::infinity()));
    }

    // What is written reads back as the value rounded to 15 digits.
    void writtenTextReadsBack_data() {
        QTest::addColumn<double>("value");
        QTest::newRow("third") << 1.0 / 3;
        QTest::newRow("negative tiny") << -2.5e-300;
        QTest::newRow("large") << 6.02214076e23;
        QTest::newRow("15 digits") << 0.123456789012345;
    }
    void writtenTextReadsBack() {
        QFETCH(double, value);
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.14e", value);
        QCOMPARE(ParseNumber(NumberText(value)), std::strtod(expected, nullptr));
    }
};

QTEST_APPLESS_MAIN(NumberTextTest)
#include "tst_numbertext.moc"
