// The program's settings file (organisation and application "Velunda", in the user's
// configuration folder). A choice made is kept for the run whatever the file does; a
// file that cannot be read is never written over (a damaged one is set aside under
// another name, as a damaged history is); each fault is told once, in Chinese.
#pragma once

#include <QObject>
#include <QSettings>
#include <QStringList>
#include <QVariant>
#include <map>
#include <memory>

namespace velunda::ui {

class ProgramSettings : public QObject {
    Q_OBJECT

public:
    // The program's settings, read on the first call.
    static ProgramSettings& instance();
    static QString DefaultPath();

    // The settings in that file.
    explicit ProgramSettings(const QString& file, QObject* parent = nullptr);
    ~ProgramSettings() override;

    QVariant value(const QString& key, const QVariant& fallback = {}) const;
    // Kept at once for this run, and written to the file where it can be.
    void setValue(const QString& key, const QVariant& value);

    // The messages for the user of faults not yet told, each returned once: whoever
    // takes them shows them. problemsArisen() says there are some.
    QStringList takeProblems();

signals:
    void problemsArisen();

private:
    void told(const QString& message);

    QString file_;
    std::unique_ptr<QSettings> settings_;  // none when the file must be left alone
    std::map<QString, QVariant> chosen_;   // this run's choices
    bool writeToldOnce_ = false;
    QStringList untold_;
};

}  // namespace velunda::ui
