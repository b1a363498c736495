// The drill without its window: problems from fixed draws, the answer check and its
// counts, the clock and the summary texts.
#include <QTest>
#include <cctype>
#include <cmath>
#include <limits>
#include <optional>
#include <tuple>
#include <vector>

#include "drills/drill.h"
#include "drills/sheet.h"
#include "drills/strategy.h"

using namespace velunda;

Q_DECLARE_METATYPE(Operation)
Q_DECLARE_METATYPE(Occasion)

namespace {

// Hands out the given fractions in order, then 0.
class FixedDraws : public RandomSource {
public:
    explicit FixedDraws(std::vector<double> draws) : draws_(std::move(draws)) {}
    double Rnd() override { return next_ < draws_.size() ? draws_[next_++] : 0.0; }
    void Randomize() override { ++randomized; }
    std::size_t used() const { return next_; }
    int randomized = 0;

private:
    std::vector<double> draws_;
    std::size_t next_ = 0;
};

// Fractions whose draws below 10 (and 100) are exact: 0.25 draws 2 (25), 0.75 draws 7.
const double d0 = 0.0, d2 = 0.25, d3 = 0.3125, d4 = 0.4375, d5 = 0.5, d7 = 0.75, d8 = 0.875, d9 = 0.9375;
const double justBelowOne = 1.0 - 1.0 / 16777216;

}  // namespace

class DrillTest : public QObject {
    Q_OBJECT

private slots:
    void problems_data() {
        QTest::addColumn<Operation>("op");
        QTest::addColumn<Occasion>("occasion");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QString>("text");
        const auto sel = Occasion::Selection, after = Occasion::AfterAnswer;
        QTest::newRow("addition 7+2") << Operation::Addition << sel << QList<double>{d7, d2} << "7+2=";
        QTest::newRow("addition after an answer still below 10")
            << Operation::Addition << after << QList<double>{justBelowOne, justBelowOne} << "9+9=";
        QTest::newRow("subtraction keeps 7-2") << Operation::Subtraction << sel << QList<double>{d7, d2} << "7-2=";
        QTest::newRow("subtraction of 3 and 8 exchanges to 8-3")
            << Operation::Subtraction << sel << QList<double>{d3, d8} << "8-3=";
        QTest::newRow("multiplication 9×0") << Operation::Multiplication << sel << QList<double>{d9, d0} << "9×0=";
        QTest::newRow("division 0 and 0 give 4÷2") << Operation::Division << sel << QList<double>{d0, d0} << "4÷2=";
        QTest::newRow("division 5 and 7 give 10÷5") << Operation::Division << sel << QList<double>{d5, d7} << "10÷5=";
        QTest::newRow("division 0 and 5: 3 exchanged, raised to 6÷3")
            << Operation::Division << sel << QList<double>{d0, d5} << "6÷3=";
        QTest::newRow("division 8 and 1 is already whole")
            << Operation::Division << sel << QList<double>{d8, 0.125} << "8÷1=";
        QTest::newRow("division after an answer: 99 raised to 105÷7")
            << Operation::Division << after << QList<double>{0.9921875, d7} << "105÷7=";
        QTest::newRow("division after an answer: 56÷7")
            << Operation::Division << after << QList<double>{0.5625, d7} << "56÷7=";
        QTest::newRow("division after an answer: 12 and 0 give 12÷2")
            << Operation::Division << after << QList<double>{0.125, d0} << "12÷2=";
        QTest::newRow("a fraction of 1 from a faulty source draws 0")
            << Operation::Addition << sel << QList<double>{1.0, d5} << "0+5=";
        QTest::newRow("a NaN from a faulty source draws 0")
            << Operation::Addition << sel << QList<double>{std::nan(""), -0.5} << "0+0=";
    }
    void problems() {
        QFETCH(Operation, op);
        QFETCH(Occasion, occasion);
        QFETCH(QList<double>, draws);
        QFETCH(QString, text);
        FixedDraws source({draws.begin(), draws.end()});
        const Problem p = DrawProblem(op, occasion, source);
        QCOMPARE(QString::fromStdString(p.text()), text);
        QCOMPARE(source.used(), std::size_t(2));  // first operand, then second
    }

    // Whatever the draws, a difference is never negative and a quotient is whole and at
    // least 1 with a divisor of at least 1.
    void randomProblemsStayInBounds_data() {
        QTest::addColumn<Operation>("op");
        QTest::addColumn<Occasion>("occasion");
        QTest::addColumn<int>("largestFirst");
        QTest::newRow("addition") << Operation::Addition << Occasion::AfterAnswer << 9;
        QTest::newRow("subtraction") << Operation::Subtraction << Occasion::AfterAnswer << 9;
        QTest::newRow("multiplication") << Operation::Multiplication << Occasion::AfterAnswer << 9;
        QTest::newRow("division on selection") << Operation::Division << Occasion::Selection << 16;
        QTest::newRow("division after an answer") << Operation::Division << Occasion::AfterAnswer << 105;
    }
    void randomProblemsStayInBounds() {
        QFETCH(Operation, op);
        QFETCH(Occasion, occasion);
        QFETCH(int, largestFirst);
        TimeOfDayRandom source;
        int largestSeen = 0;
        for (int i = 0; i < 20000; ++i) {
            const Problem p = DrawProblem(op, occasion, source);
            QVERIFY(p.first >= 0 && p.first <= largestFirst);
            QVERIFY(p.second >= 0 && p.second <= 9);
            largestSeen = std::max<int>(largestSeen, p.first);
            if (op == Operation::Subtraction) QVERIFY2(p.first >= p.second, p.text().c_str());
            if (op == Operation::Division) {
                QVERIFY2(p.second >= 1, p.text().c_str());
                QVERIFY2(p.first % p.second == 0 && p.first / p.second >= 1, p.text().c_str());
            }
        }
        // The draws reach the top of their range.
        QVERIFY(largestSeen >= (op == Operation::Division ? largestFirst / 2 : 9));
    }

    void answers_data() {
        QTest::addColumn<Operation>("op");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("right");
        const auto add = Operation::Addition;
        const QList<double> three3{d3, d3}, zero0{d0, d0};
        QTest::newRow("empty answers 0 for 0+0") << add << zero0 << "" << true;
        QTest::newRow("empty answers 0 for 4-4") << Operation::Subtraction << QList<double>{d4, d4} << "" << true;
        QTest::newRow("empty answers 0 for 0×7") << Operation::Multiplication << QList<double>{d0, d7} << "" << true;
        QTest::newRow("empty is wrong for 3+3") << add << three3 << "" << false;
        QTest::newRow("6 for 3+3") << add << three3 << "6" << true;
        QTest::newRow("6.4 rounds to 6") << add << three3 << "6.4" << true;
        QTest::newRow("6.5 rounds half to even 6") << add << three3 << "6.5" << true;
        QTest::newRow("5.5 rounds half to even 6") << add << three3 << "5.5" << true;
        QTest::newRow("6.6 rounds to 7") << add << three3 << "6.6" << false;
        QTest::newRow("7 is wrong") << add << three3 << "7" << false;
        QTest::newRow("a unit after the number") << add << three3 << "6个" << true;
        QTest::newRow("full-width digit") << add << three3 << "６" << true;
        QTest::newRow("text without a number answers 0") << add << zero0 << "abc" << true;
        QTest::newRow("-0.4 rounds to 0") << add << zero0 << "-0.4" << true;
        QTest::newRow("8-3 takes 5") << Operation::Subtraction << QList<double>{d3, d8} << "5" << true;
        QTest::newRow("10÷5 takes 2") << Operation::Division << QList<double>{d5, d7} << "2" << true;
        QTest::newRow("10÷5 with 2.5 rounds to 2") << Operation::Division << QList<double>{d5, d7} << "2.5" << true;
        QTest::newRow("10÷5 not 5") << Operation::Division << QList<double>{d5, d7} << "5" << false;
        QTest::newRow("32767 fits and is wrong") << add << three3 << "32767" << false;
        QTest::newRow("32767.5 rounds beyond 16 bits: wrong") << add << three3 << "32767.5" << false;
        QTest::newRow("-32769 beyond 16 bits: wrong") << add << three3 << "-32769" << false;
        QTest::newRow("1e10 beyond 16 bits: wrong") << add << three3 << "1e10" << false;
        QTest::newRow("1e400 reads as infinity: wrong") << add << three3 << "1e400" << false;
    }
    void answers() {
        QFETCH(Operation, op);
        QFETCH(QList<double>, draws);
        QFETCH(QString, typed);
        QFETCH(bool, right);
        draws << d0 << d0;  // the next problem
        FixedDraws source({draws.begin(), draws.end()});
        Drill drill(source);
        drill.Pose(op, Occasion::Selection);
        QCOMPARE(drill.Answer(typed.toStdString(), op), right);
        QCOMPARE(int(drill.right()), right ? 1 : 0);
        QCOMPARE(int(drill.wrong()), right ? 0 : 1);
        QCOMPARE(source.used(), std::size_t(4));
    }

    // After an answer the next problem of the same operation shows; division then draws
    // its dividend below 100.
    void nextProblem_data() {
        QTest::addColumn<Operation>("op");
        QTest::addColumn<QString>("next");
        QTest::newRow("addition") << Operation::Addition << "9+7=";
        QTest::newRow("subtraction") << Operation::Subtraction << "9-7=";
        QTest::newRow("multiplication") << Operation::Multiplication << "9×7=";
        QTest::newRow("division draws 99, raised to 105") << Operation::Division << "105÷7=";
    }
    void nextProblem() {
        QFETCH(Operation, op);
        QFETCH(QString, next);
        FixedDraws source({d2, d2, 0.9921875, d7});
        Drill drill(source);
        drill.Pose(op, Occasion::Selection);
        drill.Answer("1", op);
        QCOMPARE(QString::fromStdString(drill.problem().text()), next);
    }

    void countsGrowAndReset() {
        FixedDraws source({});  // every problem is 0+0=, or 4÷2= for division
        Drill drill(source);
        drill.Pose(Operation::Addition, Occasion::Selection);
        drill.Answer("0", Operation::Addition);
        drill.Answer("1", Operation::Addition);
        drill.Answer("", Operation::Addition);
        drill.Pose(Operation::Division, Occasion::Selection);  // changing the operation keeps the counts
        drill.Answer("2", Operation::Division);
        QCOMPARE(drill.problem().text(), std::string("4÷2="));
        QCOMPARE(int(drill.right()), 3);
        QCOMPARE(int(drill.wrong()), 1);
        drill.ResetCounts();
        QCOMPARE(int(drill.right()), 0);
        QCOMPARE(int(drill.wrong()), 0);
    }

    void countsStopAt32767() {
        FixedDraws source({});
        Drill drill(source);
        drill.Pose(Operation::Addition, Occasion::Selection);
        for (int i = 0; i < 32770; ++i) {
            drill.Answer("0", Operation::Addition);
            drill.Answer("1", Operation::Addition);
        }
        QCOMPARE(int(drill.right()), 32767);
        QCOMPARE(int(drill.wrong()), 32767);
        QCOMPARE(CountText(drill.right()), std::string("32767"));
        QCOMPARE(TotalText(CountText(drill.wrong()), CountText(drill.right())), std::string("65534"));
    }

    void roundHalfEven_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("rounded");
        QTest::newRow("2.5 to 2") << 2.5 << 2.0;
        QTest::newRow("3.5 to 4") << 3.5 << 4.0;
        QTest::newRow("-3.5 to -4") << -3.5 << -4.0;
        QTest::newRow("0.5 to 0") << 0.5 << 0.0;
        QTest::newRow("-32768.5 to -32768") << -32768.5 << -32768.0;
        QTest::newRow("32767.5 to 32768") << 32767.5 << 32768.0;
        QTest::newRow("1e300 stays") << 1e300 << 1e300;
    }
    void roundHalfEven() {
        QFETCH(double, x);
        QFETCH(double, rounded);
        QCOMPARE(RoundHalfEven(x), rounded);
    }

    void texts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("count 0") << QString::fromStdString(CountText(0)) << "0";
        QTest::newRow("count 1, not 01") << QString::fromStdString(CountText(1)) << "1";
        QTest::newRow("total of the initial labels") << QString::fromStdString(TotalText("00", "00")) << "0";
        QTest::newRow("total: first answer right") << QString::fromStdString(TotalText("00", "1")) << "1";
        QTest::newRow("total: 1 wrong and 2 right") << QString::fromStdString(TotalText("1", "2")) << "3";
        QTest::newRow("clock after 1 tick") << QString::fromStdString(ClockText(1)) << "0:00:01";
        QTest::newRow("clock after 59 ticks") << QString::fromStdString(ClockText(59)) << "0:00:59";
        QTest::newRow("clock after 60 ticks") << QString::fromStdString(ClockText(60)) << "0:01:00";
        QTest::newRow("clock after an hour") << QString::fromStdString(ClockText(3600)) << "1:00:00";
        QTest::newRow("clock after ten hours") << QString::fromStdString(ClockText(36000 + 61)) << "10:01:01";
        QTest::newRow("clock past a day goes on") << QString::fromStdString(ClockText(86400)) << "24:00:00";
        QTest::newRow("problem text") << QString::fromStdString(Problem{Operation::Division, 56, 7}.text()) << "56÷7=";
    }
    void texts() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text, expected);
    }

    void summary_data() {
        QTest::addColumn<QString>("right");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("clock");
        QTest::addColumn<QString>("summary");
        QTest::newRow("closed before any answer") << "00"
                                                  << "00"
                                                  << "0:00:07"
                                                  << "正 确 率 ：未检测\r\n用 时 ：0:00:07\r\n题 目 总 数 ：0";
        QTest::newRow("closed within the first tick") << "00"
                                                      << "00"
                                                      << "00:00:00"
                                                      << "正 确 率 ：未检测\r\n用 时 ：00:00:00\r\n题 目 总 数 ：0";
        QTest::newRow("2 right of 3: 66, rounded down") << "2"
                                                        << "3"
                                                        << "0:01:05"
                                                        << "正 确 率 ：66％\r\n用 时 ：0:01:05\r\n题 目 总 数 ：3";
        QTest::newRow("3 right of 3") << "3"
                                      << "3"
                                      << "0:00:30"
                                      << "正 确 率 ：100％\r\n用 时 ：0:00:30\r\n题 目 总 数 ：3";
        QTest::newRow("0 right of 4") << "0"
                                      << "4"
                                      << "0:00:09"
                                      << "正 确 率 ：0％\r\n用 时 ：0:00:09\r\n题 目 总 数 ：4";
        QTest::newRow("counts at their limit") << "32767"
                                               << "65534"
                                               << "9:06:07"
                                               << "正 确 率 ：50％\r\n用 时 ：9:06:07\r\n题 目 总 数 ：65534";
    }
    void summary() {
        QFETCH(QString, right);
        QFETCH(QString, total);
        QFETCH(QString, clock);
        QFETCH(QString, summary);
        QCOMPARE(QString::fromStdString(SummaryText(right.toStdString(), total.toStdString(), clock.toStdString())),
                 summary);
    }

    // The way to work a missed fact, one row per strategy.
    void strategies_data() {
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<QString>("strategy");
        const std::tuple<Operation, int, int, const char*> rows[] = {
            {Operation::Addition, 8, 7, "8 + 7：把 7 分成 2 和 5，8 + 2 = 10，10 + 5 = 15"},
            {Operation::Addition, 6, 9, "6 + 9：把 6 分成 1 和 5，9 + 1 = 10，10 + 5 = 15"},
            {Operation::Addition, 7, 3, "7 + 3：7 和 3 凑成 10"},
            {Operation::Addition, 2, 6, "2 + 6：从 6 往后数 2 个，得 8"},
            {Operation::Addition, 0, 4, "0 + 4：任何数加 0 都得原来的数，0 + 4 = 4"},
            {Operation::Subtraction, 9, 4, "9 - 4：想 4 + 5 = 9，所以 9 - 4 = 5"},
            {Operation::Subtraction, 13, 8, "13 - 8：破十法，10 - 8 = 2，2 + 3 = 5；平十法，13 - 3 = 10，10 - 5 = 5"},
            {Operation::Subtraction, 7, 0, "7 - 0：任何数减 0 都得原来的数，7 - 0 = 7"},
            {Operation::Multiplication, 7, 8, "7 × 8：口诀“七八五十六”，7 × 8 = 56"},
            {Operation::Multiplication, 9, 7, "9 × 7：口诀“七九六十三”，9 × 7 = 63；也可以想 10 × 7 - 7 = 63"},
            {Operation::Multiplication, 2, 5, "2 × 5：口诀“二五一十”，2 × 5 = 10"},
            {Operation::Multiplication, 4, 3, "4 × 3：口诀“三四十二”，4 × 3 = 12"},
            {Operation::Multiplication, 1, 1, "1 × 1：口诀“一一得一”，1 × 1 = 1"},
            {Operation::Multiplication, 6, 0, "6 × 0：任何数和 0 相乘都得 0"},
            {Operation::Division, 56, 8, "56 ÷ 8：想 8 × 7 = 56（七八五十六），商是 7"},
            {Operation::Division, 52, 4, "52 ÷ 4：把 52 分成 40 和 12，40 ÷ 4 = 10，12 ÷ 4 = 3，10 + 3 = 13"},
            {Operation::Division, 105, 7, "105 ÷ 7：把 105 分成 70 和 35，70 ÷ 7 = 10，35 ÷ 7 = 5，10 + 5 = 15"},
            {Operation::Division, 60, 6, "60 ÷ 6：60 是 6 个十，6 ÷ 6 = 1，所以商是 10"},
            {Operation::Division, 0, 3, "0 ÷ 3：0 除以任何不是 0 的数都得 0"},
            {Operation::Division, 102, 1, "102 ÷ 1：任何数除以 1 都得原来的数，商是 102"},
        };
        for (const auto& [op, first, second, strategy] : rows)
            QTest::newRow(strategy) << int(op) << first << second << QString(strategy);
    }
    void strategies() {
        QFETCH(int, operation);
        QFETCH(int, first);
        QFETCH(int, second);
        const Problem fact{Operation(operation), std::int16_t(first), std::int16_t(second)};
        QTEST(QString::fromStdString(StrategyText(fact)), "strategy");
    }

    // A test's length: its name, what is left, and when it is reached.
    void testLengths_data() {
        QTest::addColumn<int>("length");  // index into kTestLengths
        QTest::addColumn<int>("answered");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("left");
        QTest::addColumn<bool>("reached");
        QTest::newRow("none never ends") << 0 << 500 << 9000 << "不限|测试：不限题数，关上窗口时结束" << false;
        QTest::newRow("20 problems, 19 left") << 1 << 1 << 5 << "20 题|测试：还剩 19 题" << false;
        QTest::newRow("20 problems reached") << 1 << 20 << 60 << "20 题|测试：还剩 0 题" << true;
        QTest::newRow("1 minute, 45 s left") << 4 << 30 << 15 << "1 分钟|测试：还剩 0:45" << false;
        QTest::newRow("5 minutes, at the start") << 6 << 0 << 0 << "5 分钟|测试：还剩 5:00" << false;
        QTest::newRow("2 minutes reached") << 5 << 3 << 120 << "2 分钟|测试：还剩 0:00" << true;
    }
    void testLengths() {
        QFETCH(int, length);
        QFETCH(int, answered);
        QFETCH(int, seconds);
        const TestLength& l = kTestLengths[length];
        QTEST(QString::fromStdString(l.text() + "|" + l.leftText(answered, seconds)), "left");
        QTEST(l.reached(answered, seconds), "reached");
    }

    // A sheet's code gives back its set, pages and seed, and so the same problems; each
    // set draws only problems of its kind.
    void sheets_data() {
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("pages");
        QTest::addColumn<uint>("seed");
        QTest::addColumn<QString>("kind");  // what every problem of the set satisfies
        QTest::newRow("one page of sums") << int(SheetSet::Addition) << 1 << 12345u << "sum of digits";
        QTest::newRow("four pages of carries") << int(SheetSet::CarryAddition) << 4 << (1u << 30) - 1 << "carry";
        QTest::newRow("borrows") << int(SheetSet::BorrowSubtraction) << 2 << 0u << "borrow";
        QTest::newRow("table quotients") << int(SheetSet::Division) << 3 << 987654321u << "table quotient";
        QTest::newRow("the four mixed") << int(SheetSet::Mixed) << 1 << 42u << "one digit";
    }
    void sheets() {
        QFETCH(int, set);
        QFETCH(int, pages);
        QFETCH(uint, seed);
        QFETCH(QString, kind);
        const SheetPlan plan{SheetSet(set), pages, seed};
        const std::string code = SheetCode(plan);
        QCOMPARE(int(code.size()), 9);
        // Typed back as a parent may: lower case, without the dash, O for 0 and l for 1.
        std::string typed;
        for (char c : code)
            if (c != '-') typed += c == '0' ? 'O' : c == '1' ? 'l' : char(std::tolower(static_cast<unsigned char>(c)));
        const std::optional<SheetPlan> read = ReadSheetCode(typed);
        QVERIFY(read);
        QCOMPARE(int(read->set), set);
        QCOMPARE(read->pages, pages);
        QCOMPARE(read->seed, seed);
        const std::vector<Problem> problems = SheetProblems(plan), again = SheetProblems(*read);
        QCOMPARE(int(problems.size()), 100 * pages);
        for (std::size_t i = 0; i < problems.size(); ++i) {
            const Problem& p = problems[i];
            QCOMPARE(again[i].text(), p.text());
            const int a = p.first, b = p.second;
            bool fits = a >= 0 && b >= 0;
            if (kind == "sum of digits") fits = p.operation == Operation::Addition && a <= 9 && b <= 9;
            if (kind == "carry") fits = p.operation == Operation::Addition && a <= 9 && b <= 9 && a + b > 10;
            if (kind == "borrow")
                fits = p.operation == Operation::Subtraction && a > 10 && a < 19 && a % 10 < b && b <= 9;
            if (kind == "table quotient")
                fits = p.operation == Operation::Division && b >= 1 && b <= 9 && a % b == 0 && a / b >= 1 && a / b <= 9;
            if (kind == "one digit") fits = a <= 81 && b <= 9;
            QVERIFY2(fits, p.text().c_str());
            if (i > 0) QVERIFY2(problems[i - 1].text() != p.text(), p.text().c_str());
        }
    }

    // A mistyped code is refused rather than read as another sheet.
    void mistypedSheetCodes_data() {
        QTest::addColumn<QString>("code");
        const QString good = QString::fromStdString(SheetCode({SheetSet::Addition, 2, 777}));
        QTest::newRow("one character changed") << QString(good).replace(2, 1, good[2] == 'A' ? "B" : "A");
        QTest::newRow("two exchanged") << QString(good[1]) + good[0] + good.mid(2);
        QTest::newRow("a character short") << good.chopped(1);
        QTest::newRow("a letter not in the code") << good.left(8) + "U";
    }
    void mistypedSheetCodes() {
        QFETCH(QString, code);
        QVERIFY(!ReadSheetCode(code.toStdString()));
    }
};

QTEST_GUILESS_MAIN(DrillTest)
#include "tst_drill.moc"
