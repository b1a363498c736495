// The drill history on disk: one SQLite file, written on a thread of its own so that
// recording an answer never makes the drill wait, and read in aggregate for the
// history window.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "drills/classreport.h"
#include "drills/history.h"

namespace velunda {

// The layout the store writes; older files are brought up to it when opened.
inline constexpr int kHistorySchemaVersion = 5;

// One day's answers of one operation in one mode.
struct DayStats {
    std::string day;  // local date, "2026-12-08"
    Operation operation = Operation::Addition;
    DrillMode mode = DrillMode::Practice;
    int answered = 0;
    int right = 0;
    double totalSeconds = 0;
};

// A pupil of this computer. The first, 学生1, holds what the history had before pupils
// were kept apart.
struct Pupil {
    int id = 0;
    QString name;
    QString className;
};

// What the class report holds: the answers of the files imported, and how many files.
struct ClassRecords {
    std::vector<ClassAnswer> answers;
    int files = 0;
};

class HistoryWriter;

// Used from the thread that made it (the program's main thread); the file is read and
// written on the store's own thread.
class HistoryStore : public QObject {
    Q_OBJECT

public:
    // The program's store, history.sqlite in the application's data folder. Made on
    // the first call; the file itself is opened by the first write or read.
    static HistoryStore& Shared();
    static QString DefaultPath();

    // A store over that file; nothing is opened before the first write or read.
    explicit HistoryStore(const QString& path, QObject* parent = nullptr);
    // Finishes the writes asked for, then closes the file.
    ~HistoryStore() override;

    const QString& path() const { return path_; }

    // Every read and write from here on is the pupil's (the first pupil, 1, until one is
    // chosen); a session keeps the pupil it began with. A pupil the file does not know
    // (a fresh file after a damaged one was set aside) is written into it again.
    void setPupil(const Pupil& pupil);
    int pupil() const { return pupil_; }
    // The pupils, in the order they were added; waits for the answer.
    std::vector<Pupil> pupils();
    // A new pupil, or the message why not (an empty name, a name already taken, a file
    // that cannot be written); pupil->id is set when added.
    QString addPupil(Pupil* pupil);

    // The class report: a pupil's CSV file, imported whole or not at all; a file
    // imported before (the same content) is not counted again, nor an answer already in
    // the report. The message for the teacher. Waits for the answer.
    QString importClassFile(const QString& name, const QByteArray& content);
    ClassRecords classRecords();
    void clearClass();

    // The writes return at once; the store's thread carries them out in order, each
    // answer in one transaction together with its session's counts.
    using Session = int;
    Session beginSession(const std::string& window, bool wrongAnswers, HistoryTime start, bool today = false);
    void recordAnswer(Session session, const AnswerRecord& answer);
    void endSession(Session session, HistoryTime end);
    // Many answers in one transaction, each day's answers of a window as one session
    // (generated history).
    void importAnswers(std::vector<AnswerRecord> answers);
    // Deletes every answer and session, leaving no trace in the file's free pages.
    void clear();

    // Waits until every write asked for so far is done, dropped (the history being off)
    // or waiting for the file, which another program holds.
    void flush();

    // The reads wait for the writes asked for before them, unless those wait for a busy
    // file. With no history they are empty. These wait for the answer: the windows use
    // the fetches below.
    std::vector<DayStats> dayStats();  // the latest day first, each day's operations and modes in order
    // The median time of one of those groups, read through an index.
    double medianSeconds(const DayStats& group);
    std::vector<FactHistory> facts();  // in the order each fact was first answered
    std::vector<AnswerRecord> answers();
    std::vector<SolverCheck> checks();
    std::vector<SessionRecord> sessions();
    // The layout version of the file, 0 when it cannot be read.
    int schemaVersion();

    // The same reads without waiting: done is called on context's thread with the
    // answer, unless context is gone by then.
    struct Overview {
        std::vector<DayStats> days;
        std::vector<FactHistory> facts;
        std::vector<SolverCheck> checks;
    };
    void fetchOverview(QObject* context, std::function<void(Overview)> done);
    void fetchMedian(const DayStats& group, QObject* context, std::function<void(double)> done);
    void fetchFacts(QObject* context, std::function<void(std::vector<FactHistory>)> done);
    void fetchAnswers(QObject* context, std::function<void(std::vector<AnswerRecord>)> done);

    // The problems of a sheet made from the pupil's own facts, kept by its code so that
    // its results can be entered later; none for a code not kept here.
    // The solver windows' checked answers.
    void recordCheck(const SolverCheck& check);
    void fetchChecks(QObject* context, std::function<void(std::vector<SolverCheck>)> done);
    void keepSheet(const std::string& code, const std::vector<Problem>& problems);
    void fetchSheet(const std::string& code, QObject* context, std::function<void(std::vector<Problem>)> done);

    // The messages for the pupil of faults not yet told, each returned once: whoever
    // takes them shows them. problemsArisen() says there are some.
    QStringList takeProblems();

signals:
    void problemsArisen();
    // Another pupil was chosen: what the windows show is to be read again.
    void pupilChanged();
    // What is stored has changed: answers, sessions or their deletion reached the file.
    void changed();

private:
    using Job = std::function<void(HistoryWriter&)>;

    void told(const QString& message);
    void work();
    void post(Job write);
    void handOver();
    template <class Result, class Read>
    Result read(Read readFromWriter);
    template <class Result, class Read>
    void fetch(QObject* context, Read readFromWriter, std::function<void(Result)> done);

    QString path_;
    int pupil_ = 1;
    Session nextSession_ = 1;
    QStringList untold_;
    // Jobs for the store's thread, in order: handed over under the lock, or held here
    // (on the caller's thread) while the store's thread holds it.
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Job> queue_;
    bool stopping_ = false;
    std::vector<Job> held_;
    bool retrying_ = false;
    std::atomic<bool> written_{false};  // a changed() is on its way
    std::thread thread_;
};

}  // namespace velunda
