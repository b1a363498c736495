// The worked-solution panel of the solver windows: whether it shows, remembered across
// runs, and the sheet it prints.
#pragma once

#include <QObject>
#include <QString>

#include "exact/workedsolution.h"
#include "figure/sketch.h"

class QWidget;

namespace velunda::ui {

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
