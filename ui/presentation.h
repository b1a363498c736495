// The worked solution at the projector: the window's title, its figure and its steps in a
// large face, full screen, one step more with Space or →, one less with ←, Esc to leave.
#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "exact/workedsolution.h"
#include "figure/sketch.h"

class QLabel;
class QTextBrowser;

namespace velunda::ui {

class FigureView;

class PresentationView : public QWidget {
public:
    PresentationView(const QString& title, WorkedSolution solution, const Sketch* figure);

    // How many of the steps show, and how many there are.
    std::size_t shownSteps() const { return shown_; }
    std::size_t steps() const { return solution_.steps.size(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showSteps();

    WorkedSolution solution_;
    std::size_t shown_ = 1;
    QLabel* where_ = nullptr;
    QTextBrowser* text_ = nullptr;
    FigureView* figure_ = nullptr;
};

}  // namespace velunda::ui
