// The history window (口算记录): per day and operation the number of problems, the
// accuracy and the median time; a chart of accuracy and speed over the last weeks; a
// 10 × 10 grid per operation of the facts mastered, shaky and wrong; CSV export and
// the deletion of the whole history.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "drills/historystore.h"

class QLabel;
class QListWidget;
class QTableView;

namespace velunda::ui {

class DayTableModel;

// Accuracy and time per problem of each of the last days, drawn by hand.
class ProgressChart : public QWidget {
public:
    static constexpr int kDays = 28;

    explicit ProgressChart(QWidget* parent = nullptr);
    // The days' statistics (any order) and the last day the chart shows, "2026-12-08".
    void setDays(const std::vector<DayStats>& days, const std::string& lastDay);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Point {
        int answered = 0;
        int right = 0;
        double seconds = 0;
    };
    std::vector<Point> points_;    // kDays of them, the oldest first
    std::vector<QString> labels_;  // "12-08"
};

// One operation's facts, a cell each, coloured by how well the pupil knows them. The
// division grid has an eleventh column, "10+", for the quotients above 9 of each divisor
// (52 ÷ 4 and 96 ÷ 4 in the divisor 4's row).
class FactGrid : public QWidget {
public:
    FactGrid(Operation operation, QWidget* parent = nullptr);
    void setFacts(const std::vector<FactHistory>& facts, HistoryTime now);
    Mastery at(int row, int column) const { return cells_[row][column]; }
    int columns() const { return operation_ == Operation::Division ? 11 : 10; }
    // The fact whose colour a cell shows, if it has been answered.
    const FactHistory* factAt(int row, int column) const;
    // A click on a cell: its row and column.
    void setOnCell(std::function<void(int, int)> clicked) { clicked_ = std::move(clicked); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // The grid's cell size and the top left of its first cell.
    int cellSize() const;
    QPoint origin() const;

    Operation operation_;
    Mastery cells_[10][11];
    std::optional<FactHistory> facts_[10][11];
    std::function<void(int, int)> clicked_;
};

class HistoryWindow : public QWidget {
public:
    // Reads the history as of now (or the time given) from the store.
    explicit HistoryWindow(HistoryStore& store, HistoryTime now = 0, QWidget* parent = nullptr);
    ~HistoryWindow() override;

    // Reads the history again; the window fills in when the store answers.
    void reload();
    // Some of what the window shows is still being read.
    bool reading() const { return reading_ > 0; }
    // Opens another window of the program, as its menu entry does: 错题本 opens the
    // practice window on the wrong-answer book.
    void setWindowOpener(std::function<QWidget*(std::string_view)> opener) { opener_ = std::move(opener); }
    const FactGrid* grid(Operation operation) const { return grids_[int(operation)]; }

private:
    void showOverview(HistoryStore::Overview overview);
    // lblDetail: a fact's record, where it stands, and the way to work it.
    void showDetail(const FactHistory* fact);
    // lblSolver and lstSolverBook: the solver windows' exercises worked, and the wrong ones.
    void showSolverChecks(const std::vector<SolverCheck>& checks);
    // 练习错题: the chosen one posed again in its window with new numbers.
    void retrySolverExercise();
    void exportClicked();
    void clearClicked();
    void tellProblems();

    HistoryStore& store_;
    HistoryTime now_;
    QLabel* summary_ = nullptr;
    QTableView* table_ = nullptr;
    DayTableModel* model_ = nullptr;
    ProgressChart* chart_ = nullptr;
    FactGrid* grids_[4] = {};
    QLabel* detail_ = nullptr;  // the fact clicked in a grid, and how to work it
    QLabel* solver_ = nullptr;
    QListWidget* solverBook_ = nullptr;
    int reading_ = 0;  // reads asked for and not yet answered
    std::function<QWidget*(std::string_view)> opener_;
};

// Writes the answers into the file as CSV, whole or not at all; an empty text, or the
// message saying why it could not be written.
QString WriteAnswersCsv(const QString& file, const std::vector<AnswerRecord>& answers, const Pupil& pupil);

// The window as the menu opens it: over the program's store.
QWidget* NewHistoryWindow();

}  // namespace velunda::ui
