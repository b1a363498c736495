#include "drills/frm23.h"

#include <QCloseEvent>

#include "app/windowcatalog.h"

namespace velunda::ui {

frm23::frm23() : DrillWindow("frm23", QColor(255, 128, 255)) {}

void frm23::closeEvent(QCloseEvent* event) {
    // Whatever closes the window, the summary shows once and the window closes after it;
    // a second close request while the summary is open waits for that one.
    if (summing_) {
        event->ignore();
        return;
    }
    summing_ = true;
    Form_QueryUnload();
    event->accept();
}

void frm23::Form_QueryUnload() { ShowMessage(SummaryText(text("lbl2"), text("lbl4"), text("Label1"))); }

static const bool registered = RegisterWindow("frm23", []() -> QWidget* { return new frm23; });

}  // namespace velunda::ui
