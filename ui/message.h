#pragma once

#include <QString>

#include "numeric/form.h"

class QWidget;

namespace velunda::ui {

// A modal message box: the text, the information icon or none, one OK button, and the
// title (the application's title when empty). Returns when the user has closed it.
void ShowMessageBox(QWidget* parent, const QString& text, Icon icon, const QString& title = {});

}  // namespace velunda::ui
