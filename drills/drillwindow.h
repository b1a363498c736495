#pragma once

#include <QColor>
#include <memory>
#include <optional>

#include "drills/drill.h"
#include "drills/drillrecorder.h"
#include "drills/history.h"
#include "ui/designedwindow.h"

class QComboBox;
class QTimer;

namespace velunda::ui {

// The drill window both drill entries open: a problem, the answer field that follows
// it, the four operations, the running counts and a clock ticking every 999 ms. The
// practice window (frm22, a blue clock) is this class as it stands; the test window
// (frm23, a pink clock) also sums up when it closes (TestDrillWindow).
class DrillWindow : public DesignedWindow {
    Q_OBJECT

public:
    // wrongAnswers: the window offers the practice of the wrong-answer book.
    DrillWindow(std::string_view name, const QColor& clockColour, bool wrongAnswers = false);
    ~DrillWindow() override;

    // The problem on show and the counts.
    const Drill& drill() const { return drill_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // "口算记录" opens the history; the practice window also offers "练习错题".
    void contextMenuEvent(QContextMenuEvent* event) override;
    // The answer field follows its problem at every zoom.
    void laidOut() override { placeAnswerField(); }

    // After an answer of the drill has been counted, and after each tick of the clock.
    virtual void answerCounted() {}
    virtual void clockTicked() {}
    // The seconds on the clock.
    long long seconds() const { return ticks_; }
    // The drill afresh, as when the window opened: counts at 0, the clock at 0, a new
    // session in the history.
    void restart();

public:
    // 练习错题 and 错题本: only the facts of the wrong-answer book, until each is answered
    // right twice in a row; choosing an operation goes back to the drill.
    void practiseWrongAnswers();
    // 今日练习: the wrong-answer book and the facts due again, for at most 10 minutes.
    void practiseToday();

private:
    void practiseSet(bool today);
    void endPractice();
    // lblSet: which set is being drilled and how many of its facts are left.
    void showSet();
    const Problem& problemOnShow() const;
    // The first showing: counts at 0, a fresh seed, an addition problem, the clock running.
    void start();
    // The selection of an option: a new problem of that operation shows, and the answer
    // field moves to the operation's place.
    void select(Operation op);
    // Enter in the answer field: the answer is checked and counted, the next problem shows.
    void answer();
    // The total follows the right and wrong counts.
    void updateTotal();
    // The counts of the drill or of the wrong-answer practice, and their total.
    void showCounts(std::int16_t right, std::int16_t wrong);
    // The strategy line after an answer: the way to work a missed fact, nothing after a right one.
    void showStrategy(const Problem& asked, bool right);
    void tick();
    // The option selected, testing opt1 to opt4 in this order.
    Operation selectedOperation() const;
    // After a problem shows: its operation's edge, or right of a problem too wide for it.
    void placeAnswerField();
    void showProblem();

    std::unique_ptr<RandomSource> random_;
    Drill drill_;
    QTimer* clock_ = nullptr;
    long long ticks_ = 0;
    bool started_ = false;
    bool offersWrongAnswers_ = false;
    std::optional<WrongAnswerPractice> practice_;
    QLabel* strategy_ = nullptr;
    QLabel* set_ = nullptr;        // the practice window's
    bool today_ = false;           // the practice under way is today's
    long long practiceStart_ = 0;  // its first second on the clock
    DrillRecorder history_;        // last: its session ends before the drill goes
};

// The test window: the drill with a pink clock, which sums up accuracy, time used and
// number of problems when it closes. A row under the drill chooses its length before
// it starts (cmbLength: 20, 50 or 100 problems, or 1, 2 or 5 minutes) and says what is
// left (lblLeft); a test with a length ends with its summary when the length is reached.
class TestDrillWindow : public DrillWindow {
    Q_OBJECT

public:
    TestDrillWindow();

protected:
    void closeEvent(QCloseEvent* event) override;
    void answerCounted() override;
    void clockTicked() override;

private:
    void chooseLength(int index);
    // The label follows the answers and the clock; the length reached, the test ends.
    void showLeft();

    bool summing_ = false;
    TestLength length_;
    QComboBox* lengths_ = nullptr;
    QLabel* left_ = nullptr;
    bool ending_ = false;
};

// The practice window: the drill with a blue clock.
QWidget* NewPracticeWindow();

}  // namespace velunda::ui
