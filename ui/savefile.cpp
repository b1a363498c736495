#include "ui/savefile.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

#include "ui/message.h"
#include "ui/settings.h"

namespace velunda::ui {
namespace {

constexpr auto kFolderKey = "files/lastFolder";

QString& Owner() {
    static QString owner;
    return owner;
}

}  // namespace

QString SaveFolder() {
    const QString last = ProgramSettings::instance().value(kFolderKey).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void SetFileOwner(const QString& name) {
    // A name is part of a file name: without the characters no file name may hold.
    static const QRegularExpression unsafe(R"([\\/:*?"<>|\x00-\x1f])");
    Owner() = QString(name).replace(unsafe, "_").trimmed();
}

QString DatedName(const QString& stem, const QString& suffix) {
    const QString owner = Owner().isEmpty() ? QString() : "-" + Owner();
    return stem + owner + "-" + QDate::currentDate().toString(Qt::ISODate) + "." + suffix;
}

QString ChooseFileToSave(QWidget* parent, const QString& title, const QString& stem, const QString& suffix,
                         const QString& filter) {
    const QString start = QDir(SaveFolder()).filePath(DatedName(stem, suffix));
    const QString file = QFileDialog::getSaveFileName(parent, title, start, filter);
    if (!file.isEmpty()) ProgramSettings::instance().setValue(kFolderKey, QFileInfo(file).absolutePath());
    return file;
}

QString WriteWhole(const QString& path, const std::function<bool(QIODevice&)>& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !write(file) || !file.commit())
        return FileNotWrittenText(path, file.errorString());
    return {};
}

QString WritePdf(const QString& path, const QString& title, const std::function<void(QPdfWriter&)>& draw) {
    return WriteWhole(path, [&](QIODevice& file) {
        QPdfWriter writer(&file);
        writer.setTitle(title);
        writer.setCreator("Velunda");
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(300);
        draw(writer);
        return true;
    });
}

}  // namespace velunda::ui
