#pragma once

#include "ui/designedwindow.h"

namespace velunda::ui {

// The version window: product name, slogan, author and edition over a picture.
class VersionWindow : public DesignedWindow {
    Q_OBJECT

public:
    VersionWindow();

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace velunda::ui
