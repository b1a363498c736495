#include "ui/savefile.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include "ui/settings.h"

namespace velunda::ui {
namespace {

constexpr auto kFolderKey = "files/lastFolder";

}  // namespace

QString SaveFolder() {
    const QString last = ProgramSettings::instance().value(kFolderKey).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString DatedName(const QString& stem, const QString& suffix) {
    return stem + "-" + QDate::currentDate().toString(Qt::ISODate) + "." + suffix;
}

QString ChooseFileToSave(QWidget* parent, const QString& title, const QString& stem, const QString& suffix,
                         const QString& filter) {
    const QString start = QDir(SaveFolder()).filePath(DatedName(stem, suffix));
    const QString file = QFileDialog::getSaveFileName(parent, title, start, filter);
    if (!file.isEmpty()) ProgramSettings::instance().setValue(kFolderKey, QFileInfo(file).absolutePath());
    return file;
}

}  // namespace velunda::ui
