// Try-first mode (自己做) of a solver window. A trigger poses the exercise instead of
// writing results: the givens are locked, the fields the window would have written are
// emptied for the pupil's own answers, and the panel says what is given and what to find.
// The pupil's answers are then checked in exact form, each field marked right or wrong
// with the verdict, and the worked solution's steps come one at a time as hints. The
// window also sets exercises of its own, at three levels.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPalette>
#include <QRect>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "exact/answercheck.h"
#include "exact/workedsolution.h"
#include "ui/windowdesign.h"

class QAbstractButton;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace velunda::ui {

class DesignedWindow;
class SolutionPanel;

// One answer checked, as the history keeps it.
struct CheckedAnswer {
    std::string window;    // "frm12"
    std::string title;     // "解正方形"
    std::string quantity;  // "对角线 d"
    std::string givens;    // "已知 a = 5"
    std::string typed;     // the pupil's text
    std::string verdict;   // the verdict's line
    std::string slip;      // the slip it is, where it is one
    bool right = false;
    int hints = 0;       // steps revealed before the check
    bool shown = false;  // the answer was shown before the check
    double seconds = 0;  // from the exercise being posed to the check
};

// Whether new solver windows start in try-first mode: the menu's check box "先自己做",
// kept with QSettings like the panel's.
class TrySetting : public QObject {
    Q_OBJECT

public:
    static TrySetting& instance();
    bool on() const { return on_; }
    void setOn(bool on);
    // Where each checked answer goes (the history); none by default.
    std::function<void(const CheckedAnswer&)> record;

signals:
    void onChanged(bool on);

private:
    TrySetting();
    bool on_ = false;
};

class TryFirst : public QObject {
    Q_OBJECT

public:
    TryFirst(DesignedWindow& window, SolutionPanel& panel, const WindowDesign& design);
    ~TryFirst() override;

    bool on() const { return on_; }
    void setOn(bool on);
    // An exercise is posed (its givens locked) until 清零.
    bool posed() const { return posed_.has_value(); }

    // A trigger of the window: while the mode is on, poses the exercise of the givens, or
    // checks the answers of the one posed. False where the window computes as usual: the
    // mode is off, or the givens make it show a message.
    bool trigger(Computation computation, Explanation explanation);
    // Enter in a field: true where it is an answer field of the posed exercise, then checked.
    bool enterPressed(QObject* field);

    void check();
    void hint();
    void reveal();
    // Sets an exercise of the window's own at the chosen level and poses it; one that asks
    // for that quantity ("面积 S") where one is given and the window has such exercises.
    void exercise(std::string_view quantity = {});
    int level() const;
    void setLevel(int level);  // 1 whole numbers, 2 fractions and roots, 3 mixed
    // 清零: out of the lock, the marks gone; the mode stays.
    void reset();

    // What the panel shows while an exercise is posed and its answer not shown.
    std::optional<WorkedSolution> solution() const;
    // The verdicts of the last check, one an answered field, in the window's order.
    const std::vector<exact::Verdict>& verdicts() const { return verdicts_; }
    // The fields emptied for the pupil's answers in the posed exercise, in the window's order.
    std::vector<QLineEdit*> answerFields() const;
    // What the answer in the field is checked against (no values where it is not checked),
    // and the slips it is told from, with their values as the field shows them.
    exact::Asked asked(const QLineEdit* field) const;
    std::vector<exact::Slip> slips(const QLineEdit* field) const;
    // The bar under the panel: 出题, the levels, 检查, 提示, 看答案.
    QWidget* bar() const { return bar_; }
    bool hasExercises() const { return !design_.exercises.empty(); }
    // The bar's buttons at the window's zoom.
    void zoomChanged();

signals:
    // The panel's text changed (posed, a hint, a check, the lock left).
    void changed();

private:
    struct Answer {
        QLineEdit* field = nullptr;
        const AnswerField* row = nullptr;    // nullptr: the window writes it, but it is not checked
        const SolvedValue* value = nullptr;  // what it is checked against
    };
    struct Posed {
        Computation computation = nullptr;
        Explanation explanation = nullptr;
        WorkedSolution solution;
        std::vector<Answer> answers;
        std::vector<QLineEdit*> givens;
        std::string statement;  // "已知 a = 5，求周长 P、面积 S、对角线 d。"
        std::size_t hints = 0;
        bool shown = false;
        QElapsedTimer clock;
    };

    bool pose(Computation computation, Explanation explanation);
    void lock(QLineEdit* field, bool given);
    void mark(QLineEdit* field, const exact::Verdict& verdict);
    void unmark(QLineEdit* field);
    const Answer* answerOf(const QLineEdit* field) const;
    exact::Verdict judge(const Answer& answer, const std::string& typed) const;
    exact::Verdict judgeSeveral(const Answer& answer, const std::string& typed) const;
    std::vector<exact::Slip> slipsOf(std::string_view symbol, const exact::Number& answer, bool degrees) const;
    void updateBar();

    DesignedWindow& window_;
    SolutionPanel& panel_;
    const WindowDesign design_;  // its answers, slips, exercises and triggers
    bool on_ = false;
    bool filling_ = false;  // an exercise's givens are being filled in
    std::optional<Posed> posed_;
    std::vector<exact::Verdict> verdicts_;
    std::vector<std::string> verdictLines_;
    // Fields as they were before the lock: palette, read-only, enabled.
    struct Kept {
        QLineEdit* field;
        QPalette palette;
        bool readOnly, enabled;
    };
    std::vector<Kept> kept_;

    QWidget* bar_ = nullptr;
    QAbstractButton *exercise_ = nullptr, *check_ = nullptr, *hint_ = nullptr, *show_ = nullptr;
    std::vector<QRadioButton*> levels_;
    std::vector<std::pair<QWidget*, QRect>> barPlaces_;  // at 100 %
};

}  // namespace velunda::ui
