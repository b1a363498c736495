#include "drills/historystore.h"

#include <pthread.h>
#include <sched.h>

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTimer>
#include <QVariant>
#include <atomic>
#include <future>
#include <map>

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

QString LocalDay(HistoryTime time) { return QDateTime::fromMSecsSinceEpoch(time).date().toString(Qt::ISODate); }

std::string Text(const QVariant& v) { return v.toString().toStdString(); }

Operation OperationOf(int stored) { return stored >= 0 && stored <= 3 ? Operation(stored) : Operation::Addition; }

}  // namespace

// The store's connection, used on the store's thread alone. It opens the file on its
// first use; after a fault other than a damaged file it drops every write.
class HistoryWriter {
public:
    HistoryWriter(const QString& path, std::function<void(const QString&)> tell, std::function<void()> connected)
        : path_(path), tell_(std::move(tell)), connected_(std::move(connected)) {
        static std::atomic<int> connections{0};
        connection_ = QString("history-%1").arg(++connections);
    }
    ~HistoryWriter() { close(); }

    void beginSession(HistoryStore::Session handle, const SessionRecord& session) {
        running_[handle] = {session, -1};
        run([&] { return insertSession(running_[handle]); });
    }

    void recordAnswer(HistoryStore::Session handle, const AnswerRecord& answer) {
        auto it = running_.find(handle);
        if (it == running_.end()) return;
        Running& r = it->second;
        (answer.right ? r.record.right : r.record.wrong) += 1;
        run([&] {
            return transaction([&] {
                if (r.row < 0)
                    if (QSqlError e = insertSession(r); e.isValid()) return e;
                if (QSqlError e = insertAnswer(answer, r.row); e.isValid()) return e;
                QSqlQuery q(db());
                q.prepare("UPDATE sessions SET right = ?, wrong = ? WHERE id = ?");
                q.addBindValue(r.record.right);
                q.addBindValue(r.record.wrong);
                q.addBindValue(r.row);
                return q.exec() ? QSqlError() : q.lastError();
            });
        });
    }

    void endSession(HistoryStore::Session handle, HistoryTime end) {
        auto it = running_.find(handle);
        if (it == running_.end()) return;
        const qint64 row = it->second.row;
        running_.erase(it);
        if (row < 0) return;
        run([&] {
            QSqlQuery q(db());
            q.prepare("UPDATE sessions SET end = ? WHERE id = ?");
            q.addBindValue(qint64(end));
            q.addBindValue(row);
            return q.exec() ? QSqlError() : q.lastError();
        });
    }

    void importAnswers(const std::vector<AnswerRecord>& answers) {
        run([&] {
            return transaction([&]() -> QSqlError {
                std::map<std::pair<QString, std::string>, Running> days;
                for (const AnswerRecord& a : answers) {
                    Running& r = days[{LocalDay(a.time), a.window}];
                    if (r.row < 0) {
                        r.record = {a.time, a.time, a.window};
                        if (QSqlError e = insertSession(r); e.isValid()) return e;
                    }
                    (a.right ? r.record.right : r.record.wrong) += 1;
                    r.record.end = a.time;
                    if (QSqlError e = insertAnswer(a, r.row); e.isValid()) return e;
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
        run([&] {
            QSqlQuery q(db());
            // Deleted rows are overwritten with zeros, and the log that still holds them
            // is emptied, so that nothing of the history stays readable in the file.
            if (!q.exec("PRAGMA secure_delete = ON")) return q.lastError();
            if (QSqlError e = transaction([&] {
                    QSqlQuery d(db());
                    for (const char* table : {"answers", "sessions", "days", "facts"})
                        if (!d.exec(QString("DELETE FROM ") + table)) return d.lastError();
                    return QSqlError();
                });
                e.isValid())
                return e;
            for (auto& [handle, r] : running_) r.row = -1;  // written afresh with their next answer
            if (!q.exec("PRAGMA wal_checkpoint(TRUNCATE)")) return q.lastError();
            return q.exec("VACUUM") ? QSqlError() : q.lastError();
        });
    }

    std::vector<DayStats> dayStats() {
        std::vector<DayStats> days;
        run([&] {
            days.clear();
            QSqlQuery q(db());
            q.setForwardOnly(true);
            if (!q.exec("SELECT day, operation, answered, right, seconds FROM days ORDER BY day DESC, operation"))
                return q.lastError();
            while (q.next())
                days.push_back({Text(q.value(0)), OperationOf(q.value(1).toInt()), q.value(2).toInt(),
                                q.value(3).toInt(), q.value(4).toDouble()});
            return QSqlError();
        });
        return days;
    }

    double medianSeconds(const DayStats& group) {
        double median = 0;
        run([&] {
            median = 0;
            if (group.answered <= 0) return QSqlError();
            // The middle one or two of the group's times, found in the index.
            QSqlQuery q(db());
            q.setForwardOnly(true);
            q.prepare(
                "SELECT AVG(seconds) FROM (SELECT seconds FROM answers WHERE day = ? AND operation = ? "
                "ORDER BY seconds LIMIT ? OFFSET ?)");
            q.addBindValue(QString::fromStdString(group.day));
            q.addBindValue(int(group.operation));
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
        run([&] {
            facts.clear();
            QSqlQuery q(db());
            q.setForwardOnly(true);
            if (!q.exec("SELECT operation, first, second, answered, right, last_wrong, right_since FROM facts "
                        "ORDER BY first_answer"))
                return q.lastError();
            while (q.next()) {
                FactHistory f;
                f.fact = {OperationOf(q.value(0).toInt()), std::int16_t(q.value(1).toInt()),
                          std::int16_t(q.value(2).toInt())};
                f.answered = q.value(3).toInt();
                f.right = q.value(4).toInt();
                if (!q.value(5).isNull()) f.lastWrong = q.value(5).toLongLong();
                f.rightSinceLastWrong = q.value(6).toInt();
                facts.push_back(f);
            }
            return QSqlError();
        });
        return facts;
    }

    std::vector<AnswerRecord> answers() {
        std::vector<AnswerRecord> answers;
        run([&] {
            answers.clear();
            QSqlQuery q(db());
            q.setForwardOnly(true);
            if (!q.exec("SELECT time, window, operation, first, second, answer, correct, seconds FROM answers "
                        "ORDER BY id"))
                return q.lastError();
            while (q.next())
                answers.push_back({q.value(0).toLongLong(), Text(q.value(1)),
                                   Problem{OperationOf(q.value(2).toInt()), std::int16_t(q.value(3).toInt()),
                                           std::int16_t(q.value(4).toInt())},
                                   Text(q.value(5)), q.value(6).toBool(), q.value(7).toDouble()});
            return QSqlError();
        });
        return answers;
    }

    std::vector<SessionRecord> sessions() {
        std::vector<SessionRecord> sessions;
        run([&] {
            sessions.clear();
            QSqlQuery q(db());
            q.setForwardOnly(true);
            if (!q.exec("SELECT start, end, window, kind, right, wrong FROM sessions ORDER BY id"))
                return q.lastError();
            while (q.next()) {
                SessionRecord s{q.value(0).toLongLong(), std::nullopt,       Text(q.value(2)),
                                q.value(3).toInt() == 1, q.value(4).toInt(), q.value(5).toInt()};
                if (!q.value(1).isNull()) s.end = q.value(1).toLongLong();
                sessions.push_back(s);
            }
            return QSqlError();
        });
        return sessions;
    }

    int schemaVersion() { return open() ? version_ : 0; }

private:
    struct Running {
        SessionRecord record;
        qint64 row = -1;
    };

    QSqlDatabase db() const { return QSqlDatabase::database(connection_, false); }

    // Runs one unit of work against the open file. A damaged file is set aside and the
    // work done again on a fresh one; any other fault ends the history for this run.
    void run(const std::function<QSqlError()>& work) {
        if (!open()) return;
        QSqlError error = work();
        if (!error.isValid()) return;
        if (IsCorrupt(error)) {
            if (!setAside() || !open()) return;
            error = work();
            if (!error.isValid()) return;
        }
        fail(error);
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
        q.prepare("INSERT INTO sessions (start, end, window, kind, right, wrong) VALUES (?, ?, ?, ?, ?, ?)");
        q.addBindValue(qint64(r.record.start));
        q.addBindValue(r.record.end ? QVariant(qint64(*r.record.end)) : QVariant());
        q.addBindValue(QString::fromStdString(r.record.window));
        q.addBindValue(r.record.wrongAnswers ? 1 : 0);
        q.addBindValue(r.record.right);
        q.addBindValue(r.record.wrong);
        if (!q.exec()) return q.lastError();
        r.row = q.lastInsertId().toLongLong();
        return {};
    }

    QSqlError insertAnswer(const AnswerRecord& a, qint64 session) {
        if (!insert_) {
            insert_ = std::make_unique<QSqlQuery>(db());
            insert_->prepare(
                "INSERT INTO answers (time, window, operation, first, second, answer, correct, seconds, session, day) "
                "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
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
        q.addBindValue(LocalDay(a.time));
        return q.exec() ? QSqlError() : q.lastError();
    }

    // Opens the file on first use, in write-ahead-log mode, and brings its layout up to
    // date. False once the history is off.
    bool open() {
        if (off_) return false;
        if (opened_) return true;
        QFileInfo file(path_);
        if (!QDir().mkpath(file.absolutePath())) {
            fail(QFileInfo(file.absolutePath()).exists() ? HistoryFault::CannotOpen : HistoryFault::ReadOnly);
            return false;
        }
        {
            QSqlDatabase d = QSqlDatabase::addDatabase("QSQLITE", connection_);
            if (connected_) std::exchange(connected_, nullptr)();
            d.setDatabaseName(path_);
            // Another Velunda writing at the same moment is waited for, on this thread.
            d.setConnectOptions("QSQLITE_BUSY_TIMEOUT=3000");
            if (!d.open()) {
                const QSqlError error = d.lastError();
                close();
                fail(error);
                return false;
            }
        }
        opened_ = true;
        QSqlError error = prepare();
        if (off_) return false;  // a later Velunda's file
        if (error.isValid() && IsCorrupt(error)) {
            if (!setAside()) return false;
            return open();
        }
        if (error.isValid()) {
            fail(error);
            return false;
        }
        return true;
    }

    QSqlError prepare() {
        QSqlQuery q(db());
        // A committed answer survives the program being killed and the power failing.
        if (!q.exec("PRAGMA journal_mode = WAL")) return q.lastError();
        if (!q.exec("PRAGMA synchronous = FULL")) return q.lastError();
        if (!q.exec("PRAGMA user_version") || !q.next()) return q.lastError();
        version_ = q.value(0).toInt();
        if (version_ > kHistorySchemaVersion) {
            fail(HistoryFault::TooNew);
            return {};
        }
        if (version_ == kHistorySchemaVersion) return {};
        return transaction([&] {
            QSqlQuery m(db());
            if (version_ == 0)
                for (const char* statement : kSchemaVersion1)
                    if (!m.exec(statement)) return m.lastError();
            for (const char* statement : kMigrationTo2)
                if (!m.exec(statement)) return m.lastError();
            version_ = kHistorySchemaVersion;
            return QSqlError();
        });
    }

    void close() {
        insert_.reset();
        if (QSqlDatabase::contains(connection_)) {
            QSqlDatabase::database(connection_, false).close();
            QSqlDatabase::removeDatabase(connection_);
        }
        opened_ = false;
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
            fail(HistoryFault::CannotOpen);
            return false;
        }
        for (const char* log : {"-wal", "-shm"})
            if (QFileInfo::exists(path_ + log)) QFile::rename(path_ + log, aside + log);
        for (auto& [handle, r] : running_) r.row = -1;
        tell_(QString::fromStdString(HistoryFaultText(HistoryFault::Corrupt, aside.toStdString())));
        return true;
    }

    void fail(const QSqlError& error) {
        switch (PrimaryCode(error)) {
            case Busy:
            case Locked:
                return fail(HistoryFault::Locked);
            case ReadOnly:
                return fail(HistoryFault::ReadOnly);
            case Full:
                return fail(HistoryFault::DiskFull);
            case CantOpen: {
                const QFileInfo folder(QFileInfo(path_).absolutePath());
                return fail(folder.isWritable() ? HistoryFault::CannotOpen : HistoryFault::ReadOnly);
            }
            case Corrupt:
            case NotADb:
                return fail(HistoryFault::CannotOpen);  // damaged again right after a fresh start
            default:
                return fail(HistoryFault::CannotWrite);
        }
    }

    void fail(HistoryFault fault) {
        if (off_) return;
        off_ = true;
        close();
        tell_(QString::fromStdString(HistoryFaultText(fault, QDir::toNativeSeparators(path_).toStdString())));
    }

    QString path_;
    QString connection_;
    std::function<void(const QString&)> tell_;
    std::function<void()> connected_;  // once, after the first connection is made
    bool opened_ = false;
    bool off_ = false;
    int version_ = 0;
    std::map<HistoryStore::Session, Running> running_;
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
// they were asked for.
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
        });
    for (;;) {
        Job job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
            if (queue_.empty()) return;
            job = std::move(queue_.front());
            queue_.pop_front();
        }
        job(writer);
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

HistoryStore::Session HistoryStore::beginSession(const std::string& window, bool wrongAnswers, HistoryTime start) {
    const Session session = nextSession_++;
    SessionRecord record{start, std::nullopt, window, wrongAnswers};
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
    post([answers = std::move(answers)](HistoryWriter& w) { w.importAnswers(answers); });
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

std::vector<SessionRecord> HistoryStore::sessions() {
    return read<std::vector<SessionRecord>>([](HistoryWriter& w) { return w.sessions(); });
}

int HistoryStore::schemaVersion() {
    return read<int>([](HistoryWriter& w) { return w.schemaVersion(); });
}

void HistoryStore::told(const QString& message) {
    untold_ << message;
    emit problemsArisen();
}

QStringList HistoryStore::takeProblems() { return std::exchange(untold_, {}); }

}  // namespace velunda
