#pragma once

#include <QString>

#include "numeric/form.h"

class QWidget;

namespace velunda::ui {

// A modal message box: the text, the information icon or none, one OK button, and the
// title (the application's title when empty). Returns when the user has closed it.
void ShowMessageBox(QWidget* parent, const QString& text, Icon icon, const QString& title = {});

// Why a file could not be written, in Chinese, found from where it was to go (a folder
// that is missing or may not be written, a read-only or full disk); the toolkit's own
// text, in whatever language it comes, follows only as a detail.
QString FileNotWrittenText(const QString& path, const QString& detail = {});

}  // namespace velunda::ui
