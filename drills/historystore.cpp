#include "drills/historystore.h"

#include <pthread.h>
#include <sched.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTimer>
#include <QUrl>
#include <QVariant>
#include <atomic>
#include <chrono>
#include <future>
#include <map>
#include <optional>
#include <set>
#include <tuple>

#include "drills/pupils.h"

namespace velunda {
namespace {

// The layout of the first Velunda that kept a history: answers and sessions alone.
const char* const kSchemaVersion1[] = {
    "CREATE TABLE answers (id INTEGER PRIMARY KEY, time INTEGER NOT NULL, window TEXT NOT NULL, "
    "operation INTEGER NOT NULL, first INTEGER NOT NULL, second INTEGER NOT NULL, answer TEXT NOT NULL, "
    "correct INTEGER NOT NULL, seconds REAL NOT NULL)",
    "CREATE TABLE sessions (id INTEGER PRIMARY KEY, start INTEGER NOT NULL, end INTEGER, window TEXT NOT NULL, "
    "right INTEGER NOT NULL DEFAULT 0, wrong INTEGER NOT NULL DEFAULT 0)",
    "PRAGMA user_version = 1",
};

// Version 2: each answer knows its session and its local day; sessions know whether
// they practised the wrong-answer book. Two small tables, kept by a trigger as each
// answer is written, sum the answers up per day and operation and per fact, so that the
// history window reads a few hundred rows however long the history grows.
const char* const kMigrationTo2[] = {
    "ALTER TABLE answers ADD COLUMN session INTEGER REFERENCES sessions(id)",
    "ALTER TABLE answers ADD COLUMN day TEXT",
    "UPDATE answers SET day = date(time / 1000, 'unixepoch', 'localtime')",
    "ALTER TABLE sessions ADD COLUMN kind INTEGER NOT NULL DEFAULT 0",
    // The median time of a day's operation is read through this index.
    "CREATE INDEX answers_by_day ON answers (day, operation, seconds)",
    "CREATE TABLE days (day TEXT NOT NULL, operation INTEGER NOT NULL, answered INTEGER NOT NULL, "
    "right INTEGER NOT NULL, seconds REAL NOT NULL, PRIMARY KEY (day, operation)) WITHOUT ROWID",
    "INSERT INTO days SELECT day, operation, COUNT(*), SUM(correct), SUM(seconds) FROM answers "
    "GROUP BY day, operation",
    // Per fact: its answers, the right ones, the time of its latest wrong answer, the
    // right answers since, and its first answer, which orders the facts.
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

// Version 3: each answer knows how it was given (its session's mode), the daily sums are
// kept per mode, and the facts know the days they were answered right on and their
// Leitner box; the facts are kept by the writer, answer by answer, by the same rule as
// FoldAnswer, and rebuilt from the answers when a file is brought up to this version.
const char* const kMigrationTo3[] = {
    "ALTER TABLE answers ADD COLUMN mode INTEGER NOT NULL DEFAULT 0",
    "UPDATE answers SET mode = IFNULL((SELECT CASE WHEN s.kind = 2 THEN 3 WHEN s.kind = 1 THEN 2 "
    " WHEN s.window = 'frm23' THEN 1 ELSE 0 END FROM sessions AS s WHERE s.id = answers.session), "
    " CASE WHEN answers.window = 'frm23' THEN 1 ELSE 0 END)",
    "DROP TRIGGER answer_sums",
    "DROP INDEX answers_by_day",
    "CREATE INDEX answers_by_day ON answers (day, operation, mode, seconds)",
    "DROP TABLE days",
    "CREATE TABLE days (day TEXT NOT NULL, operation INTEGER NOT NULL, mode INTEGER NOT NULL, "
    "answered INTEGER NOT NULL, right INTEGER NOT NULL, seconds REAL NOT NULL, PRIMARY KEY (day, operation, mode)) "
    "WITHOUT ROWID",
    "INSERT INTO days SELECT day, operation, mode, COUNT(*), SUM(correct), SUM(seconds) FROM answers "
    "GROUP BY day, operation, mode",
    "CREATE TRIGGER answer_days AFTER INSERT ON answers BEGIN "
    " INSERT INTO days VALUES (NEW.day, NEW.operation, NEW.mode, 1, NEW.correct, NEW.seconds) "
    "  ON CONFLICT (day, operation, mode) DO UPDATE SET answered = answered + 1, right = right + excluded.right, "
    "  seconds = seconds + excluded.seconds; "
    "END",
    "ALTER TABLE facts ADD COLUMN right_days INTEGER NOT NULL DEFAULT 0",
    "ALTER TABLE facts ADD COLUMN last_right_day TEXT",
    "ALTER TABLE facts ADD COLUMN box INTEGER NOT NULL DEFAULT 0",
    "ALTER TABLE facts ADD COLUMN box_day TEXT",
    "ALTER TABLE facts ADD COLUMN fast_days INTEGER NOT NULL DEFAULT 0",
    "ALTER TABLE facts ADD COLUMN last_fast_day TEXT",
    "DELETE FROM facts",
    // The problems of each sheet made from the pupil's own facts, by its code.
    "CREATE TABLE sheets (code TEXT PRIMARY KEY, problems TEXT NOT NULL)",
    "PRAGMA user_version = 3",
};

// Version 4: the answers pupils typed into the solver windows, as they were checked.
const char* const kMigrationTo4[] = {
    "CREATE TABLE checks (id INTEGER PRIMARY KEY, time INTEGER NOT NULL, window TEXT NOT NULL, title TEXT NOT NULL, "
    "quantity TEXT NOT NULL, givens TEXT NOT NULL, typed TEXT NOT NULL, verdict TEXT NOT NULL, slip TEXT NOT NULL, "
    "correct INTEGER NOT NULL, hints INTEGER NOT NULL, shown INTEGER NOT NULL, seconds REAL NOT NULL)",
    "PRAGMA user_version = 4",
};

// Version 5: several pupils on one computer. Each answer, session, check and sheet, and
// the sums per day and per fact, belong to a pupil; what the file held before belongs to
// the first pupil. The tables whose keys gain the pupil are made afresh and copied over.
// Beside them, apart from every pupil's own records, the class report: the CSV files a
// teacher imported (by the hash of their content) and their answers.
const char* const kMigrationTo5[] = {
    "CREATE TABLE pupils (id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE, class TEXT NOT NULL DEFAULT '')",
    "INSERT INTO pupils (id, name) VALUES (1, '学生1')",
    "ALTER TABLE answers ADD COLUMN pupil INTEGER NOT NULL DEFAULT 1",
    "ALTER TABLE sessions ADD COLUMN pupil INTEGER NOT NULL DEFAULT 1",
    "ALTER TABLE checks ADD COLUMN pupil INTEGER NOT NULL DEFAULT 1",
    "DROP INDEX answers_by_day",
    "CREATE INDEX answers_by_day ON answers (pupil, day, operation, mode, seconds)",
    "DROP TRIGGER answer_days",
    "ALTER TABLE days RENAME TO days_4",
    "CREATE TABLE days (pupil INTEGER NOT NULL, day TEXT NOT NULL, operation INTEGER NOT NULL, mode INTEGER NOT NULL, "
    "answered INTEGER NOT NULL, right INTEGER NOT NULL, seconds REAL NOT NULL, "
    "PRIMARY KEY (pupil, day, operation, mode)) WITHOUT ROWID",
    "INSERT INTO days SELECT 1, day, operation, mode, answered, right, seconds FROM days_4",
    "DROP TABLE days_4",
    "CREATE TRIGGER answer_days AFTER INSERT ON answers BEGIN "
    " INSERT INTO days VALUES (NEW.pupil, NEW.day, NEW.operation, NEW.mode, 1, NEW.correct, NEW.seconds) "
    "  ON CONFLICT (pupil, day, operation, mode) DO UPDATE SET answered = answered + 1, "
    "  right = right + excluded.right, seconds = seconds + excluded.seconds; "
    "END",
    "ALTER TABLE facts RENAME TO facts_4",
    "CREATE TABLE facts (pupil INTEGER NOT NULL, operation INTEGER NOT NULL, first INTEGER NOT NULL, "
    "second INTEGER NOT NULL, answered INTEGER NOT NULL, right INTEGER NOT NULL, last_wrong INTEGER, "
    "right_since INTEGER NOT NULL, first_answer INTEGER NOT NULL, right_days INTEGER NOT NULL DEFAULT 0, "
    "last_right_day TEXT, box INTEGER NOT NULL DEFAULT 0, box_day TEXT, fast_days INTEGER NOT NULL DEFAULT 0, "
    "last_fast_day TEXT, PRIMARY KEY (pupil, operation, first, second))",
    "INSERT INTO facts SELECT 1, operation, first, second, answered, right, last_wrong, right_since, first_answer, "
    "right_days, last_right_day, box, box_day, fast_days, last_fast_day FROM facts_4",
    "DROP TABLE facts_4",
    "ALTER TABLE sheets RENAME TO sheets_4",
    "CREATE TABLE sheets (pupil INTEGER NOT NULL, code TEXT NOT NULL, problems TEXT NOT NULL, "
    "PRIMARY KEY (pupil, code))",
    "INSERT INTO sheets SELECT 1, code, problems FROM sheets_4",
    "DROP TABLE sheets_4",
    "CREATE TABLE class_files (id INTEGER PRIMARY KEY, hash TEXT NOT NULL UNIQUE, name TEXT NOT NULL, "
    "imported INTEGER NOT NULL)",
    "CREATE TABLE class_answers (file INTEGER NOT NULL, pupil TEXT NOT NULL, class TEXT NOT NULL, time TEXT NOT NULL, "
    "operation INTEGER NOT NULL, first INTEGER NOT NULL, second INTEGER NOT NULL, typed TEXT NOT NULL, "
    "correct INTEGER NOT NULL, seconds REAL NOT NULL, "
    "UNIQUE (pupil, class, time, operation, first, second, typed, seconds))",
    "PRAGMA user_version = 5",
};

// SQLite's primary result codes.
enum SqliteCode {
    Busy = 5,
    Locked = 6,
    ReadOnly = 8,
    IoError = 10,
    Corrupt = 11,
    Full = 13,
    CantOpen = 14,
    NotADb = 26
};

int PrimaryCode(const QSqlError& error) { return error.nativeErrorCode().toInt() & 0xff; }

bool IsCorrupt(const QSqlError& error) {
    const int code = PrimaryCode(error);
    return code == Corrupt || code == NotADb;
}

QString Day(HistoryTime time) { return QString::fromStdString(LocalDay(time)); }

std::string Text(const QVariant& v) { return v.toString().toStdString(); }

Operation OperationOf(int stored) { return stored >= 0 && stored <= 3 ? Operation(stored) : Operation::Addition; }

DrillMode ModeOfStored(int stored) { return stored >= 0 && stored <= 4 ? DrillMode(stored) : DrillMode::Practice; }

}  // namespace

// The store's connection, used on the store's thread alone. It opens the file on its
// first use. Writes wait, in order, while another program holds the file; after any
// other fault of a write the file is read only, so what is stored still shows.
class HistoryWriter {
public:
    HistoryWriter(const QString& path, std::function<void(const QString&)> tell, std::function<void()> connected,
                  std::function<void()> wrote)
        : path_(path), tell_(std::move(tell)), connected_(std::move(connected)), wrote_(std::move(wrote)) {
        static std::atomic<int> connections{0};
        connection_ = QString("history-%1").arg(++connections);
    }
    ~HistoryWriter() { close(); }

    void beginSession(HistoryStore::Session handle, const SessionRecord& session) {
        write([this, handle, session, pupil = pupil_] {
            Running& r = running_[handle];
            r = {session, -1, pupil};
            return insertSession(r);
        });
    }

    void recordAnswer(HistoryStore::Session handle, const AnswerRecord& answer) {
        write([this, handle, answer] {
            auto it = running_.find(handle);
            if (it == running_.end()) return QSqlError();
            Running& r = it->second;
            const Running before = r;
            (answer.right ? r.record.right : r.record.wrong) += 1;
            QSqlError error = transaction([&] {
                if (r.row < 0)
                    if (QSqlError e = insertSession(r); e.isValid()) return e;
                if (QSqlError e = insertAnswer(r.pupil, answer, r.row, ModeOf(r.record)); e.isValid()) return e;
                QSqlQuery q(db());
                q.prepare("UPDATE sessions SET right = ?, wrong = ? WHERE id = ?");
                q.addBindValue(r.record.right);
                q.addBindValue(r.record.wrong);
                q.addBindValue(r.row);
                return q.exec() ? QSqlError() : q.lastError();
            });
            // Rolled back: the answer is written whole when it is tried again.
            if (error.isValid()) r = before;
            return error;
        });
    }

    void endSession(HistoryStore::Session handle, HistoryTime end) {
        write([this, handle, end] {
            auto it = running_.find(handle);
            if (it == running_.end()) return QSqlError();
            if (it->second.row >= 0) {
                QSqlQuery q(db());
                q.prepare("UPDATE sessions SET end = ? WHERE id = ?");
                q.addBindValue(qint64(end));
                q.addBindValue(it->second.row);
                if (!q.exec()) return q.lastError();
            }
            running_.erase(it);
            return QSqlError();
        });
    }

    void importAnswers(std::vector<AnswerRecord> answers) {
        write([this, answers = std::move(answers), pupil = pupil_] {
            return transaction([&]() -> QSqlError {
                std::map<std::pair<QString, std::string>, Running> days;
                for (const AnswerRecord& a : answers) {
                    Running& r = days[{Day(a.time), a.window}];
                    if (r.row < 0) {
                        r.record = {a.time, a.time, a.window};
                        r.pupil = pupil;
                        if (QSqlError e = insertSession(r); e.isValid()) return e;
                    }
                    (a.right ? r.record.right : r.record.wrong) += 1;
                    r.record.end = a.time;
                    if (QSqlError e = insertAnswer(pupil, a, r.row, ModeOf(r.record)); e.isValid()) return e;
                }
                QSqlQuery q(db());
                q.prepare("UPDATE sessions SET end = ?, right = ?, wrong = ? WHERE id = ?");
                for (const auto& [key, r] : days) {
                    q.addBindValue(qint64(*r.record.end));
                    q.addBindValue(r.record.right);
                    q.addBindValue(r.record.wrong);
                    q.addBindValue(r.row);
                    if (!q.exec()) return q.lastError();
                }
                return {};
            });
        });
    }

    void clear() {
        // The pupil's own history; the other pupils' and the class report stay.
        write([this, pupil = pupil_] {
            QSqlQuery q(db());
            // Deleted rows are overwritten with zeros, and the log that still holds them
            // is emptied, so that nothing of the history stays readable in the file.
            if (!q.exec("PRAGMA secure_delete = ON")) return q.lastError();
            if (QSqlError e = transaction([&] {
                    QSqlQuery d(db());
                    for (const char* table : {"answers", "sessions", "days", "facts", "sheets", "checks"}) {
                        d.prepare(QString("DELETE FROM %1 WHERE pupil = ?").arg(table));
                        d.addBindValue(pupil);
                        if (!d.exec()) return d.lastError();
                    }
                    return QSqlError();
                });
                e.isValid())
                return e;
            for (auto& [handle, r] : running_)
                if (r.pupil == pupil) r.row = -1;  // written afresh with their next answer
            if (!q.exec("PRAGMA wal_checkpoint(TRUNCATE)")) return q.lastError();
            return q.exec("VACUUM") ? QSqlError() : q.lastError();
        });
    }

    std::vector<DayStats> dayStats() {
        std::vector<DayStats> days;
        read([&] {
            days.clear();
            QSqlQuery q(db());
            q.setForwardOnly(true);
            q.prepare(
                "SELECT day, operation, mode, answered, right, seconds FROM days WHERE pupil = ? "
                "ORDER BY day DESC, operation, mode");
            q.addBindValue(pupil_);
            if (!q.exec()) return q.lastError();
            while (q.next())
                days.push_back({Text(q.value(0)), OperationOf(q.value(1).toInt()), ModeOfStored(q.value(2).toInt()),
                                q.value(3).toInt(), q.value(4).toInt(), q.value(5).toDouble()});
            return QSqlError();
        });
        return days;
    }

    double medianSeconds(const DayStats& group) {
        double median = 0;
        read([&] {
            median = 0;
            if (group.answered <= 0) return QSqlError();
            // The middle one or two of the group's times, found in the index.
            QSqlQuery q(db());
            q.setForwardOnly(true);
            q.prepare(
                "SELECT AVG(seconds) FROM (SELECT seconds FROM answers WHERE pupil = ? AND day = ? AND operation = ? "
                "AND mode = ? ORDER BY seconds LIMIT ? OFFSET ?)");
            q.addBindValue(pupil_);
            q.addBindValue(QString::fromStdString(group.day));
            q.addBindValue(int(group.operation));
            q.addBindValue(int(group.mode));
            q.addBindValue(2 - group.answered % 2);
            q.addBindValue((group.answered - 1) / 2);
            if (!q.exec()) return q.lastError();
            if (q.next()) median = q.value(0).toDouble();
            return QSqlError();
        });
        return median;
    }

    std::vector<FactHistory> facts() {
        std::vector<FactHistory> facts;
        read([&] {
            facts.clear();
            QSqlQuery q(db());
            q.setForwardOnly(true);
            q.prepare(
                "SELECT operation, first, second, answered, right, last_wrong, right_since, first_answer, "
                "right_days, last_right_day, box, box_day, fast_days, last_fast_day FROM facts WHERE pupil = ? "
                "ORDER BY first_answer");
            q.addBindValue(pupil_);
            if (!q.exec()) return q.lastError();
            while (q.next()) {
                FactHistory f;
                f.fact = {OperationOf(q.value(0).toInt()), std::int16_t(q.value(1).toInt()),
                          std::int16_t(q.value(2).toInt())};
                ReadFact(q, 3, &f, nullptr);
                facts.push_back(f);
            }
            return QSqlError();
        });
        return facts;
    }

    std::vector<AnswerRecord> answers() {
        std::vector<AnswerRecord> answers;
        read([&] {
            answers.clear();
            QSqlQuery q(db());
            q.setForwardOnly(true);
            q.prepare(
                "SELECT time, window, operation, first, second, answer, correct, seconds, mode FROM answers "
                "WHERE pupil = ? ORDER BY id");
            q.addBindValue(pupil_);
            if (!q.exec()) return q.lastError();
            while (q.next())
                answers.push_back({q.value(0).toLongLong(), Text(q.value(1)),
                                   Problem{OperationOf(q.value(2).toInt()), std::int16_t(q.value(3).toInt()),
                                           std::int16_t(q.value(4).toInt())},
                                   Text(q.value(5)), q.value(6).toBool(), q.value(7).toDouble(),
                                   ModeOfStored(q.value(8).toInt())});
            return QSqlError();
        });
        return answers;
    }

    std::vector<SessionRecord> sessions() {
        std::vector<SessionRecord> sessions;
        read([&] {
            sessions.clear();
            QSqlQuery q(db());
            q.setForwardOnly(true);
            q.prepare("SELECT start, end, window, kind, right, wrong FROM sessions WHERE pupil = ? ORDER BY id");
            q.addBindValue(pupil_);
            if (!q.exec()) return q.lastError();
            while (q.next()) {
                SessionRecord s{q.value(0).toLongLong(), std::nullopt,       Text(q.value(2)),
                                q.value(3).toInt() == 1, q.value(4).toInt(), q.value(5).toInt(),
                                q.value(3).toInt() == 2};
                if (!q.value(1).isNull()) s.end = q.value(1).toLongLong();
                sessions.push_back(s);
            }
            return QSqlError();
        });
        return sessions;
    }

    int schemaVersion() { return open() == Opened::Yes ? version_ : 0; }

    void setPupil(const Pupil& pupil) {
        pupil_ = pupil.id;
        pupilRow_ = pupil;
        if (opened_ && !writesOff_) ensurePupil();
    }

    std::vector<Pupil> pupils() {
        std::vector<Pupil> pupils;
        read([&] {
            pupils.clear();
            QSqlQuery q(db());
            q.setForwardOnly(true);
            if (!q.exec("SELECT id, name, class FROM pupils ORDER BY id")) return q.lastError();
            while (q.next()) pupils.push_back({q.value(0).toInt(), q.value(1).toString(), q.value(2).toString()});
            return QSqlError();
        });
        return pupils;
    }

    // A write whose answer the caller waits for: done now, or not at all.
    QSqlError writeNow(const std::function<QSqlError()>& work, bool* kept) {
        *kept = false;
        if (writesOff_ || open() != Opened::Yes || writesOff_) return {};
        const QSqlError error = transaction(work);
        if (!error.isValid()) {
            *kept = true;
            if (wrote_) wrote_();
        } else if (!IsBusy(error)) {
            stopWriting(error);
        }
        return error;
    }

    QString addPupil(Pupil* pupil) {
        bool taken = false, kept = false;
        writeNow(
            [&] {
                QSqlQuery q(db());
                q.prepare("SELECT COUNT(*) FROM pupils WHERE name = ?");
                q.addBindValue(pupil->name);
                if (!q.exec() || !q.next()) return q.lastError();
                if ((taken = q.value(0).toInt() > 0)) return QSqlError();
                q.prepare("INSERT INTO pupils (name, class) VALUES (?, ?)");
                q.addBindValue(pupil->name);
                q.addBindValue(pupil->className);
                if (!q.exec()) return q.lastError();
                pupil->id = q.lastInsertId().toInt();
                return QSqlError();
            },
            &kept);
        if (taken) return QString("已经有一位叫“%1”的学生了。请换一个名字，比如加上学号。").arg(pupil->name);
        if (!kept) return "学生没有添加上：口算记录文件现在不能写入。";
        return {};
    }

    // The file's hash and name, and its answers: the counts of those added and of those
    // already in the report; none added when the file was imported before.
    struct ClassImport {
        bool kept = false;
        bool before = false;
        int added = 0;
        int known = 0;
    };
    ClassImport importClass(const QString& hash, const QString& name, const std::vector<ClassAnswer>& answers) {
        ClassImport result;
        writeNow(
            [&] {
                result.added = result.known = 0;
                QSqlQuery q(db());
                q.prepare("SELECT COUNT(*) FROM class_files WHERE hash = ?");
                q.addBindValue(hash);
                if (!q.exec() || !q.next()) return q.lastError();
                if ((result.before = q.value(0).toInt() > 0)) return QSqlError();
                q.prepare("INSERT INTO class_files (hash, name, imported) VALUES (?, ?, ?)");
                q.addBindValue(hash);
                q.addBindValue(name);
                q.addBindValue(QDateTime::currentMSecsSinceEpoch());
                if (!q.exec()) return q.lastError();
                const qint64 file = q.lastInsertId().toLongLong();
                q.prepare(
                    "INSERT OR IGNORE INTO class_answers (file, pupil, class, time, operation, first, second, typed, "
                    "correct, seconds) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
                // An empty text is stored as one, never as NULL, which the table refuses.
                const auto text = [](const QString& t) { return QVariant(t.isNull() ? QString("") : t); };
                for (const ClassAnswer& a : answers) {
                    for (const QVariant& v :
                         {QVariant(file), text(a.pupil), text(a.className), text(a.time),
                          QVariant(int(a.problem.operation)), QVariant(a.problem.first), QVariant(a.problem.second),
                          text(a.typed), QVariant(int(a.right)), QVariant(a.seconds)})
                        q.addBindValue(v);
                    if (!q.exec()) return q.lastError();
                    (q.numRowsAffected() > 0 ? result.added : result.known) += 1;
                }
                return QSqlError();
            },
            &result.kept);
        return result;
    }

    ClassRecords classRecords() {
        ClassRecords records;
        read([&] {
            records = {};
            QSqlQuery q(db());
            q.setForwardOnly(true);
            if (!q.exec("SELECT pupil, class, time, operation, first, second, typed, correct, seconds "
                        "FROM class_answers ORDER BY rowid"))
                return q.lastError();
            while (q.next())
                records.answers.push_back({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                                           Problem{OperationOf(q.value(3).toInt()), std::int16_t(q.value(4).toInt()),
                                                   std::int16_t(q.value(5).toInt())},
                                           q.value(6).toString(), q.value(7).toBool(), q.value(8).toDouble()});
            if (!q.exec("SELECT COUNT(*) FROM class_files") || !q.next()) return q.lastError();
            records.files = q.value(0).toInt();
            return QSqlError();
        });
        return records;
    }

    void clearClass() {
        write([this] {
            return transaction([&] {
                QSqlQuery q(db());
                for (const char* table : {"class_answers", "class_files"})
                    if (!q.exec(QString("DELETE FROM ") + table)) return q.lastError();
                return QSqlError();
            });
        });
    }

    // A sheet's problems as "operation first second" triples.
    void recordCheck(const SolverCheck& c) {
        write([this, c, pupil = pupil_] {
            QSqlQuery q(db());
            q.prepare(
                "INSERT INTO checks (time, window, title, quantity, givens, typed, verdict, slip, correct, hints, "
                "shown, seconds, pupil) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
            const auto text = [](const std::string& t) { return QVariant(QString::fromStdString(t)); };
            for (const QVariant& v :
                 {QVariant(qint64(c.time)), text(c.window), text(c.title), text(c.quantity), text(c.givens),
                  text(c.typed), text(c.verdict), text(c.slip), QVariant(int(c.right)), QVariant(c.hints),
                  QVariant(int(c.shown)), QVariant(c.seconds), QVariant(pupil)})
                q.addBindValue(v);
            return q.exec() ? QSqlError() : q.lastError();
        });
    }

    std::vector<SolverCheck> checks() {
        std::vector<SolverCheck> checks;
        read([&] {
            checks.clear();
            QSqlQuery q(db());
            q.setForwardOnly(true);
            q.prepare(
                "SELECT time, window, title, quantity, givens, typed, verdict, slip, correct, hints, shown, "
                "seconds FROM checks WHERE pupil = ? ORDER BY id");
            q.addBindValue(pupil_);
            if (!q.exec()) return q.lastError();
            while (q.next())
                checks.push_back({q.value(0).toLongLong(), Text(q.value(1)), Text(q.value(2)), Text(q.value(3)),
                                  Text(q.value(4)), Text(q.value(5)), Text(q.value(6)), Text(q.value(7)),
                                  q.value(8).toBool(), q.value(9).toInt(), q.value(10).toBool(),
                                  q.value(11).toDouble()});
            return QSqlError();
        });
        return checks;
    }

    void keepSheet(const std::string& code, const std::vector<Problem>& problems) {
        QString text;
        for (const Problem& p : problems) text += QString("%1 %2 %3;").arg(int(p.operation)).arg(p.first).arg(p.second);
        write([this, code, text, pupil = pupil_] {
            QSqlQuery q(db());
            q.prepare("INSERT OR REPLACE INTO sheets (pupil, code, problems) VALUES (?, ?, ?)");
            q.addBindValue(pupil);
            q.addBindValue(QString::fromStdString(code));
            q.addBindValue(text);
            return q.exec() ? QSqlError() : q.lastError();
        });
    }

    std::vector<Problem> sheet(const std::string& code) {
        std::vector<Problem> problems;
        read([&] {
            problems.clear();
            QSqlQuery q(db());
            q.prepare("SELECT problems FROM sheets WHERE pupil = ? AND code = ?");
            q.addBindValue(pupil_);
            q.addBindValue(QString::fromStdString(code));
            if (!q.exec()) return q.lastError();
            if (q.next())
                for (const QString& triple : q.value(0).toString().split(';', Qt::SkipEmptyParts)) {
                    const QStringList parts = triple.split(' ');
                    if (parts.size() == 3)
                        problems.push_back({OperationOf(parts[0].toInt()), std::int16_t(parts[1].toInt()),
                                            std::int16_t(parts[2].toInt())});
                }
            return QSqlError();
        });
        return problems;
    }

    // Writes what waits, in order, until the file is busy. False while some wait.
    bool writeWaiting() {
        while (!waiting_.empty()) {
            const Opened opened = writesOff_ ? Opened::No : open();
            if (opened == Opened::Busy) return waitedFor();
            if (opened == Opened::No || writesOff_) {
                waiting_.clear();  // no write can be kept this run
                break;
            }
            QSqlError error = waiting_.front()();
            if (error.isValid() && IsCorrupt(error) && setAside() && open() == Opened::Yes) error = waiting_.front()();
            if (error.isValid() && IsBusy(error)) return waitedFor();
            if (error.isValid())
                stopWriting(error);
            else if (wrote_)
                wrote_();
            waiting_.pop_front();
        }
        busySince_.invalidate();
        return true;
    }
    bool waiting() const { return !waiting_.empty(); }

private:
    struct Running {
        SessionRecord record;
        qint64 row = -1;
        int pupil = 1;  // the pupil whose session it is, whoever is chosen meanwhile
    };
    enum class Opened { Yes, No, Busy };

    QSqlDatabase db() const { return QSqlDatabase::database(connection_, false); }

    // The chosen pupil has its row in the file, also in a fresh one.
    void ensurePupil() {
        if (pupilRow_.id <= 0 || pupilRow_.name.isEmpty()) return;
        QSqlQuery q(db());
        q.prepare("INSERT OR IGNORE INTO pupils (id, name, class) VALUES (?, ?, ?)");
        q.addBindValue(pupilRow_.id);
        q.addBindValue(pupilRow_.name);
        q.addBindValue(pupilRow_.className);
        q.exec();
    }

    static bool IsBusy(const QSqlError& error) {
        const int code = PrimaryCode(error);
        return code == Busy || code == Locked;
    }

    // A write joins the ones waiting; it is tried at once unless they wait for the file.
    void write(std::function<QSqlError()> unit) {
        waiting_.push_back(std::move(unit));
        if (waiting_.size() == 1) writeWaiting();
    }

    // The file stays busy: the pupil is told once it has been for a while.
    bool waitedFor() {
        if (!busySince_.isValid()) busySince_.start();
        if (busySince_.elapsed() >= kTellBusyAfterMs) tell(HistoryFault::Locked);  // told once
        return false;
    }

    // Runs one read against the file. A damaged file is set aside; a read the file does
    // not answer gives nothing.
    void read(const std::function<QSqlError()>& work) {
        if (open() != Opened::Yes) return;
        QSqlError error = work();
        if (!error.isValid() || IsBusy(error) || writesOff_) return;  // a file read alone: nothing to mend
        if (IsCorrupt(error)) {
            if (setAside() && open() == Opened::Yes) work();
            return;
        }
        stopWriting(error);
        if (open() == Opened::Yes) work();
    }

    QSqlError transaction(const std::function<QSqlError()>& work) {
        QSqlQuery q(db());
        if (!q.exec("BEGIN IMMEDIATE")) return q.lastError();
        QSqlError error = work();
        if (!error.isValid() && q.exec("COMMIT")) return {};
        if (!error.isValid()) error = q.lastError();
        q.exec("ROLLBACK");
        return error;
    }

    QSqlError insertSession(Running& r) {
        QSqlQuery q(db());
        q.prepare("INSERT INTO sessions (start, end, window, kind, right, wrong, pupil) VALUES (?, ?, ?, ?, ?, ?, ?)");
        q.addBindValue(qint64(r.record.start));
        q.addBindValue(r.record.end ? QVariant(qint64(*r.record.end)) : QVariant());
        q.addBindValue(QString::fromStdString(r.record.window));
        q.addBindValue(r.record.today ? 2 : r.record.wrongAnswers ? 1 : 0);
        q.addBindValue(r.record.right);
        q.addBindValue(r.record.wrong);
        q.addBindValue(r.pupil);
        if (!q.exec()) return q.lastError();
        r.row = q.lastInsertId().toLongLong();
        return {};
    }

    QSqlError insertAnswer(int pupil, const AnswerRecord& a, qint64 session, DrillMode mode) {
        if (!insert_) {
            insert_ = std::make_unique<QSqlQuery>(db());
            insert_->prepare(
                "INSERT INTO answers (time, window, operation, first, second, answer, correct, seconds, session, day, "
                "mode, pupil) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        }
        QSqlQuery& q = *insert_;
        q.addBindValue(qint64(a.time));
        q.addBindValue(QString::fromStdString(a.window));
        q.addBindValue(int(a.problem.operation));
        q.addBindValue(a.problem.first);
        q.addBindValue(a.problem.second);
        q.addBindValue(QString::fromStdString(a.answer));
        q.addBindValue(a.right ? 1 : 0);
        q.addBindValue(a.seconds);
        q.addBindValue(session);
        q.addBindValue(Day(a.time));
        q.addBindValue(int(mode));
        q.addBindValue(pupil);
        if (!q.exec()) return q.lastError();
        return foldIntoFact(pupil, a, q.lastInsertId().toLongLong());
    }

    // Whether the file and the logs beside it may be written: SQLite writes its log
    // and the log's index next to the file, so a folder that may not be written is
    // enough to keep a file from being written unless both are there already.
    bool mayWrite() const {
        const QFileInfo file(path_), folder(QFileInfo(path_).absolutePath());
        if (!file.isWritable()) return false;
        if (folder.isWritable()) return true;
        const QFileInfo wal(path_ + "-wal"), shm(path_ + "-shm");
        return wal.isWritable() && shm.isWritable();
    }

    // Opens the file on first use, in write-ahead-log mode, and brings its layout up to
    // date; a file that may not be written is opened for reading.
    Opened open() {
        if (off_) return Opened::No;
        if (opened_) return Opened::Yes;
        QFileInfo file(path_);
        if (file.exists() && !mayWrite()) return openForReading(HistoryFault::ReadOnly);
        if (!QDir().mkpath(file.absolutePath())) {
            off(QFileInfo(file.absolutePath()).exists() ? HistoryFault::CannotOpen : HistoryFault::ReadOnly);
            return Opened::No;
        }
        if (writesOff_) return openForReading(std::nullopt);
        mendSharedMemory();
        {
            QSqlDatabase d = QSqlDatabase::addDatabase("QSQLITE", connection_);
            if (connected_) std::exchange(connected_, nullptr)();
            d.setDatabaseName(path_);
            // Another Velunda writing at the same moment is waited for, briefly, on this
            // thread; a longer hold makes the writes wait their turn.
            d.setConnectOptions(QString("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
            if (!d.open()) {
                const QSqlError error = d.lastError();
                close();
                off(FaultOf(error));
                return Opened::No;
            }
        }
        opened_ = true;
        QSqlError error = prepare();
        if (off_) return Opened::No;  // a later Velunda's file
        if (!error.isValid()) {
            ensurePupil();
            return Opened::Yes;
        }
        if (IsCorrupt(error)) return setAside() ? open() : Opened::No;
        if (IsBusy(error)) {
            close();
            return Opened::Busy;
        }
        stopWriting(error);
        return open();
    }

    // The file for reading alone: without its log when there is none, so that nothing
    // is created beside it.
    Opened openForReading(std::optional<HistoryFault> why) {
        if (why) tell(*why);
        writesOff_ = true;
        waiting_.clear();
        QFileInfo file(path_);
        if (!file.exists()) {
            off_ = true;
            return Opened::No;
        }
        if (!openReadOnly(file.absoluteFilePath())) {
            close();
            off_ = true;
            return Opened::No;
        }
        opened_ = true;
        if (version_ != kHistorySchemaVersion) {
            // A later layout cannot be read, and an earlier one cannot be brought up to date.
            close();
            off_ = true;
            return Opened::No;
        }
        return Opened::Yes;
    }

    bool openReadOnly(const QString& path) {
        QSqlDatabase d = QSqlDatabase::addDatabase("QSQLITE", connection_);
        if (connected_) std::exchange(connected_, nullptr)();
        QString uri = QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) + "?mode=ro";
        if (EmptyOrMissing(path_ + "-wal")) uri += "&immutable=1";
        d.setDatabaseName(uri);
        d.setConnectOptions("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI");
        if (!d.open()) return false;
        QSqlQuery q(d);
        if (!q.exec("PRAGMA user_version") || !q.next()) return false;
        version_ = q.value(0).toInt();
        return true;
    }

    static bool EmptyOrMissing(const QString& file) {
        const QFileInfo info(file);
        return !info.exists() || info.size() == 0;
    }

    QSqlError prepare() {
        QSqlQuery q(db());
        // A committed answer survives the program being killed and the power failing.
        if (!q.exec("PRAGMA journal_mode = WAL")) return q.lastError();
        if (!q.exec("PRAGMA synchronous = FULL")) return q.lastError();
        if (!q.exec("PRAGMA user_version") || !q.next()) return q.lastError();
        version_ = q.value(0).toInt();
        q.finish();  // a table is dropped below: no statement may still be reading
        if (version_ > kHistorySchemaVersion) {
            off(HistoryFault::TooNew);
            return {};
        }
        if (version_ == kHistorySchemaVersion) return {};
        return transaction([&] {
            QSqlQuery m(db());
            if (version_ == 0)
                for (const char* statement : kSchemaVersion1)
                    if (!m.exec(statement)) return m.lastError();
            if (version_ < 2)
                for (const char* statement : kMigrationTo2)
                    if (!m.exec(statement)) return m.lastError();
            if (version_ < 3)
                for (const char* statement : kMigrationTo3)
                    if (!m.exec(statement)) return m.lastError();
            if (version_ < 4)
                for (const char* statement : kMigrationTo4)
                    if (!m.exec(statement)) return m.lastError();
            for (const char* statement : kMigrationTo5)
                if (!m.exec(statement)) return m.lastError();
            // The facts of a file before version 3 are rebuilt in the layout of today.
            if (version_ < 3)
                if (QSqlError e = rebuildFacts(); e.isValid()) return e;
            version_ = kHistorySchemaVersion;
            return QSqlError();
        });
    }

    // The facts from every answer, in the order they were given.
    QSqlError rebuildFacts() {
        QSqlQuery q(db());
        q.setForwardOnly(true);
        if (!q.exec("SELECT id, time, operation, first, second, correct, seconds, pupil FROM answers ORDER BY id"))
            return q.lastError();
        std::map<std::tuple<int, int, int, int>, std::pair<FactHistory, qint64>> facts;
        while (q.next()) {
            AnswerRecord a;
            a.time = q.value(1).toLongLong();
            a.problem = {OperationOf(q.value(2).toInt()), std::int16_t(q.value(3).toInt()),
                         std::int16_t(q.value(4).toInt())};
            a.right = q.value(5).toBool();
            a.seconds = q.value(6).toDouble();
            auto [it, added] =
                facts.try_emplace({q.value(7).toInt(), int(a.problem.operation), a.problem.first, a.problem.second});
            if (added) {
                it->second.first.fact = a.problem;
                it->second.second = q.value(0).toLongLong();
            }
            FoldAnswer(it->second.first, a);
        }
        for (const auto& [key, fact] : facts)
            if (QSqlError e = storeFact(std::get<0>(key), fact.first, fact.second); e.isValid()) return e;
        return {};
    }

    // One fact's row, written whole.
    QSqlError storeFact(int pupil, const FactHistory& f, qint64 firstAnswer) {
        QSqlQuery q(db());
        q.prepare(
            "INSERT OR REPLACE INTO facts (pupil, operation, first, second, answered, right, last_wrong, right_since, "
            "first_answer, right_days, last_right_day, box, box_day, fast_days, last_fast_day) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        q.addBindValue(pupil);
        q.addBindValue(int(f.fact.operation));
        q.addBindValue(f.fact.first);
        q.addBindValue(f.fact.second);
        q.addBindValue(f.answered);
        q.addBindValue(f.right);
        q.addBindValue(f.lastWrong ? QVariant(qint64(*f.lastWrong)) : QVariant());
        q.addBindValue(f.rightSinceLastWrong);
        q.addBindValue(firstAnswer);
        q.addBindValue(f.rightDaysSinceLastWrong);
        q.addBindValue(QString::fromStdString(f.lastRightDay));
        q.addBindValue(f.box);
        q.addBindValue(QString::fromStdString(f.boxDay));
        q.addBindValue(f.fastDays);
        q.addBindValue(QString::fromStdString(f.lastFastDay));
        return q.exec() ? QSqlError() : q.lastError();
    }

    // The fact of an answer just written, brought up to date with it.
    QSqlError foldIntoFact(int pupil, const AnswerRecord& a, qint64 answerId) {
        QSqlQuery q(db());
        q.prepare(
            "SELECT answered, right, last_wrong, right_since, first_answer, right_days, last_right_day, box, box_day, "
            "fast_days, last_fast_day FROM facts WHERE pupil = ? AND operation = ? AND first = ? AND second = ?");
        q.addBindValue(pupil);
        q.addBindValue(int(a.problem.operation));
        q.addBindValue(a.problem.first);
        q.addBindValue(a.problem.second);
        if (!q.exec()) return q.lastError();
        FactHistory f;
        f.fact = a.problem;
        qint64 first = answerId;
        if (q.next()) ReadFact(q, 0, &f, &first);
        FoldAnswer(f, a);
        return storeFact(pupil, f, first);
    }

    // The columns from answered on, as the SELECTs here list them.
    static void ReadFact(const QSqlQuery& q, int at, FactHistory* f, qint64* firstAnswer) {
        f->answered = q.value(at).toInt();
        f->right = q.value(at + 1).toInt();
        if (!q.value(at + 2).isNull()) f->lastWrong = q.value(at + 2).toLongLong();
        f->rightSinceLastWrong = q.value(at + 3).toInt();
        if (firstAnswer) *firstAnswer = q.value(at + 4).toLongLong();
        f->rightDaysSinceLastWrong = q.value(at + 5).toInt();
        f->lastRightDay = Text(q.value(at + 6));
        f->box = q.value(at + 7).toInt();
        f->boxDay = Text(q.value(at + 8));
        f->fastDays = q.value(at + 9).toInt();
        f->lastFastDay = Text(q.value(at + 10));
    }

    void close() {
        insert_.reset();
        if (QSqlDatabase::contains(connection_)) {
            QSqlDatabase::database(connection_, false).close();
            QSqlDatabase::removeDatabase(connection_);
        }
        opened_ = false;
    }

    // The log's index (-shm) is made by whoever opens the file first, with the file's
    // own permissions, and is only whole once it has grown to its first 32 KB. One that
    // a read-only file left read-only, or that a full disk left a few bytes long, would
    // keep every later run from writing: it is given the file's permissions, and a
    // stunted one, which no program can be using, is removed.
    void mendSharedMemory() const {
        const QString shm = path_ + "-shm";
        const QFileInfo index(shm), file(path_);
        if (!index.exists() || !file.exists()) return;
        if (index.size() < kWholeSharedMemory) {
            QFile::remove(shm);
            if (EmptyOrMissing(path_ + "-wal")) QFile::remove(path_ + "-wal");
            return;
        }
        if (!index.isWritable() && file.isWritable()) QFile::setPermissions(shm, file.permissions());
    }

    // Moves the damaged file and its log aside, named with the date, and tells the
    // pupil; the sessions under way go on in the fresh file.
    bool setAside() {
        close();
        const QFileInfo file(path_);
        const QString stem = file.absolutePath() + "/" + file.completeBaseName() + "-damaged-" +
                             QDate::currentDate().toString(Qt::ISODate);
        QString aside = stem + "." + file.suffix();
        for (int n = 2; QFileInfo::exists(aside); ++n) aside = stem + "-" + QString::number(n) + "." + file.suffix();
        if (!QFile::rename(path_, aside)) {
            off(HistoryFault::CannotOpen);
            return false;
        }
        for (const char* log : {"-wal", "-shm"})
            if (QFileInfo::exists(path_ + log)) QFile::rename(path_ + log, aside + log);
        for (auto& [handle, r] : running_) r.row = -1;
        tell_(QString::fromStdString(HistoryFaultText(HistoryFault::Corrupt, aside.toStdString())));
        return true;
    }

    HistoryFault FaultOf(const QSqlError& error) const {
        const QString folder = QFileInfo(path_).absolutePath();
        switch (PrimaryCode(error)) {
            case Busy:
            case Locked:
                return HistoryFault::Locked;
            case ReadOnly:
                return HistoryFault::ReadOnly;
            case Full:
                return HistoryFault::DiskFull;
            case CantOpen:
                return QFileInfo(folder).isWritable() ? HistoryFault::CannotOpen : HistoryFault::ReadOnly;
            case Corrupt:
            case NotADb:
                return HistoryFault::CannotOpen;  // damaged again right after a fresh start
            default: {
                // SQLite says only "I/O error" when the log's index cannot grow on a full disk.
                const QStorageInfo disk(folder);
                return disk.isValid() && disk.bytesAvailable() < kNearlyFull ? HistoryFault::DiskFull
                                                                             : HistoryFault::CannotWrite;
            }
        }
    }

    // A write failed for good: the pupil is told why, nothing more is written this run,
    // and the file is opened again for reading.
    void stopWriting(const QSqlError& error) {
        if (off_) return;
        const HistoryFault fault = FaultOf(error);
        close();
        mendSharedMemory();
        openForReading(fault);
    }

    // Neither writes nor reads this run.
    void off(HistoryFault fault) {
        if (off_) return;
        off_ = writesOff_ = true;
        waiting_.clear();
        close();
        tell(fault);
    }

    // Each fault is told once.
    void tell(HistoryFault fault) {
        if (!told_.insert(fault).second) return;
        tell_(QString::fromStdString(HistoryFaultText(fault, QDir::toNativeSeparators(path_).toStdString())));
    }

    static constexpr int kBusyTimeoutMs = 250;
    static constexpr int kTellBusyAfterMs = 1000;
    static constexpr qint64 kWholeSharedMemory = 32768;
    static constexpr qint64 kNearlyFull = 1 << 20;

    QString path_;
    QString connection_;
    std::function<void(const QString&)> tell_;
    std::function<void()> connected_;  // once, after the first connection is made
    std::function<void()> wrote_;      // after each write that reached the file
    bool opened_ = false;
    bool writesOff_ = false;  // no write is tried again this run; the file is open for reading
    bool off_ = false;        // nor any read
    int version_ = 0;
    int pupil_ = 1;
    Pupil pupilRow_;
    std::set<HistoryFault> told_;
    std::map<HistoryStore::Session, Running> running_;
    std::deque<std::function<QSqlError()>> waiting_;  // the writes not yet done, in order
    QElapsedTimer busySince_;
    std::unique_ptr<QSqlQuery> insert_;
};

QString HistoryStore::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/history.sqlite";
}

namespace {

HistoryStore* shared = nullptr;

// Finishes the program's store as the application ends. Qt SQL drops every connection
// then, in a clean-up of its own; this runs before it (clean-ups run last added first).
void CloseShared() { delete std::exchange(shared, nullptr); }

}  // namespace

HistoryStore& HistoryStore::Shared() {
    if (!shared) {
        shared = new HistoryStore(DefaultPath());
        shared->setPupil(ui::CurrentPupil::instance().pupil());
        qAddPostRoutine(CloseShared);
    }
    return *shared;
}

HistoryStore::HistoryStore(const QString& path, QObject* parent) : QObject(parent), path_(path) {
    thread_ = std::thread([this] { work(); });
}

HistoryStore::~HistoryStore() {
    {
        std::lock_guard lock(mutex_);
        for (Job& job : held_) queue_.push_back(std::move(job));
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

// The store's thread: the connection lives and dies here; the jobs run in the order
// they were asked for. Writes that wait for a busy file are tried again every moment;
// reads go ahead of them meanwhile and show what is stored.
void HistoryStore::work() {
    // Waking this thread must not put the drill's thread aside: as a batch thread it never
    // preempts another on waking.
    sched_param batch{};
    pthread_setschedparam(pthread_self(), SCHED_BATCH, &batch);
    HistoryWriter writer(
        path_,
        [this](const QString& message) {
            QMetaObject::invokeMethod(
                this, [this, message] { told(message); }, Qt::QueuedConnection);
        },
        [this] {
            // Qt SQL has just set up its clean-up; the program's store goes before it.
            if (this == shared) qAddPostRoutine(CloseShared);
        },
        [this] {
            // Told once for however many writes land before the program's thread looks.
            if (written_.exchange(true)) return;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    written_ = false;
                    emit changed();
                },
                Qt::QueuedConnection);
        });
    using namespace std::chrono_literals;
    using Clock = std::chrono::steady_clock;
    auto nextTry = Clock::now();
    for (;;) {
        Job job;
        {
            std::unique_lock lock(mutex_);
            const auto ready = [this] { return stopping_ || !queue_.empty(); };
            if (writer.waiting())
                wake_.wait_until(lock, nextTry, ready);
            else
                wake_.wait(lock, ready);
            if (!queue_.empty()) {
                job = std::move(queue_.front());
                queue_.pop_front();
            } else if (stopping_) {
                lock.unlock();
                // The program ends: the waiting answers get a few more tries.
                for (int tries = 0; tries < 8 && !writer.writeWaiting(); ++tries) std::this_thread::sleep_for(200ms);
                return;
            }
        }
        if (job) job(writer);
        // However many reads come meanwhile, the waiting writes are tried again.
        if (writer.waiting() && Clock::now() >= nextTry) {
            writer.writeWaiting();
            nextTry = Clock::now() + 200ms;
        }
    }
}

void HistoryStore::post(Job write) {
    held_.push_back(std::move(write));
    handOver();
}

void HistoryStore::handOver() {
    // The drill never waits for the lock: while the store's thread holds it, the writes
    // stay here and are handed over a moment later.
    std::unique_lock lock(mutex_, std::try_to_lock);
    if (!lock) {
        if (!retrying_) {
            retrying_ = true;
            QTimer::singleShot(1, this, [this] {
                retrying_ = false;
                handOver();
            });
        }
        return;
    }
    for (Job& job : held_) queue_.push_back(std::move(job));
    held_.clear();
    lock.unlock();
    wake_.notify_one();
}

template <class Result, class Read>
Result HistoryStore::read(Read readFromWriter) {
    Result result{};
    std::promise<void> done;
    {
        std::lock_guard lock(mutex_);
        for (Job& job : held_) queue_.push_back(std::move(job));
        held_.clear();
        queue_.push_back([&](HistoryWriter& w) {
            result = readFromWriter(w);
            done.set_value();
        });
    }
    wake_.notify_one();
    done.get_future().wait();
    return result;
}

template <class Result, class Read>
void HistoryStore::fetch(QObject* context, Read readFromWriter, std::function<void(Result)> done) {
    QPointer<QObject> receiver = context;
    post([this, receiver, readFromWriter, done](HistoryWriter& w) {
        // Handed over through the store, which outlives its thread's work; the receiver
        // may have gone by then.
        QMetaObject::invokeMethod(
            this,
            [receiver, done, result = readFromWriter(w)]() mutable {
                if (receiver) done(std::move(result));
            },
            Qt::QueuedConnection);
    });
}

void HistoryStore::fetchOverview(QObject* context, std::function<void(Overview)> done) {
    fetch<Overview>(
        context,
        [](HistoryWriter& w) {
            return Overview{w.dayStats(), w.facts(), w.checks()};
        },
        std::move(done));
}

void HistoryStore::fetchMedian(const DayStats& group, QObject* context, std::function<void(double)> done) {
    fetch<double>(
        context, [group](HistoryWriter& w) { return w.medianSeconds(group); }, std::move(done));
}

void HistoryStore::fetchFacts(QObject* context, std::function<void(std::vector<FactHistory>)> done) {
    fetch<std::vector<FactHistory>>(
        context, [](HistoryWriter& w) { return w.facts(); }, std::move(done));
}

void HistoryStore::recordCheck(const SolverCheck& check) {
    post([check](HistoryWriter& w) { w.recordCheck(check); });
}

void HistoryStore::fetchChecks(QObject* context, std::function<void(std::vector<SolverCheck>)> done) {
    fetch<std::vector<SolverCheck>>(
        context, [](HistoryWriter& w) { return w.checks(); }, std::move(done));
}

void HistoryStore::keepSheet(const std::string& code, const std::vector<Problem>& problems) {
    post([code, problems](HistoryWriter& w) { w.keepSheet(code, problems); });
}

void HistoryStore::fetchSheet(const std::string& code, QObject* context,
                              std::function<void(std::vector<Problem>)> done) {
    fetch<std::vector<Problem>>(
        context, [code](HistoryWriter& w) { return w.sheet(code); }, std::move(done));
}

void HistoryStore::fetchAnswers(QObject* context, std::function<void(std::vector<AnswerRecord>)> done) {
    fetch<std::vector<AnswerRecord>>(
        context, [](HistoryWriter& w) { return w.answers(); }, std::move(done));
}

HistoryStore::Session HistoryStore::beginSession(const std::string& window, bool wrongAnswers, HistoryTime start,
                                                 bool today) {
    const Session session = nextSession_++;
    SessionRecord record{start, std::nullopt, window, wrongAnswers};
    record.today = today;
    post([session, record](HistoryWriter& w) { w.beginSession(session, record); });
    return session;
}

void HistoryStore::recordAnswer(Session session, const AnswerRecord& answer) {
    post([session, answer](HistoryWriter& w) { w.recordAnswer(session, answer); });
}

void HistoryStore::endSession(Session session, HistoryTime end) {
    post([session, end](HistoryWriter& w) { w.endSession(session, end); });
}

void HistoryStore::importAnswers(std::vector<AnswerRecord> answers) {
    post([answers = std::move(answers)](HistoryWriter& w) mutable { w.importAnswers(std::move(answers)); });
}

void HistoryStore::clear() {
    post([](HistoryWriter& w) { w.clear(); });
}

void HistoryStore::flush() {
    read<bool>([](HistoryWriter&) { return true; });
}

std::vector<DayStats> HistoryStore::dayStats() {
    return read<std::vector<DayStats>>([](HistoryWriter& w) { return w.dayStats(); });
}

double HistoryStore::medianSeconds(const DayStats& group) {
    return read<double>([&group](HistoryWriter& w) { return w.medianSeconds(group); });
}

std::vector<FactHistory> HistoryStore::facts() {
    return read<std::vector<FactHistory>>([](HistoryWriter& w) { return w.facts(); });
}

std::vector<AnswerRecord> HistoryStore::answers() {
    return read<std::vector<AnswerRecord>>([](HistoryWriter& w) { return w.answers(); });
}

std::vector<SolverCheck> HistoryStore::checks() {
    return read<std::vector<SolverCheck>>([](HistoryWriter& w) { return w.checks(); });
}

std::vector<SessionRecord> HistoryStore::sessions() {
    return read<std::vector<SessionRecord>>([](HistoryWriter& w) { return w.sessions(); });
}

int HistoryStore::schemaVersion() {
    return read<int>([](HistoryWriter& w) { return w.schemaVersion(); });
}

void HistoryStore::setPupil(const Pupil& pupil) {
    if (pupil.id <= 0) return;
    const bool other = pupil.id != pupil_;
    pupil_ = pupil.id;
    post([pupil](HistoryWriter& w) { w.setPupil(pupil); });
    if (other) emit pupilChanged();
}

std::vector<Pupil> HistoryStore::pupils() {
    return read<std::vector<Pupil>>([](HistoryWriter& w) { return w.pupils(); });
}

QString HistoryStore::addPupil(Pupil* pupil) {
    pupil->name = pupil->name.trimmed();
    pupil->className = pupil->className.trimmed();
    pupil->id = 0;
    if (pupil->name.isEmpty()) return "请填写学生的姓名。";
    return read<QString>([pupil](HistoryWriter& w) { return w.addPupil(pupil); });
}

QString HistoryStore::importClassFile(const QString& name, const QByteArray& content) {
    const ClassFile file = ReadAnswersCsv(content);
    if (!file.fault.isEmpty()) return name + "：" + file.fault + "。这个文件没有导入。";
    const QString hash = QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex();
    const auto result =
        read<HistoryWriter::ClassImport>([&](HistoryWriter& w) { return w.importClass(hash, name, file.answers); });
    if (!result.kept) return name + "：没有导入，口算记录文件现在不能写入。";
    if (result.before) return name + "：这个文件已经导入过了。";
    QString message = name + QString("：导入了 %1 道题").arg(result.added);
    if (result.known > 0) message += QString("，另有 %1 道题已经在报告里了，没有再算").arg(result.known);
    return message + "。";
}

ClassRecords HistoryStore::classRecords() {
    return read<ClassRecords>([](HistoryWriter& w) { return w.classRecords(); });
}

void HistoryStore::clearClass() {
    post([](HistoryWriter& w) { w.clearClass(); });
}

void HistoryStore::told(const QString& message) {
    untold_ << message;
    emit problemsArisen();
}

QStringList HistoryStore::takeProblems() { return std::exchange(untold_, {}); }

}  // namespace velunda
