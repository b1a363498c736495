#pragma once

#include "drills/drillwindow.h"

namespace velunda::ui {

// Mental arithmetic practice: the drill with a blue clock.
class frm22 : public DrillWindow {
public:
    frm22();
};

}  // namespace velunda::ui
