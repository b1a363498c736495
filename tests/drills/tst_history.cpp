// The drill history: the wrong-answer book and the grids' rules over written-out
// histories, the practice of the book, and the CSV.

#include <QApplication>
#include <QDateTime>
#include <QRegularExpression>
#include <QTest>
#include <ctime>

#include "drills/history.h"

using namespace velunda;

namespace {

// Noon of 2026-12-08, UTC; the tests run with TZ=UTC.
const HistoryTime kNow = 1796731200000LL;

// "7×8" → the fact; ":1" after it is a run of rights it already has.
Problem Fact(const QString& text, int* run = nullptr) {
    static const QRegularExpression shape("^(\\d+)([-+×÷])(\\d+)(?::(\\d))?$");
    const auto m = shape.match(text);
    if (!m.hasMatch()) qFatal("bad fact %s", qPrintable(text));
    const QString op = m.captured(2);
    const Operation operation = op == "+"   ? Operation::Addition
                                : op == "-" ? Operation::Subtraction
                                : op == "×" ? Operation::Multiplication
                                            : Operation::Division;
    if (run) *run = m.captured(4).toInt();
    return {operation, std::int16_t(m.captured(1).toInt()), std::int16_t(m.captured(3).toInt())};
}

QString FactText(const Problem& p) {
    const QString text = QString::fromStdString(p.text());
    return text.left(text.size() - 1);
}

// The right answer to a fact, worked out here.
int Solve(const Problem& p) {
    switch (p.operation) {
        case Operation::Addition:
            return p.first + p.second;
        case Operation::Subtraction:
            return p.first - p.second;
        case Operation::Multiplication:
            return p.first * p.second;
        case Operation::Division:
            return p.first / p.second;
    }
    return 0;
}

// "7×8✗ 7×8✓@3": answers in this order, right (✓) or wrong (✗), @n days before kNow.
// Each answer is a minute after the one before it on its day.
std::vector<AnswerRecord> History(const QString& text) {
    std::vector<AnswerRecord> history;
    int i = 0;
    for (const QString& item : text.split(' ', Qt::SkipEmptyParts)) {
        const int at = item.indexOf('@');
        const QString answer = at < 0 ? item : item.left(at);
        const int daysAgo = at < 0 ? 0 : item.mid(at + 1).toInt();
        const bool right = answer.endsWith("✓");
        const Problem p = Fact(answer.left(answer.size() - 1));
        ++i;
        history.push_back({kNow - daysAgo * kMillisecondsPerDay - (100 - i) * 60000LL, "frm22", p,
                           std::to_string(right ? Solve(p) : Solve(p) + 1), right, 2.5});
    }
    return history;
}

QString BookText(const std::vector<FactHistory>& book) {
    QStringList facts;
    for (const FactHistory& f : book) facts << FactText(f.fact);
    return facts.join(' ');
}

class FixedDraws : public RandomSource {
public:
    explicit FixedDraws(QList<double> draws) : draws_(std::move(draws)) {}
    double Rnd() override { return next_ < draws_.size() ? draws_[next_++] : 0.0; }

private:
    QList<double> draws_;
    qsizetype next_ = 0;
};

}  // namespace

Q_DECLARE_METATYPE(Mastery)

class HistoryTest : public QObject {
    Q_OBJECT

    // Histories and the wrong-answer book they leave at kNow.
    static void books() {
        QTest::addColumn<QString>("history");
        QTest::addColumn<QString>("book");
        QTest::newRow("no history") << ""
                                    << "";
        QTest::newRow("only right answers") << "7×8✓ 3+4✓"
                                            << "";
        QTest::newRow("wrong once") << "7×8✗"
                                    << "7×8";
        QTest::newRow("one right answer since is not enough") << "7×8✗ 7×8✓"
                                                              << "7×8";
        QTest::newRow("right twice in a row leaves the book") << "7×8✗ 7×8✓ 7×8✓"
                                                              << "";
        QTest::newRow("two rights broken by a wrong one stay") << "7×8✗ 7×8✓ 7×8✗ 7×8✓"
                                                               << "7×8";
        QTest::newRow("rights before the wrong answer do not count") << "7×8✓ 7×8✓ 7×8✓ 7×8✗"
                                                                     << "7×8";
        QTest::newRow("wrong 29 days ago is recent") << "7×8✗@29"
                                                     << "7×8";
        QTest::newRow("wrong 31 days ago is forgotten") << "7×8✗@31"
                                                        << "";
        QTest::newRow("an old wrong answer, a new one") << "7×8✗@40 7×8✓@35 7×8✓@35 7×8✗@1"
                                                        << "7×8";
        QTest::newRow("the most recently missed first") << "3+4✗@2 9-5✗@1 7×8✗ 6×6✓"
                                                        << "7×8 9-5 3+4";
        QTest::newRow("the same operands of another operation are another fact") << "3+4✗ 3×4✗ 3×4✓ 3×4✓"
                                                                                 << "3+4";
        QTest::newRow("quotients by dividend and divisor") << "56÷7✗ 56÷8✗ 56÷8✓ 56÷8✓"
                                                           << "56÷7";
        QTest::newRow("only the facts still missing, in their order") << "2+2✗@3 5-1✗@3 8×9✗@2 2+2✓@2 2+2✓@1 5-1✓ 8×9✓"
                                                                      << "8×9 5-1";
    }

private slots:
    void wrongAnswerBook_data() { books(); }
    void wrongAnswerBook() {
        QFETCH(QString, history);
        QFETCH(QString, book);
        QCOMPARE(BookText(WrongAnswerBook(SummarizeFacts(History(history)), kNow)), book);
    }

    void mastery_data() {
        QTest::addColumn<QString>("history");
        QTest::addColumn<Mastery>("mastery");
        QTest::newRow("never answered") << "" << Mastery::Unseen;
        QTest::newRow("right twice is not yet mastered") << "7×8✓ 7×8✓" << Mastery::Shaky;
        QTest::newRow("right three times is mastered") << "7×8✓ 7×8✓ 7×8✓" << Mastery::Mastered;
        QTest::newRow("in the wrong-answer book") << "7×8✓ 7×8✓ 7×8✓ 7×8✓ 7×8✗ 7×8✓" << Mastery::Wrong;
        QTest::newRow("out of the book, 2 of 3 right: shaky") << "7×8✗ 7×8✓ 7×8✓" << Mastery::Shaky;
        QTest::newRow("9 of 10 right and out of the book: mastered")
            << "7×8✗@3 7×8✓@3 7×8✓@3 7×8✓@3 7×8✓@3 7×8✓@3 7×8✓@3 7×8✓@3 7×8✓@3 7×8✓@3" << Mastery::Mastered;
        QTest::newRow("8 of 10 right: shaky")
            << "7×8✗@3 7×8✓@3 7×8✗@3 7×8✓@3 7×8✓@3 7×8✓@3 7×8✓@3 7×8✓@3 7×8✓@3 7×8✓@3" << Mastery::Shaky;
        QTest::newRow("wrong long ago and never since: shaky") << "7×8✗@60" << Mastery::Shaky;
    }
    void mastery() {
        QFETCH(QString, history);
        QFETCH(Mastery, mastery);
        const auto facts = SummarizeFacts(History(history));
        QCOMPARE(facts.empty() ? Mastery::Unseen : MasteryOf(facts.front(), kNow), mastery);
    }

    void gridCell_data() {
        QTest::addColumn<QString>("fact");
        QTest::addColumn<QString>("cell");
        QTest::newRow("sum by its operands") << "3+4"
                                             << "3,4";
        QTest::newRow("difference by its operands") << "9-5"
                                                    << "9,5";
        QTest::newRow("product by its operands") << "9×0"
                                                 << "9,0";
        QTest::newRow("quotient by divisor and quotient") << "56÷7"
                                                          << "7,8";
        QTest::newRow("quotient of 9") << "81÷9"
                                       << "9,9";
        QTest::newRow("quotient above 9 has no cell") << "70÷7"
                                                      << "";
        QTest::newRow("dividend raised past 90 has no cell") << "99÷1"
                                                             << "";
    }
    void gridCell() {
        QFETCH(QString, fact);
        QFETCH(QString, cell);
        const auto at = GridCell(Fact(fact));
        QCOMPARE(at ? QString("%1,%2").arg(at->first).arg(at->second) : QString(), cell);
    }

    void practice_data() {
        QTest::addColumn<QString>("book");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("posed");
        QTest::addColumn<QString>("left");
        // Every draw is 0: the first fact, unless it was just posed.
        QTest::newRow("each fact right twice, never the same twice running") << "7×8 3+4"
                                                                             << "✓✓✓✓"
                                                                             << "7×8 3+4 7×8 3+4"
                                                                             << "0 left, 4 right, 0 wrong";
        QTest::newRow("a wrong answer starts the run again") << "7×8"
                                                             << "✓✗✓"
                                                             << "7×8 7×8 7×8"
                                                             << "1 left, 2 right, 1 wrong";
        QTest::newRow("then two rights end it") << "7×8"
                                                << "✓✗✓✓"
                                                << "7×8 7×8 7×8 7×8"
                                                << "0 left, 3 right, 1 wrong";
        QTest::newRow("a right answer before the practice counts") << "7×8:1 3+4"
                                                                   << "✓✓✓"
                                                                   << "7×8 3+4 3+4"
                                                                   << "0 left, 3 right, 0 wrong";
        QTest::newRow("an empty book poses nothing") << ""
                                                     << ""
                                                     << ""
                                                     << "0 left, 0 right, 0 wrong";
    }
    void practice() {
        QFETCH(QString, book);
        QFETCH(QString, answers);
        QFETCH(QString, posed);
        QFETCH(QString, left);
        std::vector<FactHistory> facts;
        for (const QString& f : book.split(' ', Qt::SkipEmptyParts)) {
            FactHistory h;
            h.fact = Fact(f, &h.rightSinceLastWrong);
            facts.push_back(h);
        }
        FixedDraws draws({});
        WrongAnswerPractice practice(facts, draws);
        QStringList shown;
        for (QChar answer : answers) {
            QVERIFY(practice.remaining() > 0);
            shown << FactText(practice.problem());
            const int result = Solve(practice.problem());
            QCOMPARE(practice.Answer(std::to_string(answer == u'✓' ? result : result + 1)), answer == u'✓');
        }
        QCOMPARE(shown.join(' '), posed);
        QCOMPARE(QString("%1 left, %2 right, %3 wrong")
                     .arg(practice.remaining())
                     .arg(practice.right())
                     .arg(practice.wrong()),
                 left);
    }

    void csv_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("fact");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("right");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("line");
        QTest::newRow("a right product") << "frm22"
                                         << "7×8"
                                         << "56" << true << 2.25 << "2026-12-08 12:00:00,口算练习,7×8,56,56,对,2.2";
        QTest::newRow("a wrong quotient in the test")
            << "frm23"
            << "56÷7"
            << "9" << false << 10.0 << "2026-12-08 12:00:00,口算测试,56÷7,8,9,错,10.0";
        QTest::newRow("a typed comma and quote are quoted")
            << "frm22"
            << "3+4"
            << "7,\"0" << false << 1.0 << "2026-12-08 12:00:00,口算练习,3+4,7,\"7,\"\"0\",错,1.0";
        QTest::newRow("a typed formula stays text")
            << "frm22"
            << "9-5"
            << "=2+2" << false << 3.0 << "2026-12-08 12:00:00,口算练习,9-5,4,'=2+2,错,3.0";
    }
    void csv() {
        QFETCH(QString, window);
        QFETCH(QString, fact);
        QFETCH(QString, typed);
        QFETCH(bool, right);
        QFETCH(double, seconds);
        QFETCH(QString, line);
        const std::string csv =
            AnswersCsv({{kNow, window.toStdString(), Fact(fact), typed.toStdString(), right, seconds}});
        QCOMPARE(QString::fromStdString(csv),
                 QString("\uFEFF时间,窗口,题目,正确答案,学生的答案,对错,用时（秒）\r\n") + line + "\r\n");
    }
};

int main(int argc, char** argv) {
    // Days and times in the tests are UTC.
    qputenv("TZ", "UTC");
    tzset();
    QApplication app(argc, argv);
    HistoryTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_history.moc"
