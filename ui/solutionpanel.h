// The worked-solution panel of the solver windows: the part a window attaches when its
// triggers explain their computations, whether it shows, remembered across runs, and the
// sheet it prints.
#pragma once

#include <QObject>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

#include "exact/workedsolution.h"
#include "figure/sketch.h"
#include "numeric/form.h"
#include "ui/windowdesign.h"

class QTextBrowser;
class QWidget;

namespace velunda::ui {

class DesignedWindow;
class FigureView;
class TryFirst;

// The panel beside a window's designed area that explains the window's last computation,
// with the figure over the text where the window has one. Hidden until the pupil asks for
// it: the menu's check box, F2 in the window, or the window's context menu, which also
// copies, exports and prints the solution. The designed controls keep their places; the
// window grows to the right to hold the panel and shrinks back to its designed size.
class SolutionPanel : public QObject {
    Q_OBJECT

public:
    // The panel's width beside the board, and the least it narrows to on a small screen
    // (the try-first bar's width), in pixels at 100 %.
    static constexpr int kWidth = 400, kLeastWidth = 330;

    // Attaches the panel to the window as it stands (its size is the designed size);
    // `event` is what sets off the window's explained computations, `figure` draws the
    // figure over the solution, if the window has one.
    SolutionPanel(DesignedWindow& window, Event event, SketchMaker figure);
    ~SolutionPanel() override;

    bool shown() const { return shown_; }
    void setShown(bool shown);

    // Runs the computation; the panel then explains it from the fields and options as
    // they were when it started.
    bool explain(Explanation explanation, const std::function<bool()>& computation);
    // Back to saying what to type, as before any computation.
    void forget();

    // What the panel says: the last computation's solution, or what to type.
    WorkedSolution solution() const;
    // The figure the panel shows over the solution, or nullptr.
    const Sketch* figure() const;
    // Try-first mode: while it poses an exercise the panel shows what it says, and its bar
    // goes under the text.
    void setTryFirst(TryFirst* tryFirst);

    // The height the panel would like at 100 %, its figure included.
    int wantedHeight() const;
    // Lays the panel out over that part of the window (the window's fit() decides it).
    void place(const QRect& area);
    // The window's zoom changed: the text, the figure and the bar follow it.
    void zoomChanged();

    // F11: the solution full screen for the projector, its steps one at a time.
    QWidget* presentFullScreen();

protected:
    // The window's context menu.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void update();
    void layOut();
    void showContextMenu(const QPoint& globalPos);
    void exportPdf();
    bool extrasShown() const;

    DesignedWindow& window_;
    QRect area_;          // where the panel stands in the window
    const QString hint_;  // what the panel says before a computation
    const SketchMaker sketchMaker_;
    bool shown_ = false;
    QTextBrowser* text_ = nullptr;       // made when first shown
    FigureView* figure_ = nullptr;       // over the text, made with it
    Explanation explanation_ = nullptr;  // of the last computation
    std::unique_ptr<Form> before_;       // its fields as they were when it started
    TryFirst* try_ = nullptr;
};

// Whether new solver windows show their panel: the menu's check box "显示解题过程", kept
// with QSettings (organisation and application "Velunda").
class SolutionSetting : public QObject {
    Q_OBJECT

public:
    static SolutionSetting& instance();
    bool shown() const { return shown_; }
    void setShown(bool shown);

signals:
    void shownChanged(bool shown);

private:
    SolutionSetting();
    bool shown_ = false;
};

// The window's worked sheet: its title, the figure where there is one, then the solution.
// Writes the PDF through a temporary file, so that a sheet that cannot be written leaves
// no partial file; returns an empty text or the Chinese message saying why it failed.
QString WriteSolutionPdf(const QString& path, const QString& title, const WorkedSolution& solution,
                         const Sketch* figure = nullptr, bool extras = false);

// The same sheet on a printer the pupil chooses.
void PrintSolution(QWidget* parent, const QString& title, const WorkedSolution& solution,
                   const Sketch* figure = nullptr, bool extras = false);

}  // namespace velunda::ui
