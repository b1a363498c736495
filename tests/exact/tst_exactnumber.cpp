// Exact numbers: their notation, the reading of field texts, and the faults.
#include <QTest>
#include <vector>

#include "exact/answercheck.h"
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

    // A pupil's answer read exactly: its values' exact forms ("|" between two), what keeps
    // it from its simplest form, the places of a decimal, or where it stops reading.
    void typedAnswers_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("read");
        const std::pair<const char*, const char*> rows[] = {
            {"7/3", "7/3"},
            {"−3/4", "-3/4"},
            {"2又1/3", "7/3"},
            {"2 1/3", "7/3"},
            {"5√2", "5√2"},
            {"√(2π)", "√(2π)"},
            {"2∛2", "2∛2"},
            {"25π", "25π"},
            {"π/6", "π/6"},
            {"(1+√5)/2", "(1+√5)/2"},
            {"2-√3", "2-√3"},
            {"1.5π", "3π/2"},
            {"根号2", "√2"},
            {"pi/4", "π/4"},
            {"１２．５", "25/2 places 1"},
            {"7.07", "707/100 places 2"},
            {"30°", "30 degrees"},
            {"2arctan(4/3)", "2arctan(4/3)"},
            {"180arcsin(3/5)/π", "180arcsin(3/5)/π"},
            {"arccos 0", "π/2"},
            {"arcsin(2)", "这个式子没有意义"},
            {"3²+4²", "25"},
            {"√50", "5√2 radicand"},
            {"√(3²+4²)", "5 radicand"},
            {"6/8", "3/4 fraction"},
            {"1/√2", "√2/2 root in denominator"},
            {"√(1/2)", "√2/2 root in denominator"},
            {"2或3", "2|3"},
            {"arcsin(1/2)", "π/6"},
            {"180arccos(4/5)/π", "180arccos(4/5)/π"},
            {"arctan1", "π/4"},
            {"x₁ = 2，x₂ = 3", "2|3"},
            {"S = 25π", "25π"},
            {"5x", "第 2 个字符“x”看不懂"},
            {"3+", "答案没有写完"},
            {"(1+2", "括号没有配对"},
            {"", "还没有写答案"},
            {"1/0", "不能除以 0"},
            {"√(-4)", "根号里的数不能是负数"},
            {"2,,3", "第 3 个字符“,”看不懂"},
        };
        for (const auto& [typed, read] : rows) QTest::newRow(typed) << QString(typed) << QString(read);
    }
    void typedAnswers() {
        QFETCH(QString, typed);
        QFETCH(QString, read);
        const TypedAnswer answer = ReadTypedAnswer(typed.toStdString());
        QStringList values;
        for (const TypedValue& v : answer.values) {
            static const char* const why[] = {"", " fraction", " root in denominator", " radicand"};
            values << QString::fromStdString(v.value.ExactText()) + why[int(v.unsimplified)] +
                          (v.places >= 0 ? QString(" places %1").arg(v.places) : QString()) +
                          (v.degrees ? " degrees" : "");
        }
        QCOMPARE(answer.fault.empty() ? values.join('|') : QString::fromStdString(answer.fault), read);
    }

    // The verdicts, one row per kind in each family of windows: the quantity, its exact
    // answer and its known slips as values, what the pupil typed, and the verdict line.
    void verdicts_data() {
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("answer");  // a value, or two joined by "|"
        QTest::addColumn<QString>("slips");   // "what=value;…"
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("verdict");
        const char* const circleSlips = "把 πr² 算成了 2πr=10 pi *;把直径当成了半径=100 pi *";
        const char* const rootSlips = "−b ± √Δ 的符号弄错了=-3;忘了除以 2a=6";
        const char* const rows[][6] = {
            // a square of side 5
            {"simplest", "对角线 d", "5 2 sqrt *", "", "5√2", "✓ 对角线 d = 5√2"},
            {"not simplest", "对角线 d", "5 2 sqrt *", "", "√50", "✓ 对角线 d：√50 正确，化简为 5√2"},
            {"a rounded decimal", "对角线 d", "5 2 sqrt *", "", "7.07",
             "✗ 对角线 d：7.07 是 5√2 ≈ 7.0710678… 四舍五入到百分位的近似值，题目要精确值时写 5√2"},
            {"more digits are still not exact", "对角线 d", "5 2 sqrt *", "", "7.0710678",
             "✗ 对角线 d：7.0710678 是 5√2 ≈ 7.0710678… 四舍五入到小数点后第 7 位的近似值，题目要精确值时写 5√2"},
            {"wrongly rounded", "对角线 d", "5 2 sqrt *", "", "7.08",
             "✗ 对角线 d：7.08 接近了，但不是四舍五入到百分位的值。"},
            {"perimeter for area", "面积 S", "25", "把周长和面积弄反了=20", "20",
             "✗ 面积 S：20 不对，把周长和面积弄反了。"},
            {"wrong otherwise", "对角线 d", "5 2 sqrt *", "把面积当成了对角线=25", "8",
             "✗ 对角线 d：8 不对。可以点“提示”看下一步。"},
            {"unreadable", "对角线 d", "5 2 sqrt *", "", "5x", "✗ 对角线 d：第 2 个字符“x”看不懂。"},
            // fractions and roots in a denominator
            {"a fraction to reduce", "x", "3 4 /", "", "6/8", "✓ x：6/8 正确，约分为 3/4"},
            {"a denominator to rationalise", "sin 45°", "2 sqrt 2 /", "", "1/√2",
             "✓ sin 45°：1/√2 正确，分母有理化为 √2/2"},
            // a circle of radius 5
            {"2πr for πr²", "面积 S", "25 pi *", circleSlips, "10π", "✗ 面积 S：10π 不对，把 πr² 算成了 2πr。"},
            {"the diameter for the radius", "面积 S", "25 pi *", circleSlips, "100π",
             "✗ 面积 S：100π 不对，把直径当成了半径。"},
            {"a slip's rounded decimal", "面积 S", "25 pi *", circleSlips, "31.42",
             "✗ 面积 S：31.42 不对，把 πr² 算成了 2πr。"},
            {"a rounded decimal with π", "面积 S", "25 pi *", "", "78.54",
             "✗ 面积 S：78.54 是 25π ≈ 78.539816… 四舍五入到百分位的近似值，题目要精确值时写 25π"},
            // x² − 5x + 6 = 0
            {"both roots", "方程的根", "2|3", rootSlips, "2, 3", "✓ 方程的根 = 2，3"},
            {"both roots, named, in any order", "方程的根", "2|3", rootSlips, "x₁ = 3，x₂ = 2", "✓ 方程的根 = 3，2"},
            {"one root of two", "方程的根", "2|3", rootSlips, "2", "✗ 方程的根：2 是一个根，这个方程还有另一个根。"},
            {"a sign in −b ± √Δ", "方程的根", "2|3", rootSlips, "2或-3",
             "✗ 方程的根：2 对，-3 不对，−b ± √Δ 的符号弄错了。"},
            {"the golden ratio", "方程的根", "1 5 sqrt + 2 /|1 5 sqrt - 2 /", "", "(1+√5)/2, (1-√5)/2",
             "✓ 方程的根 = (1+√5)/2，(1-√5)/2"},
            // angles
            {"degrees for radians", "角 A", "pi 6 /", "", "30°", "✓ 角 A = π/6"},
            {"an angle of no special size", "角 A", "1 3 / asin", "", "arcsin(1/3)", "✓ 角 A = arcsin(1/3)"},
            {"another angle of no special size", "角 A", "1 3 / asin", "", "arcsin(1/4)",
             "✗ 角 A：arcsin(1/4) 不对。可以点“提示”看下一步。"},
            {"an angle of no special size", "角 θ", "4 3 / atan 2 *", "", "2arctan(4/3)", "✓ 角 θ = 2arctan(4/3)"},
            {"its half", "角 θ", "4 3 / atan 2 *", "", "arctan(4/3)",
             "✗ 角 θ：arctan(4/3) 不对。可以点“提示”看下一步。"},
        };
        for (const auto& row : rows)
            QTest::newRow(row[0]) << QString(row[1]) << QString(row[2]) << QString(row[3]) << QString(row[4])
                                  << QString(row[5]);
    }
    void verdicts() {
        QFETCH(QString, quantity);
        QFETCH(QString, answer);
        QFETCH(QString, slips);
        QFETCH(QString, typed);
        QFETCH(QString, verdict);
        Asked asked{quantity.toStdString(), {}};
        for (const QString& value : answer.split('|')) asked.values.push_back(Evaluate(value));
        std::vector<Slip> known;
        for (const QString& slip : slips.split(';', Qt::SkipEmptyParts))
            known.push_back({slip.section('=', 0, 0).toStdString(), Evaluate(slip.section('=', 1))});
        QCOMPARE(QString::fromStdString(Judge(asked, typed.toStdString(), known).text), verdict);
    }

    // An angle asked in degrees takes the degree sign as its unit.
    void angleInDegrees() {
        const Asked asked{"角 A", {Int(30)}, true};
        QCOMPARE(QString::fromStdString(Judge(asked, "30°").text), "✓ 角 A = 30°");
        QCOMPARE(QString::fromStdString(Judge(asked, "30").text), "✓ 角 A = 30°");
    }
};

QTEST_GUILESS_MAIN(ExactNumberTest)
#include "tst_exactnumber.moc"
