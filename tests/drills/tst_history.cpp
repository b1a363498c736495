// The drill history: the wrong-answer book and the grids' rules over written-out
// histories, the practice of the book, the CSV, and the store against real SQLite files
// in a temporary folder: fields kept, a killed writer, a damaged file, a read-only file
// or folder, a full disk, a busy file, a later Velunda's file, a file of the first
// layout, the history window, and the settings file's faults.
#include <sys/mount.h>
#include <unistd.h>

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <cstdio>
#include <ctime>

#include "drills/classreportwindow.h"
#include "drills/drillrecorder.h"
#include "drills/historystore.h"
#include "drills/historywindow.h"
#include "drills/pupils.h"
#include "ui/settings.h"

using namespace velunda;

namespace {

// Noon of 2026-12-08, UTC; the tests run with TZ=UTC.
const HistoryTime kNow = 1796731200000LL;

// One data row of any columns.
template <class... Values>
void Row(const char* name, const Values&... values) {
    QTestData& row = QTest::newRow(name);
    ((row << values), ...);
}

// "7×8" → the fact; ":1" after it is a run of rights it already has.
Problem Fact(const QString& text, int* run = nullptr) {
    static const QRegularExpression shape("^(\\d+)([-+×÷])(\\d+)(?::(\\d))?$");
    const auto m = shape.match(text);
    if (!m.hasMatch()) qFatal("bad fact %s", qPrintable(text));
    const int op = QString("+-×÷").indexOf(m.captured(2));
    if (run) *run = m.captured(4).toInt();
    return {Operation(op), std::int16_t(m.captured(1).toInt()), std::int16_t(m.captured(3).toInt())};
}

QString FactText(const Problem& p) { return QString::fromStdString(p.text()).chopped(1); }

// The right answer to a fact, worked out here.
int Solve(const Problem& p) {
    if (p.operation == Operation::Addition) return p.first + p.second;
    if (p.operation == Operation::Subtraction) return p.first - p.second;
    if (p.operation == Operation::Multiplication) return p.first * p.second;
    return p.first / p.second;
}

// "7×8✗ 7×8✓@3": answers in this order, right (✓) or wrong (✗), @n days before kNow,
// a minute apart; a wrong answer is one more than the result.
std::vector<AnswerRecord> History(const QString& text) {
    std::vector<AnswerRecord> history;
    const QStringList items = text.split(' ', Qt::SkipEmptyParts);
    for (int i = 0; i < items.size(); ++i) {
        const QStringList parts = items[i].split('@');
        const bool right = parts[0].endsWith("✓");
        const Problem p = Fact(parts[0].chopped(1));
        const HistoryTime time = kNow - parts.value(1).toInt() * kMillisecondsPerDay - (99 - i) * 60000LL;
        history.push_back({time, "frm22", p, std::to_string(Solve(p) + (right ? 0 : 1)), right, 2.5});
    }
    return history;
}

QString BookText(const std::vector<FactHistory>& book) {
    QStringList facts;
    for (const FactHistory& f : book) facts << FactText(f.fact);
    return facts.join(' ');
}

// "frm22 7×8=56 ✓ 2.5s", with the time in front when asked for.
QStringList AnswerLines(const std::vector<AnswerRecord>& answers, bool withTime = false) {
    QStringList lines;
    for (const AnswerRecord& a : answers)
        lines << (withTime ? QString::number(a.time) + " " : QString()) + QString::fromStdString(a.window) + " " +
                     FactText(a.problem) + "=" + QString::fromStdString(a.answer) + (a.right ? " ✓ " : " ✗ ") +
                     QString::number(a.seconds) + "s";
    return lines;
}

// "1796644800000-1796645000000 frm22 2/1", "wrong answers" after a practice of the book.
QStringList SessionLines(const std::vector<SessionRecord>& sessions) {
    QStringList lines;
    for (const SessionRecord& s : sessions)
        lines << QString("%1-%2 %3 %4/%5%6")
                     .arg(s.start)
                     .arg(s.end ? QString::number(*s.end) : "", QString::fromStdString(s.window))
                     .arg(s.right)
                     .arg(s.wrong)
                     .arg(s.wrongAnswers ? " wrong answers" : "");
    return lines;
}

// The store's file in a fresh temporary folder.
struct Folder {
    QTemporaryDir dir;
    QString file() const { return dir.filePath("history.sqlite"); }
};

// Records the history as one practice session and waits until it is written.
void Record(HistoryStore& store, const std::vector<AnswerRecord>& history) {
    const auto session = store.beginSession("frm22", false, kNow - 100 * kMillisecondsPerDay);
    for (const AnswerRecord& a : history) store.recordAnswer(session, a);
    store.endSession(session, kNow);
    store.flush();
}

// The child processes: the test program started again with one of these arguments.

// Records answer after answer ("1", "2", …), printing each number once it is written,
// until it is killed.
int RecordUntilKilled(const QString& file) {
    HistoryStore store(file);
    const auto session = store.beginSession("frm23", false, kNow);
    for (int i = 1; i < 1000000; ++i) {
        store.recordAnswer(session, {kNow + i, "frm23", Fact("7×8"), std::to_string(i), i == 56, 1.0});
        store.flush();
        std::printf("%d\n", i);
        std::fflush(stdout);
    }
    return 1;
}

// The test runs as root on some machines, and root may write anything: the children
// that meet a read-only file or folder are made nobody first.
bool BecomePupil() { return geteuid() != 0 || (setgid(65534) == 0 && setuid(65534) == 0); }

// Records five answers, then prints every message the pupil would be told and how many
// answers the history still shows: "message|read 6".
int RecordAsPupil(const QString& file) {
    if (!BecomePupil()) return 2;
    HistoryStore store(file);
    QStringList told;
    QObject::connect(&store, &HistoryStore::problemsArisen, [&] { told << store.takeProblems(); });
    Record(store, History("3+4✓ 3+4✓ 3+4✓ 3+4✓ 3+4✓"));
    const std::size_t read = store.answers().size();
    QCoreApplication::processEvents();
    std::printf("%s|read %zu", told.join("\n").toUtf8().constData(), read);
    return 0;
}

// Reads the settings file, makes a choice, and prints what the user would be told.
int ChooseAsPupil(const QString& file) {
    if (!BecomePupil()) return 2;
    QStringList told;
    {
        ui::ProgramSettings settings(file);
        settings.setValue("solution/shown", true);
        told << settings.takeProblems();
        if (!settings.value("solution/shown").toBool()) told << "the choice is lost at once";
    }
    std::printf("%s", told.join("\n").toUtf8().constData());
    return 0;
}

// Runs this test program again as the pupil, with those arguments; what it printed.
QString AsPupil(const QStringList& arguments) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), arguments);
    if (!child.waitForFinished(60000) || child.exitCode() != 0) return "the child failed";
    return QString::fromUtf8(child.readAllStandardOutput());
}

// Files the pupil owns, with the permissions given; a folder can be entered by everyone.
void HandToPupil(const QString& path, QFile::Permissions permissions) {
    if (geteuid() == 0 && ::chown(QFile::encodeName(path).constData(), 65534, 65534) != 0) qFatal("chown");
    if (!QFile::setPermissions(path, permissions)) qFatal("chmod");
}
constexpr auto kReadable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
constexpr auto kEnterable = kReadable | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;

// Lets the history window's reads arrive, the medians its table asks for as well.
QStringList TableRows(HistoryStore& store, const ui::HistoryWindow& window) {
    const QAbstractItemModel* table = window.findChild<QTableView*>("tblDays")->model();
    QStringList rows;
    for (int pass = 0; pass < 3; ++pass) {
        store.flush();
        QCoreApplication::processEvents();
        rows.clear();
        for (int r = 0; r < table->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < table->columnCount(); ++c) cells << table->index(r, c).data().toString();
            rows << cells.join(' ');
        }
    }
    return rows;
}

// Records twenty answers into the program's open store and ends the program at once,
// without waiting for them to be written.
int RecordAndEnd() {
    HistoryStore& store = HistoryStore::Shared();
    const auto session = store.beginSession("frm22", false, kNow);
    store.flush();
    for (int i = 0; i < 20; ++i) store.recordAnswer(session, {kNow + i, "frm22", Fact("3+4"), "7", true, 1.0});
    return 0;
}

// What the last Velunda did to bring a file of the first layout to the second, as it
// shipped: the file a pupil has today.
const char* const kSecondLayout[] = {
    "ALTER TABLE answers ADD COLUMN session INTEGER REFERENCES sessions(id)",
    "ALTER TABLE answers ADD COLUMN day TEXT",
    "UPDATE answers SET day = date(time / 1000, 'unixepoch', 'localtime')",
    "ALTER TABLE sessions ADD COLUMN kind INTEGER NOT NULL DEFAULT 0",
    "CREATE INDEX answers_by_day ON answers (day, operation, seconds)",
    "CREATE TABLE days (day TEXT NOT NULL, operation INTEGER NOT NULL, answered INTEGER NOT NULL, "
    "right INTEGER NOT NULL, seconds REAL NOT NULL, PRIMARY KEY (day, operation)) WITHOUT ROWID",
    "INSERT INTO days SELECT day, operation, COUNT(*), SUM(correct), SUM(seconds) FROM answers "
    "GROUP BY day, operation",
    "CREATE TABLE facts (operation INTEGER NOT NULL, first INTEGER NOT NULL, second INTEGER NOT NULL, "
    "answered INTEGER NOT NULL, right INTEGER NOT NULL, last_wrong INTEGER, right_since INTEGER NOT NULL, "
    "first_answer INTEGER NOT NULL, PRIMARY KEY (operation, first, second))",
    "INSERT INTO facts SELECT a.operation, a.first, a.second, COUNT(*), SUM(a.correct), "
    " (SELECT time FROM answers WHERE id = w.wid), SUM(a.correct AND a.id > IFNULL(w.wid, 0)), MIN(a.id) "
    "FROM answers AS a LEFT JOIN (SELECT operation, first, second, MAX(id) AS wid FROM answers WHERE correct = 0 "
    " GROUP BY operation, first, second) AS w USING (operation, first, second) "
    "GROUP BY a.operation, a.first, a.second",
    "CREATE TRIGGER answer_sums AFTER INSERT ON answers BEGIN "
    " INSERT INTO days VALUES (NEW.day, NEW.operation, 1, NEW.correct, NEW.seconds) "
    "  ON CONFLICT (day, operation) DO UPDATE SET answered = answered + 1, right = right + excluded.right, "
    "  seconds = seconds + excluded.seconds; "
    " INSERT INTO facts VALUES (NEW.operation, NEW.first, NEW.second, 1, NEW.correct, "
    "  CASE WHEN NEW.correct THEN NULL ELSE NEW.time END, NEW.correct, NEW.id) "
    "  ON CONFLICT (operation, first, second) DO UPDATE SET answered = answered + 1, "
    "  right = right + excluded.right, last_wrong = IFNULL(excluded.last_wrong, last_wrong), "
    "  right_since = CASE WHEN excluded.right THEN right_since + 1 ELSE 0 END; "
    "END",
    "PRAGMA user_version = 2",
};

// A file of the fourth layout, as the last Velunda before pupils were kept apart left
// it: one session of two answers, their sums, their facts, a sheet and a check.
const char* const kFourthLayout[] = {
    "CREATE TABLE answers (id INTEGER PRIMARY KEY, time INTEGER NOT NULL, window TEXT NOT NULL, "
    "operation INTEGER NOT NULL, first INTEGER NOT NULL, second INTEGER NOT NULL, answer TEXT NOT NULL, "
    "correct INTEGER NOT NULL, seconds REAL NOT NULL, session INTEGER REFERENCES sessions(id), day TEXT, "
    "mode INTEGER NOT NULL DEFAULT 0)",
    "CREATE TABLE sessions (id INTEGER PRIMARY KEY, start INTEGER NOT NULL, end INTEGER, window TEXT NOT NULL, "
    "right INTEGER NOT NULL DEFAULT 0, wrong INTEGER NOT NULL DEFAULT 0, kind INTEGER NOT NULL DEFAULT 0)",
    "CREATE INDEX answers_by_day ON answers (day, operation, mode, seconds)",
    "CREATE TABLE days (day TEXT NOT NULL, operation INTEGER NOT NULL, mode INTEGER NOT NULL, "
    "answered INTEGER NOT NULL, right INTEGER NOT NULL, seconds REAL NOT NULL, PRIMARY KEY (day, operation, mode)) "
    "WITHOUT ROWID",
    "CREATE TRIGGER answer_days AFTER INSERT ON answers BEGIN "
    " INSERT INTO days VALUES (NEW.day, NEW.operation, NEW.mode, 1, NEW.correct, NEW.seconds) "
    "  ON CONFLICT (day, operation, mode) DO UPDATE SET answered = answered + 1, right = right + excluded.right, "
    "  seconds = seconds + excluded.seconds; "
    "END",
    "CREATE TABLE facts (operation INTEGER NOT NULL, first INTEGER NOT NULL, second INTEGER NOT NULL, "
    "answered INTEGER NOT NULL, right INTEGER NOT NULL, last_wrong INTEGER, right_since INTEGER NOT NULL, "
    "first_answer INTEGER NOT NULL, right_days INTEGER NOT NULL DEFAULT 0, last_right_day TEXT, "
    "box INTEGER NOT NULL DEFAULT 0, box_day TEXT, fast_days INTEGER NOT NULL DEFAULT 0, last_fast_day TEXT, "
    "PRIMARY KEY (operation, first, second))",
    "CREATE TABLE sheets (code TEXT PRIMARY KEY, problems TEXT NOT NULL)",
    "CREATE TABLE checks (id INTEGER PRIMARY KEY, time INTEGER NOT NULL, window TEXT NOT NULL, title TEXT NOT NULL, "
    "quantity TEXT NOT NULL, givens TEXT NOT NULL, typed TEXT NOT NULL, verdict TEXT NOT NULL, slip TEXT NOT NULL, "
    "correct INTEGER NOT NULL, hints INTEGER NOT NULL, shown INTEGER NOT NULL, seconds REAL NOT NULL)",
    "PRAGMA user_version = 4",
    "INSERT INTO sessions VALUES (1, 1796731200000, 1796731300000, 'frm23', 1, 1, 0)",
    "INSERT INTO answers VALUES (1, 1796731210000, 'frm23', 2, 7, 8, '54', 0, 6, 1, '2026-12-08', 1)",
    "INSERT INTO answers VALUES (2, 1796731220000, 'frm23', 0, 3, 4, '7', 1, 2, 1, '2026-12-08', 1)",
    "INSERT INTO facts VALUES (2, 7, 8, 1, 0, 1796731210000, 0, 1, 0, '', 1, '2026-12-08', 0, '')",
    "INSERT INTO facts VALUES (0, 3, 4, 1, 1, NULL, 1, 2, 1, '2026-12-08', 1, '2026-12-08', 1, '2026-12-08')",
    "INSERT INTO sheets VALUES ('K7Q2', '2 7 8;0 3 4;')",
    "INSERT INTO checks VALUES (1, 1796731230000, 'frm12', '解正方形', '面积 S', '已知 a = 5', '20', '✗', '', 0, 0, 0, "
    "9.5)",
};

// A pupil's export: "7×8✓2" is 7×8 answered right in 2 seconds, "7×8✗5" wrong in 5,
// a minute apart from noon of 2026-12-08.
QByteArray Export(const QString& pupil, const QString& className, const QString& answers) {
    std::vector<AnswerRecord> records;
    static const QRegularExpression shape("^(.+)([✓✗])([0-9.]+)$");
    for (const QString& item : answers.split(' ', Qt::SkipEmptyParts)) {
        const auto m = shape.match(item);
        if (!m.hasMatch()) qFatal("bad answer %s", qPrintable(item));
        const Problem p = Fact(m.captured(1));
        const bool right = m.captured(2) == "✓";
        records.push_back({kNow + 60000LL * HistoryTime(records.size()), "frm22", p,
                           std::to_string(Solve(p) + (right ? 0 : 1)), right, m.captured(3).toDouble()});
    }
    return QByteArray::fromStdString(AnswersCsv(records, pupil.toStdString(), className.toStdString()));
}

// A table's rows, its cells joined by blanks.
QStringList Cells(const QTableWidget* table) {
    QStringList rows;
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c) cells << table->item(r, c)->text();
        rows << cells.join(' ');
    }
    return rows;
}

}  // namespace

Q_DECLARE_METATYPE(Mastery)

class HistoryTest : public QObject {
    Q_OBJECT

    // Histories and the wrong-answer book they leave at kNow.
    static void books() {
        QTest::addColumn<QString>("history");
        QTest::addColumn<QString>("book");
        Row("no history", "", "");
        Row("only right answers", "7×8✓ 3+4✓", "");
        Row("wrong once", "7×8✗", "7×8");
        Row("one right answer since is not enough", "7×8✗ 7×8✓", "7×8");
        Row("right twice on the same day stays in the book", "7×8✗ 7×8✓ 7×8✓", "7×8");
        Row("right on two different days leaves the book", "7×8✗@2 7×8✓@2 7×8✓@1", "");
        Row("a day between two rights leaves the book too", "7×8✗@5 7×8✓@3 7×8✓", "");
        Row("two rights broken by a wrong one stay", "7×8✗ 7×8✓ 7×8✗ 7×8✓", "7×8");
        Row("rights before the wrong answer do not count", "7×8✓ 7×8✓ 7×8✓ 7×8✗", "7×8");
        Row("wrong 29 days ago is recent", "7×8✗@29", "7×8");
        Row("wrong 31 days ago is forgotten", "7×8✗@31", "");
        Row("an old wrong answer, a new one", "7×8✗@40 7×8✓@35 7×8✓@35 7×8✗@1", "7×8");
        Row("the most recently missed first", "3+4✗@2 9-5✗@1 7×8✗ 6×6✓", "7×8 9-5 3+4");
        Row("the same operands of another operation are another fact", "3+4✗ 3×4✗@2 3×4✓@2 3×4✓@1", "3+4");
        Row("quotients by dividend and divisor", "56÷7✗ 56÷8✗@2 56÷8✓@2 56÷8✓@1", "56÷7");
        Row("only the facts still missing", "2+2✗@3 5-1✗@3 8×9✗@2 2+2✓@2 2+2✓@1 5-1✓ 8×9✓", "8×9 5-1");
    }

private slots:
    void wrongAnswerBook_data() { books(); }
    void wrongAnswerBook() {
        QFETCH(QString, history);
        QFETCH(QString, book);
        QCOMPARE(BookText(WrongAnswerBook(SummarizeFacts(History(history)), kNow)), book);
    }

    // The same rule over the facts the store sums up in SQL from the same answers.
    void wrongAnswerBookFromTheStore_data() { books(); }
    void wrongAnswerBookFromTheStore() {
        QFETCH(QString, history);
        QFETCH(QString, book);
        Folder folder;
        HistoryStore store(folder.file());
        Record(store, History(history));
        QCOMPARE(BookText(WrongAnswerBook(store.facts(), kNow)), book);
    }

    // The Leitner schedule over days: where the first fact stands at kNow, and today's
    // practice — the wrong-answer book first, then the facts due, the longest overdue
    // first — from the rule and from the store.
    static void schedules() {
        QTest::addColumn<QString>("history");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("today");
        Row("never answered", "", "new", "");
        Row("right today: learning", "7×8✓", "learning", "");
        Row("right yesterday, box 2 waits two days", "7×8✓@1", "learning", "");
        Row("right two days ago: due again", "7×8✓@2", "due", "7×8");
        Row("wrong yesterday: in the book", "7×8✗@1", "due", "7×8");
        Row("fast on two days, box 3 waits four days: fluent", "7×8✓@3 7×8✓@1", "fluent", "");
        Row("box 3 four days on: due", "7×8✓@6 7×8✓@4", "due", "7×8");
        Row("a wrong answer sends it back to box 1", "7×8✓@6 7×8✓@4 7×8✗", "learning", "7×8");
        Row("right again the same day does not move it up", "7×8✓@2 7×8✓@2 7×8✓@2", "due", "7×8");
        Row("the book first, then the longest overdue", "3+4✗ 7×8✓@2 6×6✓@1 9-5✓@4", "learning", "3+4 9-5 7×8");
    }
    static QString StateText(const std::vector<FactHistory>& facts) {
        static const char* const names[] = {"new", "learning", "fluent", "due"};
        return names[int(facts.empty() ? FactState::New : StateOf(facts.front(), kNow))];
    }
    static QString TodayText(const std::vector<FactHistory>& facts) {
        QStringList today;
        for (const FactHistory& f : TodaysFacts(facts, kNow)) today << FactText(f.fact);
        return today.join(' ');
    }
    void schedule_data() { schedules(); }
    void schedule() {
        QFETCH(QString, history);
        const auto facts = SummarizeFacts(History(history));
        QTEST(StateText(facts), "state");
        QTEST(TodayText(facts), "today");
    }
    void scheduleFromTheStore_data() { schedules(); }
    void scheduleFromTheStore() {
        QFETCH(QString, history);
        Folder folder;
        HistoryStore store(folder.file());
        Record(store, History(history));
        QTEST(StateText(store.facts()), "state");
        QTEST(TodayText(store.facts()), "today");
    }

    void mastery_data() {
        QTest::addColumn<QString>("history");
        QTest::addColumn<Mastery>("mastery");
        const QString nineOfTen = "7×8✗@3" + QString(" 7×8✓@3").repeated(8) + " 7×8✓@2";
        Row("never answered", "", Mastery::Unseen);
        Row("right twice is not yet mastered", "7×8✓ 7×8✓", Mastery::Shaky);
        Row("right three times is mastered", "7×8✓ 7×8✓ 7×8✓", Mastery::Mastered);
        Row("in the wrong-answer book", "7×8✓ 7×8✓ 7×8✓ 7×8✓ 7×8✗ 7×8✓", Mastery::Wrong);
        Row("out of the book, 2 of 3 right: shaky", "7×8✗@2 7×8✓@2 7×8✓@1", Mastery::Shaky);
        Row("9 of 10 right and out of the book: mastered", nineOfTen, Mastery::Mastered);
        Row("8 of 10 right: shaky", "7×8✗@4 " + nineOfTen, Mastery::Shaky);
        Row("wrong long ago and never since: shaky", "7×8✗@60", Mastery::Shaky);
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
        Row("sum by its operands", "3+4", "3,4");
        Row("difference by its operands", "9-5", "9,5");
        Row("product by its operands", "9×0", "9,0");
        Row("quotient by divisor and quotient", "56÷7", "7,8");
        Row("quotient of 9", "81÷9", "9,9");
        Row("quotient above 9 has no cell", "70÷7", "");
        Row("dividend raised past 90 has no cell", "99÷1", "");
    }
    void gridCell() {
        QFETCH(QString, fact);
        QFETCH(QString, cell);
        const auto at = GridCell(Fact(fact));
        QCOMPARE(at ? QString("%1,%2").arg(at->first).arg(at->second) : QString(), cell);
    }

    // Every draw is 0: the first fact left, unless it was just posed.
    void practice_data() {
        QTest::addColumn<QString>("book");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("posed");
        QTest::addColumn<QString>("left");
        Row("each right twice, never twice running", "7×8 3+4", "✓✓✓✓", "7×8 3+4 7×8 3+4", "0 left, 4 right, 0 wrong");
        Row("a wrong answer starts the run again", "7×8", "✓✗✓", "7×8 7×8 7×8", "1 left, 2 right, 1 wrong");
        Row("then two rights end it", "7×8", "✓✗✓✓", "7×8 7×8 7×8 7×8", "0 left, 3 right, 1 wrong");
        Row("a right answer before the practice counts", "7×8:1 3+4", "✓✓✓", "7×8 3+4 3+4", "0 left, 3 right, 0 wrong");
        Row("an empty book poses nothing", "", "", "", "0 left, 0 right, 0 wrong");
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
        struct : RandomSource {
            double Rnd() override { return 0; }
        } zero;
        WrongAnswerPractice practice(facts, zero);
        QStringList shown;
        for (QChar answer : answers) {
            QVERIFY(practice.remaining() > 0);
            shown << FactText(practice.problem());
            const int typed = Solve(practice.problem()) + (answer == u'✓' ? 0 : 1);
            QCOMPARE(practice.Answer(std::to_string(typed)), answer == u'✓');
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
        QTest::addColumn<QString>("pupil");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("line");
        const QString noon = "2026-12-08 12:00:00,";
        Row("a right product", "frm22", "7×8", "56", true, "张三", "三年级2班",
            noon + "口算练习,练习,7×8,56,56,对,2.5,张三,三年级2班");
        Row("a wrong quotient in the test", "frm23", "56÷7", "9", false, "学生1", "",
            noon + "口算测试,测试,56÷7,8,9,错,2.5,学生1,");
        Row("a typed comma and quote are quoted", "frm22", "3+4", "7,\"0", false, "张三", "三年级2班",
            noon + "口算练习,练习,3+4,7,\"7,\"\"0\",错,2.5,张三,三年级2班");
        Row("a typed formula stays text", "frm22", "9-5", "=2+2", false, "张三", "三年级2班",
            noon + "口算练习,练习,9-5,4,'=2+2,错,2.5,张三,三年级2班");
        Row("a name with a comma is quoted", "frm22", "3+4", "7", true, "Li, Ming", "3 \"A\"",
            noon + "口算练习,练习,3+4,7,7,对,2.5,\"Li, Ming\",\"3 \"\"A\"\"\"");
    }
    void csv() {
        QFETCH(QString, window);
        QFETCH(QString, fact);
        QFETCH(QString, typed);
        QFETCH(bool, right);
        QFETCH(QString, pupil);
        QFETCH(QString, className);
        QFETCH(QString, line);
        const DrillMode mode = window == "frm23" ? DrillMode::Test : DrillMode::Practice;
        const std::string csv =
            AnswersCsv({{kNow, window.toStdString(), Fact(fact), typed.toStdString(), right, 2.5, mode}},
                       pupil.toStdString(), className.toStdString());
        QCOMPARE(QString::fromStdString(csv),
                 "\uFEFF时间,窗口,方式,题目,正确答案,学生的答案,对错,用时（秒）,姓名,班级\r\n" + line + "\r\n");
    }

    // The store against real files.

    void recordsEveryField() {
        Folder folder;
        {
            HistoryStore store(folder.file());
            const auto session = store.beginSession("frm23", true, kNow);
            store.recordAnswer(session, {kNow + 1500, "frm23", Fact("56÷7"), "８", true, 3.25});
            store.recordAnswer(session, {kNow + 4000, "frm23", Fact("7×8"), "54", false, 2.5});
            store.endSession(session, kNow + 9000);
            store.recordCheck({kNow + 9500, "frm12", "解正方形", "面积 S", "已知 a = 5，求 面积 S。", "20",
                               "✗ 面积 S：20 不对，把周长和面积弄混了，算成了 4a。", "把周长和面积弄混了，算成了 4a",
                               false, 2, true, 12.5});
        }
        HistoryStore store(folder.file());
        QCOMPARE(store.schemaVersion(), kHistorySchemaVersion);
        QCOMPARE(AnswerLines(store.answers(), true),
                 (QStringList{"1796731201500 frm23 56÷7=８ ✓ 3.25s", "1796731204000 frm23 7×8=54 ✗ 2.5s"}));
        QCOMPARE(SessionLines(store.sessions()), QStringList{"1796731200000-1796731209000 frm23 1/1 wrong answers"});
        const std::vector<SolverCheck> checks = store.checks();
        QCOMPARE(checks.size(), 1u);
        const SolverCheck& c = checks[0];
        QCOMPARE(QString::fromStdString(c.window + " " + c.title + " " + c.quantity + " " + c.givens + " " + c.typed +
                                        " " + c.verdict + " " + c.slip),
                 "frm12 解正方形 面积 S 已知 a = 5，求 面积 S。 20 ✗ 面积 S：20 不对，把周长和面积弄混了，算成了 4a。 "
                 "把周长和面积弄混了，算成了 4a");
        QCOMPARE(c.time, kNow + 9500);
        QVERIFY(!c.right && c.shown);
        QCOMPARE(c.hints, 2);
        QCOMPARE(c.seconds, 12.5);
    }

    void dayStats_data() {
        QTest::addColumn<QString>("history");
        QTest::addColumn<QList<double>>("seconds");
        QTest::addColumn<QString>("days");
        Row("one answer", "3+4✓", QList<double>{2}, "2026-12-08 加法 1 1 2.0");
        Row("median of three", "3+4✓ 2+2✗ 5+1✓", QList<double>{9, 1, 4}, "2026-12-08 加法 3 2 4.0");
        Row("median of four: the mean of the middle two", "3+4✓ 2+2✓ 5+1✓ 6+1✓", QList<double>{9, 1, 4, 2},
            "2026-12-08 加法 4 4 3.0");
        Row("per day, the latest first; per operation in order", "7×8✗@1 3+4✓@1 9-5✓ 3+4✓", QList<double>{5, 1, 3, 2},
            "2026-12-08 加法 1 1 2.0 | 2026-12-08 减法 1 1 3.0 | 2026-12-07 加法 1 1 1.0 | 2026-12-07 乘法 1 0 5.0");
    }
    void dayStats() {
        QFETCH(QString, history);
        QFETCH(QList<double>, seconds);
        QFETCH(QString, days);
        auto answers = History(history);
        for (std::size_t i = 0; i < answers.size(); ++i) answers[i].seconds = seconds[qsizetype(i)];
        Folder folder;
        HistoryStore store(folder.file());
        Record(store, answers);
        QStringList rows;
        for (const DayStats& d : store.dayStats())
            rows << QString("%1 %2 %3 %4 %5")
                        .arg(QString::fromStdString(d.day), QString("加法 减法 乘法 除法").split(' ')[int(d.operation)])
                        .arg(d.answered)
                        .arg(d.right)
                        .arg(store.medianSeconds(d), 0, 'f', 1);
        QCOMPARE(rows.join(" | "), days);
    }

    // A drill killed between two answers keeps every answer written before.
    void survivesBeingKilled() {
        Folder folder;
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--record-until-killed", folder.file()});
        QByteArray printed;
        while (printed.count('\n') < 25 && child.waitForReadyRead(30000)) printed += child.readAllStandardOutput();
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        printed += child.readAllStandardOutput();
        const int written = printed.left(printed.lastIndexOf('\n')).split('\n').last().toInt();
        QVERIFY(written >= 25);

        HistoryStore store(folder.file());
        const auto answers = store.answers();
        QVERIFY2(int(answers.size()) >= written, qPrintable(QString("%1 of %2").arg(answers.size()).arg(written)));
        for (int i = 0; i < int(answers.size()); ++i) QCOMPARE(answers[i].answer, std::to_string(i + 1));
        // The session counts every answer kept, and no end: the program never closed it.
        const int right = answers.size() >= 56 ? 1 : 0;
        QCOMPARE(SessionLines(store.sessions()),
                 QStringList{QString("1796731200000- frm23 %1/%2").arg(right).arg(int(answers.size()) - right)});
    }

    void damagedFileIsSetAside_data() {
        QTest::addColumn<bool>("pagesOnly");
        Row("not a database at all", false);
        Row("a database with damaged pages", true);
    }
    void damagedFileIsSetAside() {
        QFETCH(bool, pagesOnly);
        Folder folder;
        if (pagesOnly) {
            HistoryStore store(folder.file());
            store.importAnswers(History(QString("3+4✓ ").repeated(300)));
        }
        QFile file(folder.file());
        QVERIFY(file.open(QIODevice::ReadWrite));
        // Page 1 stays whole when only the pages are damaged; the rest is garbage.
        file.seek(pagesOnly ? 4096 : 0);
        file.write(QByteArray(pagesOnly ? file.size() - 4096 : 20000, '\xA5'));
        file.seek(0);
        const QByteArray damaged = file.readAll();
        file.close();

        HistoryStore store(folder.file());
        QStringList told;
        connect(&store, &HistoryStore::problemsArisen, this, [&] { told << store.takeProblems(); });
        Record(store, History("9-5✓ 9-5✓"));
        QCoreApplication::processEvents();

        const QString aside =
            folder.dir.filePath("history-damaged-" + QDate::currentDate().toString(Qt::ISODate) + ".sqlite");
        QCOMPARE(told, QStringList{"口算记录文件已损坏，已改名保存为 " + aside + "。新的口算记录从现在开始保存。"});
        QFile kept(aside);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), damaged);
        QCOMPARE(AnswerLines(store.answers()), (QStringList{"frm22 9-5=4 ✓ 2.5s", "frm22 9-5=4 ✓ 2.5s"}));
        QCOMPARE(store.sessions().size(), 1u);
    }

    // A file or folder the pupil may not write: the drill goes on, the pupil is told
    // once, what is stored still shows, and nothing left beside the file keeps a later
    // run from writing once it may.
    void cannotWrite_data() {
        QTest::addColumn<bool>("folderLocked");
        QTest::addColumn<bool>("fileThere");
        QTest::addColumn<bool>("staleIndex");
        QTest::addColumn<QString>("printed");
        const QString told = "口算记录文件 {file} 或它所在的文件夹不允许写入。口算照常进行，但新的答题记录不会被保存。";
        Row("a read-only folder, no file yet", true, false, false, told + "|read 0");
        Row("a read-only folder with a file", true, true, false, told + "|read 1");
        Row("a read-only file", false, true, false, told + "|read 1");
        Row("a log index an earlier run left read-only", false, true, true, QString("|read 6"));
    }
    void cannotWrite() {
        QFETCH(bool, folderLocked);
        QFETCH(bool, fileThere);
        QFETCH(bool, staleIndex);
        QFETCH(QString, printed);
        Folder folder;
        const QString inside = folder.dir.filePath("pupil");
        QVERIFY(QDir().mkpath(inside));
        const QString file = inside + "/history.sqlite";
        QByteArray index;
        if (fileThere) {
            HistoryStore store(file);
            Record(store, History("3+4✓"));
            if (staleIndex) {
                QFile open(file + "-shm");
                QVERIFY(open.open(QIODevice::ReadOnly));
                index = open.readAll();
            }
        }
        if (staleIndex) {
            QFile stale(file + "-shm");
            QVERIFY(stale.open(QIODevice::WriteOnly) && stale.write(index) == index.size());
            stale.close();
            HandToPupil(stale.fileName(), kReadable);
        }
        HandToPupil(folder.dir.path(), kEnterable);
        HandToPupil(inside, folderLocked ? kEnterable : kEnterable | QFile::WriteOwner);
        if (fileThere) HandToPupil(file, folderLocked || staleIndex ? kReadable | QFile::WriteOwner : kReadable);
        const QString shown = AsPupil({"--record-as-pupil", file});
        HandToPupil(inside, kEnterable | QFile::WriteOwner);
        QCOMPARE(shown, printed.replace("{file}", file));
        if (!fileThere) return;
        // Nothing beside the file is left that the pupil may not write.
        for (const QString& log : {file + "-wal", file + "-shm"})
            QVERIFY2(!QFileInfo::exists(log) || (QFile::permissions(log) & QFile::WriteOwner), qPrintable(log));
        // Once the file may be written, the next run keeps its answers.
        HandToPupil(file, kReadable | QFile::WriteOwner);
        QCOMPARE(AsPupil({"--record-as-pupil", file}), QString("|read %1").arg(staleIndex ? 11 : 6));
    }

    // A disk that fills up: the pupil is told that, not of a write error; what is stored
    // still shows; nothing stunted is left beside the file, so another program reads it
    // and the next run writes once there is room again.
    void fullDisk() {
        if (geteuid() != 0) QSKIP("a small disk is mounted by root alone");
        Folder folder;
        const QByteArray disk = QFile::encodeName(folder.dir.path());
        if (::mount("tmpfs", disk.constData(), "tmpfs", 0, "size=256k") != 0) QSKIP("no disk can be mounted here");
        const auto unmount = qScopeGuard([&] { ::umount2(disk.constData(), MNT_DETACH); });
        {
            HistoryStore store(folder.file());
            store.importAnswers(History(QString("3+4✓ ").repeated(20)));
        }
        QFile filler(folder.dir.filePath("filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        for (int chunk : {65536, 4096, 1})
            while (filler.write(QByteArray(chunk, 'x')) == chunk) {
            }
        filler.close();
        {
            HistoryStore store(folder.file());
            QStringList told;
            connect(&store, &HistoryStore::problemsArisen, this, [&] { told << store.takeProblems(); });
            Record(store, History("9-5✓"));
            QCOMPARE(store.answers().size(), 20u);
            QCoreApplication::processEvents();
            QCOMPARE(told, QStringList{"磁盘已满，口算记录文件 " + folder.file() +
                                       " 写不下了。口算照常进行，但新的答题记录不会被保存。"});
        }
        const QFileInfo index(folder.file() + "-shm");
        QVERIFY2(!index.exists() || index.size() >= 32768, qPrintable(QString::number(index.size())));
        QVERIFY(filler.remove());
        {
            QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other");
            other.setDatabaseName(folder.file());
            QVERIFY(other.open());
            QSqlQuery q(other);
            QVERIFY2(q.exec("SELECT COUNT(*) FROM answers") && q.next(), qPrintable(q.lastError().text()));
            QCOMPARE(q.value(0).toInt(), 20);
        }
        QSqlDatabase::removeDatabase("other");
        HistoryStore store(folder.file());
        Record(store, History("9-5✓"));
        QCOMPARE(store.answers().size(), 21u);
    }

    // A file of no bytes, as some programs leave one, is a new history, without a word.
    void emptyFileIsNew() {
        Folder folder;
        QFile empty(folder.file());
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        HistoryStore store(folder.file());
        QStringList told;
        connect(&store, &HistoryStore::problemsArisen, this, [&] { told << store.takeProblems(); });
        Record(store, History("9-5✓"));
        QCoreApplication::processEvents();
        QCOMPARE(told, QStringList());
        QCOMPARE(AnswerLines(store.answers()), QStringList{"frm22 9-5=4 ✓ 2.5s"});
    }

    // Another program holds the file: the answers wait, in order, and are written once it
    // lets go; the history window shows what is stored meanwhile.
    void busyFileKeepsTheAnswers() {
        Folder folder;
        {
            HistoryStore first(folder.file());
            Record(first, History("3+4✓"));
        }
        {
            QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other");
            other.setDatabaseName(folder.file());
            QVERIFY(other.open());
            QSqlQuery q(other);
            QVERIFY(q.exec("BEGIN EXCLUSIVE"));
            QVERIFY(q.exec("INSERT INTO sessions (start, window) VALUES (1, 'frm22')"));

            HistoryStore store(folder.file());
            QStringList told;
            connect(&store, &HistoryStore::problemsArisen, this, [&] { told << store.takeProblems(); });
            Record(store, History("9-5✓ 7×8✗"));
            ui::HistoryWindow window(store, kNow);
            QTRY_COMPARE(window.findChild<QLabel*>("lblSummary")->text(),
                         QString("共做了 1 题，正确率 100％，错题本里有 0 道题。"));
            QTRY_COMPARE(told, QStringList{"另一个程序正在使用口算记录文件 " + folder.file() +
                                           "。口算照常进行，答题记录先记下来，等那个程序用完这个文件再保存。"});
            QVERIFY(q.exec("ROLLBACK"));
            QTRY_COMPARE(store.answers().size(), 3u);
            QCOMPARE(AnswerLines(store.answers()).mid(1), (QStringList{"frm22 9-5=4 ✓ 2.5s", "frm22 7×8=57 ✗ 2.5s"}));
            QCOMPARE(SessionLines(store.sessions()).last(), QString("1788091200000-1796731200000 frm22 1/1"));
        }
        QSqlDatabase::removeDatabase("other");
    }

    // A settings file that cannot be read is never written over; one that cannot be
    // written keeps the choice for the run; each is told once.
    void settingsFaults_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("printed");
        Row("a damaged file is set aside", "damaged",
            "设置文件已损坏，已改名保存为 {aside}。设置从默认值重新开始。|true");
        Row("a folder in its place", "folder", "设置文件 {file} 读不了。这次使用默认设置，所做的选择不会被保存。|none");
        Row("a read-only file", "read-only",
            "设置文件 {file} 写不进去。所做的选择只在这次运行中有效，下次启动时不会保留。|false");
    }
    void settingsFaults() {
        QFETCH(QString, kind);
        QFETCH(QString, printed);
        Folder folder;
        const QString file = folder.dir.filePath("Velunda.conf");
        const QByteArray garbage = QByteArray("\x01\xfe[solution\nshown=\xff\n").repeated(1000);
        if (kind == "folder") QVERIFY(QDir().mkpath(file));
        QFile f(file);
        if (kind == "damaged") QVERIFY(f.open(QIODevice::WriteOnly) && f.write(garbage) == garbage.size());
        if (kind == "read-only") QVERIFY(f.open(QIODevice::WriteOnly) && f.write("[solution]\nshown=false\n") > 0);
        f.close();
        HandToPupil(folder.dir.path(), kEnterable | QFile::WriteOwner);
        if (kind != "folder") HandToPupil(file, kind == "read-only" ? kReadable : kReadable | QFile::WriteOwner);
        const QString aside =
            folder.dir.filePath("Velunda-damaged-" + QDate::currentDate().toString(Qt::ISODate) + ".conf");
        const QString told = AsPupil({"--choose-as-pupil", file});
        // What the next run reads.
        const QString next = ui::ProgramSettings(file).value("solution/shown", "none").toString();
        QCOMPARE(told + "|" + next, printed.replace("{file}", file).replace("{aside}", aside));
        if (kind == "damaged") {
            QFile kept(aside);
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), garbage);
        }
        if (kind == "folder") QVERIFY(QFileInfo(file).isDir());
    }

    // A file a later Velunda wrote: the drill goes on, the pupil is told once, and the
    // file is left as it was.
    void fileOfALaterVelunda() {
        Folder folder;
        {
            HistoryStore first(folder.file());
            Record(first, History("3+4✓"));
        }
        {
            QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other");
            other.setDatabaseName(folder.file());
            QVERIFY(other.open());
            QSqlQuery q(other);
            QVERIFY(q.exec("PRAGMA user_version = 99"));

            HistoryStore store(folder.file());
            QStringList told;
            connect(&store, &HistoryStore::problemsArisen, this, [&] { told << store.takeProblems(); });
            Record(store, History("9-5✓ 7×8✗"));
            QCoreApplication::processEvents();
            QCOMPARE(told,
                     QStringList{"口算记录文件 " + folder.file() +
                                 " 是更新版本的 Velunda 写的，这个版本读不了。口算照常进行，但答题记录不会被保存。"});
            QVERIFY(q.exec("SELECT COUNT(*) FROM answers") && q.next());
            QCOMPARE(q.value(0).toInt(), 1);
        }
        QSqlDatabase::removeDatabase("other");
    }

    // The drill window's side: a session with each answer, the problem as computed.
    void recorderKeepsTheDrill() {
        Folder folder;
        HistoryStore store(folder.file());
        QStringList told;
        {
            DrillRecorder recorder("frm22", [&](const std::string& m) { told << QString::fromStdString(m); });
            recorder.start(store, true);
            recorder.posed();
            recorder.answered(Fact("7×8"), "56", true);
            recorder.answered(Fact("9-5"), "3", false);
        }
        QStringList answers;
        for (AnswerRecord a : store.answers()) {
            QVERIFY(a.seconds >= 0 && a.time > kNow - 365 * kMillisecondsPerDay);
            a.seconds = 0;
            answers << AnswerLines({a});
        }
        QCOMPARE(answers, (QStringList{"frm22 7×8=56 ✓ 0s", "frm22 9-5=3 ✗ 0s"}));
        const auto sessions = store.sessions();
        QVERIFY(sessions.size() == 1 && sessions[0].end && sessions[0].wrongAnswers);
        QCOMPARE(QString("%1/%2").arg(sessions[0].right).arg(sessions[0].wrong), "1/1");
        QCOMPARE(told, QStringList());
    }

    // The program's store: one, in the application's data folder, opened when first
    // needed; what it was asked to write is written when the program ends.
    void programStore() {
        QTemporaryDir data;
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        const QString file = data.path() + "/" + QCoreApplication::applicationName() + "/history.sqlite";
        QCOMPARE(HistoryStore::DefaultPath(), file);
        QVERIFY(&HistoryStore::Shared() == &HistoryStore::Shared() && HistoryStore::Shared().path() == file);
        QVERIFY(!QFileInfo::exists(file));  // nothing opened before it is needed

        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--record-and-end"});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(HistoryStore(file).answers().size(), 20u);
    }

    // A file of the first layout, written as that Velunda wrote it, keeps every row.
    // A file of the first layout, or of the second as the last Velunda left it: brought
    // up to date, every answer kept, summed up per day and mode, the facts rebuilt.
    void migratesEarlierLayouts_data() {
        QTest::addColumn<int>("layout");
        Row("the first layout", 1);
        Row("the second layout", 2);
    }
    void migratesEarlierLayouts() {
        QFETCH(int, layout);
        Folder folder;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "first");
            db.setDatabaseName(folder.file());
            QVERIFY(db.open());
            QSqlQuery q(db);
            for (const char* statement : {
                     "CREATE TABLE answers (id INTEGER PRIMARY KEY, time INTEGER NOT NULL, window TEXT NOT NULL, "
                     "operation INTEGER NOT NULL, first INTEGER NOT NULL, second INTEGER NOT NULL, "
                     "answer TEXT NOT NULL, correct INTEGER NOT NULL, seconds REAL NOT NULL)",
                     "CREATE TABLE sessions (id INTEGER PRIMARY KEY, start INTEGER NOT NULL, end INTEGER, "
                     "window TEXT NOT NULL, right INTEGER NOT NULL DEFAULT 0, wrong INTEGER NOT NULL DEFAULT 0)",
                     "PRAGMA user_version = 1",
                     "INSERT INTO sessions VALUES (1, 1796644800000, 1796645000000, 'frm22', 2, 1)",
                     "INSERT INTO sessions VALUES (2, 1796731200000, NULL, 'frm23', 0, 1)",
                     "INSERT INTO answers VALUES (1, 1796644810000, 'frm22', 2, 7, 8, '56', 1, 4.5)",
                     "INSERT INTO answers VALUES (2, 1796644820000, 'frm22', 2, 7, 8, '54', 0, 6)",
                     "INSERT INTO answers VALUES (3, 1796644830000, 'frm22', 0, 3, 4, '7', 1, 1.5)",
                     "INSERT INTO answers VALUES (4, 1796731210000, 'frm23', 3, 56, 7, '9', 0, 8)",
                 })
                QVERIFY2(q.exec(statement), statement);
            if (layout == 2)
                for (const char* statement : kSecondLayout) QVERIFY2(q.exec(statement), statement);
        }
        QSqlDatabase::removeDatabase("first");

        HistoryStore store(folder.file());
        QCOMPARE(store.schemaVersion(), kHistorySchemaVersion);
        QCOMPARE(AnswerLines(store.answers(), true),
                 (QStringList{"1796644810000 frm22 7×8=56 ✓ 4.5s", "1796644820000 frm22 7×8=54 ✗ 6s",
                              "1796644830000 frm22 3+4=7 ✓ 1.5s", "1796731210000 frm23 56÷7=9 ✗ 8s"}));
        QCOMPARE(SessionLines(store.sessions()),
                 (QStringList{"1796644800000-1796645000000 frm22 2/1", "1796731200000- frm23 0/1"}));
        // The old answers are summed up per day and per fact.
        QStringList days;
        for (const DayStats& d : store.dayStats())
            days << QString::fromStdString(d.day) + " " + QString::number(d.answered);
        QCOMPARE(days, (QStringList{"2026-12-08 1", "2026-12-07 1", "2026-12-07 2"}));
        QCOMPARE(BookText(WrongAnswerBook(store.facts(), kNow)), "56÷7 7×8");
        // The test window's answers are the test's; the facts know their boxes.
        QCOMPARE(store.answers().back().mode, DrillMode::Test);
        QCOMPARE(store.dayStats().front().mode, DrillMode::Test);
        QStringList boxes;
        for (const FactHistory& f : store.facts())
            boxes << FactText(f.fact) + " box " + QString::number(f.box) + " " + QString::fromStdString(f.boxDay);
        QCOMPARE(boxes, (QStringList{"7×8 box 1 2026-12-07", "3+4 box 2 2026-12-07", "56÷7 box 1 2026-12-08"}));
        // New answers go on after the old ones.
        Record(store, History("9-5✓"));
        QCOMPARE(store.answers().size(), 5u);
    }

    void clearingLeavesNothingReadable() {
        Folder folder;
        HistoryStore store(folder.file());
        auto answers = History("3+4✓ 7×8✗");
        answers[1].answer = "4711";
        Record(store, answers);
        store.recordCheck({kNow, "frm12", "解正方形", "面积 S", "已知 a = 5", "4711", "✗", "", false, 0, false, 1});
        store.clear();
        QCOMPARE(store.answers().size() + store.sessions().size() + store.facts().size() + store.dayStats().size() +
                     store.checks().size(),
                 0u);
        for (const QString& name : QDir(folder.dir.path()).entryList(QDir::Files)) {
            QFile f(folder.dir.filePath(name));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QVERIFY2(!f.readAll().contains("4711"), qPrintable(name));
        }
    }

    // The window over a small history: the table, the grids, the export.
    void historyWindow() {
        Folder folder;
        HistoryStore store(folder.file());
        Record(store, History("7×8✗@1 3+4✓@1 3+4✓@1 3+4✓ 56÷7✓ 52÷4✗"));
        ui::HistoryWindow window(store, kNow);
        QCOMPARE(window.objectName() + " " + window.windowTitle(), "frmhistory 口算记录");
        QCOMPARE(TableRows(store, window),
                 (QStringList{"2026-12-08 加法 练习 1 100％ 2.5", "2026-12-08 除法 练习 2 50％ 2.5",
                              "2026-12-07 加法 练习 2 100％ 2.5", "2026-12-07 乘法 练习 1 0％ 2.5"}));
        QCOMPARE(window.grid(Operation::Multiplication)->at(7, 8), Mastery::Wrong);
        QCOMPARE(window.grid(Operation::Addition)->at(3, 4), Mastery::Mastered);
        QCOMPARE(window.grid(Operation::Division)->at(7, 8), Mastery::Shaky);
        QCOMPARE(window.grid(Operation::Addition)->at(4, 3), Mastery::Unseen);
        // A click on a cell tells the fact's record and how to work it.
        window.resize(1000, 700);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const ui::FactGrid* products = window.grid(Operation::Multiplication);
        const int line = QFontMetrics(products->font()).height();
        const int cell = std::min((products->width() - line - 4) / 10, (products->height() - 2 * line - 8) / 10);
        QTest::mouseClick(const_cast<ui::FactGrid*>(products), Qt::LeftButton, {},
                          QPoint(line + 2 + 8 * cell + cell / 2, 2 * line + 6 + 7 * cell + cell / 2));
        QCOMPARE(window.findChild<QLabel*>("lblDetail")->text(),
                 QString("7×8 答过 1 次，答对 0 次，在错题本里（第 1 盒）。算法：7 × 8：口诀“七八五十六”，7 × 8 = 56"));
        // A quotient above 9 has its place in the division grid's last column.
        QCOMPARE(window.grid(Operation::Division)->at(4, 10), Mastery::Wrong);
        QCOMPARE(window.grid(Operation::Division)->at(7, 10), Mastery::Unseen);

        const QString csv = folder.dir.filePath("export.csv");
        QCOMPARE(ui::WriteAnswersCsv(csv, store.answers(), {1, "学生1", "三年级2班"}), QString());
        QFile f(csv);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = f.readAll().split('\n');
        QCOMPARE(lines.size(), 8);
        QCOMPARE(lines[0], "\xEF\xBB\xBF" +
                               QString("时间,窗口,方式,题目,正确答案,学生的答案,对错,用时（秒）,姓名,班级\r").toUtf8());
        QCOMPARE(lines[1], QString("2026-12-07 10:21:00,口算练习,练习,7×8,56,57,错,2.5,学生1,三年级2班\r").toUtf8());

        // An answer recorded while the window is open shows in it.
        const QLabel* summary = window.findChild<QLabel*>("lblSummary");
        QVERIFY(summary->text().startsWith("共做了 6 题"));
        Record(store, History("9-5✓"));
        QTRY_VERIFY2(summary->text().startsWith("共做了 7 题"), qPrintable(summary->text()));

        // The solver windows' checks: a quantity answered wrong, then right, leaves the book;
        // the latest wrong one is in it, with its slip.
        const QLabel* solver = window.findChild<QLabel*>("lblSolver");
        QVERIFY(solver->text().contains("还没有记录"));
        for (const auto& [time, quantity, typed, right] :
             {std::tuple{kNow + 1, "面积 S", "20", false}, std::tuple{kNow + 2, "面积 S", "25", true},
              std::tuple{kNow + 3, "对角线 d", "10", false}})
            store.recordCheck({time, "frm12", "解正方形", quantity, "已知 a = 5", typed, right ? "✓" : "✗",
                               right ? "" : "对角线是 √2·a，这里把 √2 当成了 2", right, 0, false, 4});
        QTRY_COMPARE(solver->text(), QString("解题练习：检查了 3 个答案，对了 1 个，错题 1 道。"));
        const auto* book = window.findChild<QListWidget*>("lstSolverBook");
        QCOMPARE(book->count(), 1);
        QCOMPARE(book->item(0)->text(), QString("解正方形 · 对角线 d：10（对角线是 √2·a，这里把 √2 当成了 2）"));
    }

    // Pupils on one computer.

    void addingAPupil_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("told");
        QTest::addColumn<QString>("pupils");
        Row("a new pupil", "李四", " 三年级1班 ", "", "学生1|张三（三年级2班）|李四（三年级1班）");
        Row("an empty name", "  ", "三年级1班", "请填写学生的姓名。", "学生1|张三（三年级2班）");
        const char* taken = "已经有一位叫“张三”的学生了。请换一个名字，比如加上学号。";
        Row("a name taken", "张三", "三年级1班", taken, "学生1|张三（三年级2班）");
        Row("a name taken, blanks around it", " 张三 ", "", taken, "学生1|张三（三年级2班）");
    }
    void addingAPupil() {
        QFETCH(QString, name);
        QFETCH(QString, className);
        QFETCH(QString, told);
        QFETCH(QString, pupils);
        Folder folder;
        HistoryStore store(folder.file());
        Pupil zhang{0, "张三", "三年级2班"};
        QCOMPARE(store.addPupil(&zhang), QString());
        Pupil pupil{0, name, className};
        QCOMPARE(store.addPupil(&pupil), told);
        QCOMPARE(pupil.id > zhang.id, told.isEmpty());
        QStringList names;
        for (const Pupil& p : HistoryStore(folder.file()).pupils()) names << ui::PupilText(p);
        QCOMPARE(names.join('|'), pupils);
    }

    // Two pupils' answers, sessions, days, books, checks and sheets stay apart; switching
    // the store to a pupil shows that pupil's; clearing one pupil's history keeps the other's.
    void pupilsKeptApart_data() {
        QTest::addColumn<bool>("second");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("book");
        QTest::addColumn<QString>("days");
        QTest::addColumn<QString>("checks");
        QTest::addColumn<int>("sheet");
        Row("the first pupil", false, "frm22 7×8=57 ✗ 2.5s|frm22 3+4=7 ✓ 2.5s", "7×8", "乘法 1 0|加法 1 1", "面积 S",
            2);
        Row("the second pupil", true, "frm22 9-5=5 ✗ 2.5s", "9-5", "减法 1 0", "", 1);
    }
    void pupilsKeptApart() {
        QFETCH(bool, second);
        QFETCH(QString, answers);
        QFETCH(QString, book);
        QFETCH(QString, days);
        QFETCH(QString, checks);
        QFETCH(int, sheet);
        Folder folder;
        HistoryStore store(folder.file());
        const Pupil first{1, "学生1", ""};
        Pupil zhang{0, "张三", "三年级2班"};
        QCOMPARE(store.addPupil(&zhang), QString());
        Record(store, History("7×8✗ 3+4✓"));
        store.recordCheck({kNow, "frm12", "解正方形", "面积 S", "已知 a = 5", "20", "✗", "", false, 0, false, 4});
        store.keepSheet("K7Q2", {Fact("7×8"), Fact("3+4")});
        QSignalSpy switched(&store, &HistoryStore::pupilChanged);
        store.setPupil(zhang);
        store.setPupil(zhang);
        QCOMPARE(switched.size(), 1);  // told once, and only for another pupil
        Record(store, History("9-5✗"));
        store.keepSheet("K7Q2", {Fact("9-5")});
        store.setPupil(second ? zhang : first);
        auto read = [&](HistoryStore& s) {
            QStringList dayRows, checkRows;
            for (const DayStats& d : s.dayStats())
                dayRows << QString("%1 %2 %3")
                               .arg(QString("加法 减法 乘法 除法").split(' ')[int(d.operation)])
                               .arg(d.answered)
                               .arg(d.right);
            for (const SolverCheck& c : s.checks()) checkRows << QString::fromStdString(c.quantity);
            std::vector<Problem> kept;
            s.fetchSheet("K7Q2", this, [&](std::vector<Problem> p) { kept = std::move(p); });
            s.flush();
            QCoreApplication::processEvents();
            QCOMPARE(AnswerLines(s.answers()).join('|'), answers);
            QCOMPARE(BookText(WrongAnswerBook(s.facts(), kNow)), book);
            QCOMPARE(int(s.sessions().size()), 1);
            dayRows.sort();
            QCOMPARE(dayRows.join('|'), days);
            QCOMPARE(checkRows.join('|'), checks);
            QCOMPARE(int(kept.size()), sheet);
        };
        read(store);
        // The other pupil's history cleared: this pupil's stays, in this run and the next.
        store.setPupil(second ? first : zhang);
        store.clear();
        QCOMPARE(store.answers().size(), 0u);
        HistoryStore again(folder.file());
        again.setPupil(second ? zhang : first);
        read(again);
    }

    // A file of the fourth layout: every row kept, all of it the first pupil's.
    void migratesTheFourthLayout() {
        Folder folder;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "fourth");
            db.setDatabaseName(folder.file());
            QVERIFY(db.open());
            QSqlQuery q(db);
            for (const char* statement : kFourthLayout) QVERIFY2(q.exec(statement), statement);
        }
        QSqlDatabase::removeDatabase("fourth");
        HistoryStore store(folder.file());
        QCOMPARE(store.schemaVersion(), kHistorySchemaVersion);
        QStringList pupils;
        for (const Pupil& p : store.pupils()) pupils << QString::number(p.id) + " " + ui::PupilText(p);
        QCOMPARE(pupils, QStringList{"1 学生1"});
        QCOMPARE(AnswerLines(store.answers(), true),
                 (QStringList{"1796731210000 frm23 7×8=54 ✗ 6s", "1796731220000 frm23 3+4=7 ✓ 2s"}));
        QCOMPARE(SessionLines(store.sessions()), QStringList{"1796731200000-1796731300000 frm23 1/1"});
        QCOMPARE(store.dayStats().size(), 2u);
        QCOMPARE(store.medianSeconds(store.dayStats().back()), 6.0);
        QStringList facts;
        for (const FactHistory& f : store.facts())
            facts << FactText(f.fact) + " box " + QString::number(f.box) + " fast " + QString::number(f.fastDays);
        QCOMPARE(facts, (QStringList{"7×8 box 1 fast 0", "3+4 box 1 fast 1"}));
        QCOMPARE(store.checks().size(), 1u);
        std::vector<Problem> sheet;
        store.fetchSheet("K7Q2", this, [&](std::vector<Problem> p) { sheet = std::move(p); });
        store.flush();
        QCoreApplication::processEvents();
        QCOMPARE(sheet.size(), 2u);
        // The first pupil's next answer joins the old ones' sums; another pupil starts empty.
        Record(store, History("3+4✓"));
        QCOMPARE(store.facts()[1].answered, 2);
        Pupil zhang{0, "张三", ""};
        QCOMPARE(store.addPupil(&zhang), QString());
        store.setPupil(zhang);
        QCOMPARE(store.answers().size() + store.facts().size() + store.dayStats().size() + store.checks().size(), 0u);
    }

    // The class report.

    // Two pupils' files: the numbers per pupil and per fact, the most missed; a file
    // imported twice, and a later export of a pupil, counted once; the pupils' own records
    // untouched.
    void classReport() {
        Folder folder;
        HistoryStore store(folder.file());
        Record(store, History("7×8✗ 3+4✓"));
        const QStringList own = AnswerLines(store.answers());
        const QByteArray zhang = Export("张三", "三年级2班", "7×8✓2 7×8✗5 3+4✓1");
        const QByteArray li = Export("李四", "三年级2班", "7×8✗4 3+4✓3 9-5✓6");
        QCOMPARE(store.importClassFile("张三.csv", zhang), QString("张三.csv：导入了 3 道题。"));
        QCOMPARE(store.importClassFile("李四.csv", li), QString("李四.csv：导入了 3 道题。"));
        QCOMPARE(store.importClassFile("张三-副本.csv", zhang), QString("张三-副本.csv：这个文件已经导入过了。"));
        QCOMPARE(store.importClassFile("张三-后来.csv", Export("张三", "三年级2班", "7×8✓2 7×8✗5 3+4✓1 9-5✗3")),
                 QString("张三-后来.csv：导入了 1 道题，另有 3 道题已经在报告里了，没有再算。"));
        ui::ClassReportWindow window(store);
        QCOMPARE(window.objectName() + " " + window.windowTitle(), "frmclass 班级报告");
        QCOMPARE(Cells(window.findChild<QTableWidget*>("tblPupils")),
                 (QStringList{"张三 三年级2班 4 50％ 2.5 50％", "李四 三年级2班 3 66％ 4.0 33％"}));
        QCOMPARE(Cells(window.findChild<QTableWidget*>("tblFacts")),
                 (QStringList{"7×8 2 2 3 33％ 4.0 33％", "9-5 2 1 2 50％ 4.5 0％", "3+4 2 0 2 100％ 2.0 100％"}));
        QCOMPARE(window.findChild<QLabel*>("lblMissed")->text(),
                 QString("全班最常错的题：7×8（错 2 次）、9-5（错 1 次）"));
        QCOMPARE(window.findChild<QLabel*>("lblOverview")->text(),
                 QString("3 个文件，2 位学生，共 7 道题，正确率 57％，3 秒内答对 42％。"));
        QCOMPARE(AnswerLines(store.answers()), own);
        QCOMPARE(BookText(WrongAnswerBook(store.facts(), kNow)), "7×8");
        // Clearing the pupil's history leaves the report, and clearing the report the history.
        store.clear();
        QCOMPARE(int(store.classRecords().answers.size()), 7);
        Record(store, History("3+4✓"));
        store.clearClass();
        QCOMPARE(store.classRecords().answers.size(), 0u);
        QCOMPARE(store.classRecords().files, 0);
        QCOMPARE(store.answers().size(), 1u);
    }

    // A file that is not as the export writes it is refused with the line at fault, and
    // nothing of it is kept, not even its hash.
    void classImportRefusesAMalformedFile_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("fault");
        const QByteArray header = "\xEF\xBB\xBF时间,窗口,方式,题目,正确答案,学生的答案,对错,用时（秒）,姓名,班级\r\n";
        const QByteArray good = "2026-12-08 12:00:00,口算练习,练习,3+4,7,7,对,2.5,王五,三年级2班\r\n";
        Row("a problem no one can read, on line 7",
            header + good.repeated(5) + "2026-12-08 12:00:00,口算练习,练习,7x8,56,56,对,2.5,王五,三年级2班\r\n",
            "第 7 行格式不对：题目“7x8”看不懂");
        Row("a column too few", header + good + "2026-12-08 12:00:00,口算练习,练习,3+4,7,7,对,2.5,王五\r\n",
            "第 3 行格式不对：有 9 栏，应该是 10 栏");
        Row("neither right nor wrong", header + "2026-12-08 12:00:00,口算练习,练习,3+4,7,7,是,2.5,王五,三年级2班\n",
            "第 2 行格式不对：对错一栏应该是“对”或“错”，这里是“是”");
        Row("a time that is none", header + "昨天,口算练习,练习,3+4,7,7,对,2.5,王五,三年级2班\r\n",
            "第 2 行格式不对：时间“昨天”看不懂");
        Row("negative seconds", header + good + good + "2026-12-08 12:00:00,口算练习,练习,3+4,7,7,对,-1,王五,\r\n",
            "第 4 行格式不对：用时“-1”不是秒数");
        Row("no name", header + "2026-12-08 12:00:00,口算练习,练习,3+4,7,7,对,2.5, ,三年级2班\r\n",
            "第 2 行格式不对：姓名是空的");
        Row("an export without names",
            QByteArray("\xEF\xBB\xBF时间,窗口,方式,题目,正确答案,学生的答案,对错,用时（秒）\r\n"),
            "第 1 行格式不对：没有“姓名”这一栏，请导入“口算记录”导出的 CSV 文件");
        Row("an empty file", QByteArray(), "第 1 行格式不对：文件是空的");
        Row("no answers", header, "第 2 行格式不对：文件里没有答题记录");
        Row("a quote left open", header + good + good + "2026-12-08 12:00:00,口算练习,练习,3+4,7,\"7,对,2.5,王五,\r\n",
            "第 4 行格式不对：引号没有结束");
        Row("a quoted line break is counted",
            header + "2026-12-08 12:00:00,口算练习,练习,3+4,7,\"7\r\n7\",错,2.5,王五,三年级2班\r\n" +
                "2026-12-08 12:00:00,口算练习,练习,3+4,7,7,错,2.5,王五,三年级2班,\r\n",
            "第 4 行格式不对：有 11 栏，应该是 10 栏");
        Row("not UTF-8", header + good + "2026-12-08 12:00:00,\xbf\xda\xcb\xe3,练习,3+4,7,7,对,2.5,王五,\r\n",
            "第 3 行格式不对：不是 UTF-8 编码的文字，请导入“口算记录”导出的文件");
    }
    void classImportRefusesAMalformedFile() {
        QFETCH(QByteArray, content);
        QFETCH(QString, fault);
        Folder folder;
        HistoryStore store(folder.file());
        QCOMPARE(store.importClassFile("张三.csv", Export("张三", "", "7×8✓2")), QString("张三.csv：导入了 1 道题。"));
        QCOMPARE(store.importClassFile("坏.csv", content), "坏.csv：" + fault + "。这个文件没有导入。");
        const ClassRecords records = store.classRecords();
        QCOMPARE(records.answers.size(), 1u);
        QCOMPARE(records.files, 1);
    }

    // The report as a PDF, read back as text.
    void classReportPdf_data() {
        QTest::addColumn<QString>("line");
        Row("the title", "班级报告 · 口算");
        Row("the overview", "2 个文件，2 位学生，共 6 道题，正确率 66％，3 秒内答对 50％。");
        Row("the first pupil", "张三 三年级2班 3 66％ 2.0 66％");
        Row("the second pupil", "李四 三年级2班 3 66％ 4.0 33％");
        Row("the most missed fact", "7×8 2 2 3 33％ 4.0 33％");
    }
    void classReportPdf() {
        QFETCH(QString, line);
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
        Folder folder;
        HistoryStore store(folder.file());
        store.importClassFile("张三.csv", Export("张三", "三年级2班", "7×8✓2 7×8✗5 3+4✓1"));
        store.importClassFile("李四.csv", Export("李四", "三年级2班", "7×8✗4 3+4✓3 9-5✓6"));
        const ClassRecords records = store.classRecords();
        const QString pdf = folder.dir.filePath("班级报告.pdf");
        QCOMPARE(ui::WriteClassReportPdf(pdf, SummarizeClass(records.answers), records.files), QString());
        QProcess read;
        read.start(pdftotext, {"-layout", pdf, "-"});
        QVERIFY(read.waitForFinished(60000) && read.exitCode() == 0);
        // The CJK faces map some characters to their Kangxi radicals (⼝ for 口): compared
        // in compatibility form.
        const auto plain = [](const QString& t) { return t.normalized(QString::NormalizationForm_KC).simplified(); };
        QStringList lines;
        for (const QString& l : QString::fromUtf8(read.readAllStandardOutput()).split('\n')) lines << plain(l);
        QVERIFY2(std::ranges::any_of(lines, [&](const QString& l) { return l.endsWith(plain(line)); }),
                 qPrintable(lines.join('\n')));
    }

    // 清除记录 asks first; only 删除 deletes.
    void clearingAsksFirst_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("left");
        Row("删除 deletes every answer", "删除", 0);
        Row("取消 keeps them", "取消", 3);
    }
    void clearingAsksFirst() {
        QFETCH(QString, button);
        QFETCH(int, left);
        Folder folder;
        HistoryStore store(folder.file());
        Record(store, History("7×8✗ 3+4✓ 3+4✓"));
        ui::HistoryWindow window(store, kNow);
        window.show();
        QString asked;
        QTimer::singleShot(0, &window, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            asked = box->windowTitle() + "|" + box->text();
            for (QAbstractButton* b : box->buttons())
                if (b->text() == button) b->click();
        });
        window.findChild<QPushButton*>("cmdClear")->click();
        TableRows(store, window);
        QCOMPARE(asked, "清除记录|要删除全部口算记录吗？删除后无法恢复。");
        QCOMPARE(int(store.answers().size()), left);
        QCOMPARE(window.findChild<QTableView*>("tblDays")->model()->rowCount(), left ? 2 : 0);
        QCOMPARE(window.grid(Operation::Multiplication)->at(7, 8), left ? Mastery::Wrong : Mastery::Unseen);
    }
};

int main(int argc, char** argv) {
    // Days and times in the tests are UTC.
    qputenv("TZ", "UTC");
    tzset();
    if (argc == 3 && std::string(argv[1]) == "--record-until-killed") {
        QCoreApplication app(argc, argv);
        return RecordUntilKilled(QString::fromLocal8Bit(argv[2]));
    }
    if (argc == 3 && std::string(argv[1]) == "--record-as-pupil") {
        QCoreApplication app(argc, argv);
        return RecordAsPupil(QString::fromLocal8Bit(argv[2]));
    }
    if (argc == 3 && std::string(argv[1]) == "--choose-as-pupil") {
        QCoreApplication app(argc, argv);
        return ChooseAsPupil(QString::fromLocal8Bit(argv[2]));
    }
    if (argc == 2 && std::string(argv[1]) == "--record-and-end") {
        QApplication app(argc, argv);
        return RecordAndEnd();
    }
    QApplication app(argc, argv);
    HistoryTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_history.moc"
