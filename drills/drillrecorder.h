// What a drill window keeps of itself in the history: its session, and each answer with
// the time the pupil took over it. Recording never makes the drill wait.
#pragma once

#include <QElapsedTimer>
#include <QMetaObject>
#include <QPointer>
#include <functional>
#include <string>

#include "drills/historystore.h"

namespace velunda {

class DrillRecorder {
public:
    // tell shows the pupil a message about the history (that it is not being kept, and
    // why); each is shown once, by whichever window takes it first. Nothing is opened
    // before start().
    DrillRecorder(std::string window, std::function<void(const std::string&)> tell);
    ~DrillRecorder();

    // A session begins, when the window has opened; over that store (the program's by
    // default). A running session ends first.
    void start(bool wrongAnswers = false, bool today = false);
    void start(HistoryStore& store, bool wrongAnswers = false, bool today = false);
    // A problem shows: its time starts.
    void posed();
    // The problem as computed and the answer as typed, and whether it was right.
    void answered(const Problem& asked, std::string_view typed, bool right);
    // The session ends, when the window closes (the destructor ends it too).
    void finish();

private:
    void tellProblems();

    std::string window_;
    std::function<void(const std::string&)> tell_;
    QPointer<HistoryStore> store_;  // gone when the program ends first
    HistoryStore::Session session_ = 0;
    QElapsedTimer clock_;
    QMetaObject::Connection problems_;
};

}  // namespace velunda
