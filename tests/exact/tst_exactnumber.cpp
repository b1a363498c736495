// Exact numbers: their notation, the reading of field texts, and the faults.
#include <QTest>
#include <vector>

#include "exact/exactnumber.h"
#include "exact/solutionbuilder.h"

using namespace velunda::exact;

namespace {

// A value written as a little postfix program: numbers are read like field texts, "pi" is
// π, "sqrt" and "cbrt" take roots, "sin", "cos", "asin" and "atan" their functions,
// "sinpi:p/q" (cospi, tanpi) is sin(pπ/q), and + − × ÷
// ("+", "-", "*", "/") and "^n" work on the two (one) values on top.
Number Evaluate(const QString& program) {
    std::vector<Number> stack;
    auto pop = [&stack] {
        Number x = stack.back();
        stack.pop_back();
        return x;
    };
    for (const QString& token : program.split(' ', Qt::SkipEmptyParts)) {
        if (token == "pi") {
            stack.push_back(Number::Pi());
        } else if (token == "sqrt") {
            stack.push_back(pop().Sqrt());
        } else if (token == "cbrt") {
            stack.push_back(pop().Cbrt());
        } else if (token == "atan") {
            stack.push_back(pop().Atan());
        } else if (token == "asin") {
            stack.push_back(pop().Asin());
        } else if (token == "sin") {
            stack.push_back(pop().Sin());
        } else if (token == "cos") {
            stack.push_back(pop().Cos());
        } else if (token.startsWith('^')) {
            stack.push_back(pop().Pow(token.mid(1).toInt()));
        } else if (token.contains(':')) {
            const QStringList angle = token.section(':', 1).split('/');
            const long long p = angle[0].toLongLong(), q = angle[1].toLongLong();
            const QString f = token.section(':', 0, 0);
            stack.push_back(f == "sinpi"   ? Number::SinPi(p, q)
                            : f == "cospi" ? Number::CosPi(p, q)
                                           : Number::TanPi(p, q));
        } else if (token.size() == 1 && QString("+-*/").contains(token)) {
            const Number y = pop(), x = pop();
            const char op = token[0].toLatin1();
            stack.push_back(op == '+' ? x + y : op == '-' ? x - y : op == '*' ? x * y : x / y);
        } else {
            stack.push_back(ReadLenient(token.toStdString()));
        }
    }
    return stack.back();
}

}  // namespace

class ExactNumberTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(EngineAvailable(), "the module velunda-exact.so is not beside the test"); }

    void notation_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("text");
        QTest::newRow("integer") << "20 5 +"
                                 << "25";
        QTest::newRow("negative integer") << "2 5 -"
                                          << "-3";
        QTest::newRow("fraction that ends") << "12 5 /"
                                            << "12/5 = 2.4";
        QTest::newRow("fraction that does not end") << "7 3 /"
                                                    << "7/3 ≈ 2.33333333333333";
        QTest::newRow("a quotient that ends is a fraction first") << "10 100 /"
                                                                  << "1/10 = 0.1";
        QTest::newRow("square root simplified") << "50 sqrt"
                                                << "5√2 ≈ 7.07106781186548";
        QTest::newRow("root times root is whole") << "2 sqrt 8 sqrt *"
                                                  << "4";
        QTest::newRow("root over a number") << "27 sqrt 4 /"
                                            << "3√3/4 ≈ 1.29903810567666";
        QTest::newRow("no root in a denominator") << "1 2 sqrt /"
                                                  << "√2/2 ≈ 0.707106781186548";
        QTest::newRow("cube root simplified") << "16 cbrt"
                                              << "2∛2 ≈ 2.51984209978975";
        QTest::newRow("cube root of a fraction") << "1 2 / cbrt"
                                                 << "∛4/2 ≈ 0.7937005259841";
        QTest::newRow("real cube root of a negative") << "-8 cbrt"
                                                      << "-2";
        QTest::newRow("pi after the number") << "25 pi *"
                                             << "25π ≈ 78.5398163397448";
        QTest::newRow("pi over a number") << "pi 4 /"
                                          << "π/4 ≈ 0.785398163397448";
        QTest::newRow("root and pi") << "50 sqrt pi *"
                                     << "5√2π ≈ 22.2144146907918";
        QTest::newRow("root, pi and denominator") << "25 3 sqrt * pi * 4 /"
                                                  << "25√3π/4 ≈ 34.0087380793916";
        QTest::newRow("pi in the denominator") << "10 pi /"
                                               << "10/π ≈ 3.18309886183791";
        QTest::newRow("a number less a multiple of pi") << "12.56 2 pi * -"
                                                        << "12.56-2π ≈ 6.27681469282041";
        QTest::newRow("that sum over a multiple of pi") << "12.56 2 pi * - 2 pi * /"
                                                        << "157/(25π)-1 ≈ 0.998986085234205";
        QTest::newRow("no root of pi in a denominator") << "50 pi / sqrt"
                                                        << "5√(2π)/π ≈ 3.98942280401433";
        QTest::newRow("rational and root") << "2 3 sqrt -"
                                           << "2-√3 ≈ 0.267949192431123";
        QTest::newRow("golden section") << "-1 5 sqrt + 2 /"
                                        << "(-1+√5)/2 ≈ 0.618033988749895";
        QTest::newRow("sin 15 degrees") << "sinpi:1/12"
                                        << "(√6-√2)/4 ≈ 0.258819045102521";
        QTest::newRow("cos 15 degrees") << "cospi:1/12"
                                        << "(√6+√2)/4 ≈ 0.965925826289068";
        QTest::newRow("cos 105 degrees, negative") << "cospi:7/12"
                                                   << "(√2-√6)/4 ≈ -0.258819045102521";
        QTest::newRow("root of a root taken apart") << "2 3 sqrt + sqrt 3 *"
                                                    << "(3√6+3√2)/2 ≈ 5.79555495773441";
        QTest::newRow("sin 36 degrees has no root of roots to take apart") << "sinpi:1/5"
                                                                           << "0.587785252292473";
        QTest::newRow("sin 60 degrees") << "sinpi:1/3"
                                        << "√3/2 ≈ 0.866025403784439";
        QTest::newRow("sin 30 degrees is a half") << "sinpi:1/6"
                                                  << "1/2 = 0.5";
        QTest::newRow("tan 60 degrees") << "tanpi:1/3"
                                        << "√3 ≈ 1.73205080756888";
        QTest::newRow("arctan of 1 is a quarter of pi") << "1 atan"
                                                        << "π/4 ≈ 0.785398163397448";
        QTest::newRow("arctan without closed form") << "4 3 / atan"
                                                    << "arctan(4/3) ≈ 0.927295218001612";
        QTest::newRow("integer power") << "2 3 / ^-2"
                                       << "9/4 = 2.25";
        QTest::newRow("large radicand gives the decimal alone") << "1234567891 sqrt"
                                                                << "35136.4183006749";
        QTest::newRow("a sum that ends is written whole, not rounded") << "0.0000000000000005 1 +"
                                                                       << "1.0000000000000005";
        QTest::newRow("small value with a leading zero") << "0.00025"
                                                         << "1/4000 = 0.00025";
        QTest::newRow("very small value in scientific form") << "1.5e-7"
                                                             << "3/20000000 = 1.5E-07";
        QTest::newRow("large value") << "1e300"
                                     << "1E+300";
        // Digits that cancel, each the exact value correctly rounded (computed apart in
        // decimal arithmetic to 120 digits).
        QTest::newRow("sine of a decimal close to pi") << "3.14159265358979 sin"
                                                       << "3.23846264338328E-15";
        QTest::newRow("cosine just past a right angle") << "90.0000001 pi * 180 / cos"
                                                        << "-1.74532925199433E-09";
        QTest::newRow("third side of a thin triangle") << "2 2 cospi:1/18000 * - sqrt"
                                                       << "0.000174532924977909";
        QTest::newRow("root of a discriminant that cancels") << "-1 1 4e-200 - sqrt + 2e-200 /"
                                                             << "-1";
        QTest::newRow("arcsin of the sine of 100 degrees is 80 degrees") << "2 sinpi:5/9 * 2 / asin"
                                                                         << "4π/9 ≈ 1.39626340159546";
        QTest::newRow("a typed decimal is no special sine") << "0.707106781186548 asin"
                                                            << "0.785398163397449";
        QTest::newRow("a zero that the balls cannot prove is 0") << "sinpi:1/7 sinpi:6/7 -"
                                                                 << "0";
    }
    void notation() {
        QFETCH(QString, program);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(Evaluate(program).Text()), text);
    }

    void reading_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("exact");
        QTest::newRow("decimal") << "2.5"
                                 << "5/2";
        QTest::newRow("tenth") << "0.1"
                               << "1/10";
        QTest::newRow("exponent") << "1e-3"
                                  << "1/1000";
        QTest::newRow("exponent D") << "25D-1"
                                    << "5/2";
        QTest::newRow("point without zero") << "-.5"
                                            << "-1/2";
        QTest::newRow("full-width digits") << "１２．５"
                                           << "25/2";
        QTest::newRow("ideographic full stop") << "3。5"
                                               << "7/2";
        QTest::newRow("unit after the number") << "5cm"
                                               << "5";
        QTest::newRow("blanks inside") << " 1 2 "
                                       << "12";
        QTest::newRow("empty is 0") << ""
                                    << "0";
        QTest::newRow("letters are 0") << "abc"
                                       << "0";
        QTest::newRow("many digits kept exactly") << "0.123456789012345678"
                                                  << "61728394506172839/500000000000000000";
    }
    void reading() {
        QFETCH(QString, field);
        QFETCH(QString, exact);
        const Number n = ReadLenient(field.toStdString());
        QVERIFY(n.ok());
        // The closed form gives up past 12 digits; the decimal then shows the value read.
        const std::string text = n.ExactText();
        if (text.empty())
            QCOMPARE(QString::fromStdString(n.DecimalText()), "0.123456789012346");
        else
            QCOMPARE(QString::fromStdString(text), exact);
    }

    void strictReading_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");  // "refused" where StrictNumber refuses the text
        QTest::newRow("group separators") << "1,000.5"
                                          << "2001/2 = 1000.5";
        QTest::newRow("blanks around") << " 8 "
                                       << "8";
        QTest::newRow("unit refused") << "5cm"
                                      << "refused";
        QTest::newRow("empty refused") << ""
                                       << "refused";
        QTest::newRow("a number beyond the double range is a number too large") << "1e400"
                                                                                << "超出计算范围";
        QTest::newRow("beyond the range with a unit refused") << "1e400cm"
                                                              << "refused";
    }
    void strictReading() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        const std::optional<Number> n = ReadStrict(field.toStdString());
        QCOMPARE(n ? QString::fromStdString(n->Text()) : QString("refused"), text);
    }

    void faults_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("reason");
        QTest::newRow("root of a negative") << "-4 sqrt"
                                            << "负数不能开平方";
        QTest::newRow("zero divisor") << "1 0 /"
                                      << "除数为 0";
        QTest::newRow("zero divisor from a difference") << "1 0.1 3 * 0.3 - /"
                                                        << "除数为 0";
        QTest::newRow("tan 90 degrees") << "tanpi:1/2"
                                        << "无意义";
        QTest::newRow("beyond the double range") << "1e400"
                                                 << "超出计算范围";
        QTest::newRow("arcsin beyond 1 decided from a ball") << "sinpi:1/7 6 * asin"
                                                             << "无意义";
        QTest::newRow("a fault stays through later steps") << "-1 sqrt 2 + 3 *"
                                                           << "负数不能开平方";
    }
    void faults() {
        QFETCH(QString, program);
        QFETCH(QString, reason);
        const Number n = Evaluate(program);
        QVERIFY(!n.ok());
        QCOMPARE(QString::fromStdString(n.Text()), reason);
    }

    void typeset_data() {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("html");
        QTest::newRow("radicand under a bar") << "5√2"
                                              << "5√<span style=\"text-decoration: overline\">2</span>";
        QTest::newRow("group under a bar, its parentheses in the text but not seen, its blanks unbreakable")
            << "√(a² + b²) = c"
            << "√<span style=\"font-size: 1px; color: transparent\">(</span>"
               "<span style=\"text-decoration: overline\">a²&nbsp;+&nbsp;b²</span>"
               "<span style=\"font-size: 1px; color: transparent\">)</span> = c";
        QTest::newRow("fraction under a bar") << "√((p+e)/2)"
                                              << "√<span style=\"font-size: 1px; color: transparent\">(</span>"
                                                 "<span style=\"text-decoration: overline\">(p+e)/2</span>"
                                                 "<span style=\"font-size: 1px; color: transparent\">)</span>";
        QTest::newRow("Greek letter under a bar") << "√Δ"
                                                  << "√<span style=\"text-decoration: overline\">Δ</span>";
        QTest::newRow("cube root") << "2∛2"
                                   << "2∛<span style=\"text-decoration: overline\">2</span>";
        QTest::newRow("angle brackets escaped") << "a < b"
                                                << "a &lt; b";
    }
    void typeset() {
        QFETCH(QString, plain);
        QFETCH(QString, html);
        const QString typeset =
            QString::fromStdString(WriteHtml(std::vector<Step>{MakeStep(StepKind::Note, plain.toStdString())}));
        QVERIFY2(typeset.contains("<p>" + html + "</p>"), qPrintable(typeset));
    }
};

QTEST_GUILESS_MAIN(ExactNumberTest)
#include "tst_exactnumber.moc"
