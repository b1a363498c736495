#include "ui/settings.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace velunda::ui {
namespace {

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

// The damaged file's new name beside it, with the date: Velunda-damaged-2026-12-09.conf.
QString AsideName(const QFileInfo& file) {
    const QString stem =
        file.absolutePath() + "/" + file.completeBaseName() + "-damaged-" + QDate::currentDate().toString(Qt::ISODate);
    QString aside = stem + "." + file.suffix();
    for (int n = 2; QFileInfo::exists(aside); ++n) aside = stem + "-" + QString::number(n) + "." + file.suffix();
    return aside;
}

}  // namespace

QString ProgramSettings::DefaultPath() {
    // Where the toolkit keeps the program's settings (Velunda/Velunda.conf in the user's
    // configuration folder), read and written in the same format.
    return QSettings("Velunda", "Velunda").fileName();
}

ProgramSettings& ProgramSettings::instance() {
    static ProgramSettings* settings = new ProgramSettings(DefaultPath());  // lives as long as the program
    return *settings;
}

ProgramSettings::ProgramSettings(const QString& file, QObject* parent) : QObject(parent), file_(file) {
    const QFileInfo info(file);
    if (info.exists() && (info.isDir() || !info.isReadable())) {
        told("设置文件 " + Native(file) + " 读不了。这次使用默认设置，所做的选择不会被保存。");
        return;
    }
    settings_ = std::make_unique<QSettings>(file, QSettings::IniFormat);
    settings_->childGroups();  // read now: the status tells of the file only once it is read
    if (settings_->status() == QSettings::NoError) return;
    settings_.reset();  // never written over
    const QString aside = AsideName(info);
    if (QFile::rename(file, aside)) {
        told("设置文件已损坏，已改名保存为 " + Native(aside) + "。设置从默认值重新开始。");
        settings_ = std::make_unique<QSettings>(file, QSettings::IniFormat);
    } else {
        told("设置文件 " + Native(file) + " 读不了。这次使用默认设置，所做的选择不会被保存。");
    }
}

ProgramSettings::~ProgramSettings() = default;

QVariant ProgramSettings::value(const QString& key, const QVariant& fallback) const {
    if (auto it = chosen_.find(key); it != chosen_.end()) return it->second;
    return settings_ ? settings_->value(key, fallback) : fallback;
}

void ProgramSettings::setValue(const QString& key, const QVariant& value) {
    chosen_[key] = value;
    if (!settings_) return;
    settings_->setValue(key, value);
    settings_->sync();
    if (settings_->status() == QSettings::NoError || writeToldOnce_) return;
    writeToldOnce_ = true;
    told("设置文件 " + Native(file_) + " 写不进去。所做的选择只在这次运行中有效，下次启动时不会保留。");
}

QStringList ProgramSettings::takeProblems() { return std::exchange(untold_, {}); }

void ProgramSettings::told(const QString& message) {
    untold_ << message;
    emit problemsArisen();
}

}  // namespace velunda::ui
