#include "drills/frm22.h"

#include "app/windowcatalog.h"

namespace velunda::ui {

frm22::frm22() : DrillWindow("frm22", QColor(0, 0, 255)) {}

static const bool registered = RegisterWindow("frm22", []() -> QWidget* { return new frm22; });

}  // namespace velunda::ui
