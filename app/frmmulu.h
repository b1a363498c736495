#pragma once

#include "app/calculatorwindow.h"
#include "app/windowcatalog.h"

namespace velunda::ui {

// The main menu: the product name, seven headings and the entries that open every
// other window.
class frmmulu : public CalculatorWindow {
public:
    explicit frmmulu(WindowCatalog& catalog);

    // Entry label → window it opens, in the order of the menu.
    struct Entry {
        std::string_view label;
        std::string_view window;
    };
    static const std::vector<Entry>& Entries();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool entriesTakeFocus_ = false;
};

// The version window: product name, slogan, author and edition over a picture.
class frmbanben : public CalculatorWindow {
public:
    frmbanben();

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace velunda::ui
