#include "drills/drillrecorder.h"

#include <QDateTime>

namespace velunda {

DrillRecorder::DrillRecorder(std::string window, std::function<void(const std::string&)> tell)
    : window_(std::move(window)), tell_(std::move(tell)) {}

DrillRecorder::~DrillRecorder() { finish(); }

void DrillRecorder::start(bool wrongAnswers, bool today) { start(HistoryStore::Shared(), wrongAnswers, today); }

void DrillRecorder::start(HistoryStore& store, bool wrongAnswers, bool today) {
    finish();
    store_ = &store;
    problems_ = QObject::connect(store_, &HistoryStore::problemsArisen, store_, [this] { tellProblems(); });
    session_ = store_->beginSession(window_, wrongAnswers, QDateTime::currentMSecsSinceEpoch(), today);
    clock_.start();
    // A fault told before this window opened (by the store's reads) is shown here.
    tellProblems();
}

void DrillRecorder::posed() { clock_.start(); }

void DrillRecorder::answered(const Problem& asked, std::string_view typed, bool right) {
    if (!store_) return;
    const double seconds = clock_.isValid() ? clock_.elapsed() / 1000.0 : 0;
    store_->recordAnswer(session_,
                         {QDateTime::currentMSecsSinceEpoch(), window_, asked, std::string(typed), right, seconds});
    clock_.start();
}

void DrillRecorder::finish() {
    if (!store_) return;
    QObject::disconnect(problems_);
    store_->endSession(session_, QDateTime::currentMSecsSinceEpoch());
    store_ = nullptr;
}

void DrillRecorder::tellProblems() {
    if (!store_ || !tell_) return;
    for (const QString& message : store_->takeProblems()) tell_(message.toStdString());
}

}  // namespace velunda
