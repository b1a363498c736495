// The figure widget over the solution text of a window's panel.
#pragma once

#include <QWidget>

#include "figure/sketch.h"

namespace velunda::ui {

// The widget over the solution text. The window's context menu shows the extras.
class FigureView : public QWidget {
    Q_OBJECT

public:
    explicit FigureView(QWidget* parent = nullptr);
    void setSketch(Sketch sketch);
    const Sketch& sketch() const { return sketch_; }
    bool extrasShown() const { return extras_; }
    void setExtrasShown(bool shown);
    // The figure drawn larger: lines and labels alike.
    void setZoom(double zoom);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Sketch sketch_;
    bool extras_ = false;
    double zoom_ = 1;
};

}  // namespace velunda::ui
