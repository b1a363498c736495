#pragma once

#include "app/windowcatalog.h"
#include "ui/designedwindow.h"

namespace velunda::ui {

// The main menu: the product name, seven headings and the entries that open every
// other window (the window table gives each entry its caption, its place and the window
// it opens).
class MainMenu : public DesignedWindow {
    Q_OBJECT

public:
    explicit MainMenu(WindowCatalog& catalog);

protected:
    void paintBoard(QPainter& painter, const QRect& area) override;

private:
    bool entriesTakeFocus_ = false;
};

}  // namespace velunda::ui
