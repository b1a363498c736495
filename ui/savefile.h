// Where a file the user saves goes: the save dialog opens in the folder the user saved
// into last (kept across runs), else in the documents folder, with a name that carries
// the pupil's name, once one is chosen, and the date ("口算记录-张三-2026-12-09.csv").
#pragma once

#include <QString>
#include <functional>

class QIODevice;
class QPdfWriter;
class QWidget;

namespace velunda::ui {

// The file chosen, or empty when the user cancels. stem is the name without the date and
// suffix ("口算记录"), suffix without its dot ("csv").
QString ChooseFileToSave(QWidget* parent, const QString& title, const QString& stem, const QString& suffix,
                         const QString& filter);

// The folder the dialog opens in, and the name it offers there.
QString SaveFolder();
QString DatedName(const QString& stem, const QString& suffix);
// The pupil whose name the offered names carry; none by default.
void SetFileOwner(const QString& name);

// Writes the file through a temporary one, so that a file that cannot be written leaves
// no partial file and an earlier one of that name stays; write returns false where it
// failed. An empty text, or the Chinese message saying why it was not written.
QString WriteWhole(const QString& path, const std::function<bool(QIODevice&)>& write);
// The same for an A4 PDF at 300 dots an inch with that title, drawn by draw.
QString WritePdf(const QString& path, const QString& title, const std::function<void(QPdfWriter&)>& draw);

}  // namespace velunda::ui
