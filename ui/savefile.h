// Where a file the user saves goes: the save dialog opens in the folder the user saved
// into last (kept across runs), else in the documents folder, with a name that carries
// the date ("口算记录-2026-12-09.csv").
#pragma once

#include <QString>

class QWidget;

namespace velunda::ui {

// The file chosen, or empty when the user cancels. stem is the name without the date and
// suffix ("口算记录"), suffix without its dot ("csv").
QString ChooseFileToSave(QWidget* parent, const QString& title, const QString& stem, const QString& suffix,
                         const QString& filter);

// The folder the dialog opens in, and the name it offers there.
QString SaveFolder();
QString DatedName(const QString& stem, const QString& suffix);

}  // namespace velunda::ui
