#pragma once

#include <QColor>
#include <memory>

#include "app/calculatorwindow.h"
#include "drills/drill.h"

class QTimer;

namespace velunda::ui {

// The drill window both drill entries open: a problem, the answer field that follows
// it, the four operations, the running counts and a clock ticking every 999 ms. The
// two windows differ only in their name and the colour of the clock.
class DrillWindow : public CalculatorWindow {
public:
    // The problem on show and the counts.
    const Drill& drill() const { return drill_; }

protected:
    DrillWindow(std::string_view name, const QColor& clockColour);
    ~DrillWindow() override;

    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void opt1_Click();
    void opt2_Click();
    void opt3_Click();
    void opt4_Click();
    void Text1_KeyPress(int keyAscii);
    void lbl2_Change();
    void lbl3_Change();
    void Timer1_Timer();

    // The selection of an option: a new problem of that operation shows, and the answer
    // field moves to the operation's place.
    void select(Operation op);
    // The option selected, testing opt1 to opt4 in this order.
    Operation selectedOperation() const;
    // After a problem shows: its operation's edge, or right of a problem too wide for it.
    void placeAnswerField();
    void showProblem();

    std::unique_ptr<RandomSource> random_;
    Drill drill_;
    QTimer* Timer1 = nullptr;
    long long ticks_ = 0;
    bool loaded_ = false;
};

}  // namespace velunda::ui
