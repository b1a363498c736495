#pragma once

#include "drills/drillwindow.h"

namespace velunda::ui {

// Mental arithmetic test: the drill with a pink clock, which sums up accuracy, time
// used and number of problems when it closes.
class frm23 : public DrillWindow {
public:
    frm23();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_QueryUnload();

    bool summing_ = false;
};

}  // namespace velunda::ui
