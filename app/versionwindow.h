#pragma once

#include "ui/designedwindow.h"

namespace velunda::ui {

// The version window: product name, slogan, author and edition over a picture.
class VersionWindow : public DesignedWindow {
    Q_OBJECT

public:
    VersionWindow();

protected:
    void paintBoard(QPainter& painter, const QRect& area) override;
};

}  // namespace velunda::ui
