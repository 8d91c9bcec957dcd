#include "shell/settings/settings_store.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace morvane {
namespace {

const QString kFileName = QStringLiteral("Morvaneⅲ.ini");
// The store holds a few kilobytes; a file far larger is no store of this program's, and reading
// it would hold up every window.
constexpr qint64 kMostFileSize = 256 * 1024;

QString PathOf(const QString& section, const QString& key) { return section + '/' + key; }

QByteArray ContentsOf(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

// Where QSettings keeps the user's INI file for the application, named without making a
// QSettings object, which would read the file before it could be checked.
SettingsStore::SettingsStore()
    : fileName_(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                QLatin1Char('/') + kFileName) {}

SettingsStore::SettingsStore(const QString& iniFilePath) : fileName_(iniFilePath) {}

SettingsStore::FileCheck SettingsStore::CheckFile() const {
    const QFileInfo file(fileName_);
    if (!file.exists() && !file.isSymLink()) {
        return {fileName_, FileRefusal::None};  // the first write makes it
    }
    // QFileInfo looks through links: a link counts as what it leads to, and a link that leads
    // nowhere as no regular file.
    if (!file.isFile()) {
        return {QString(), FileRefusal::NotARegularFile};
    }
    if (file.size() > kMostFileSize) {
        return {QString(), FileRefusal::TooLarge};
    }
    // Written through a link, the file it leads to is changed and the link kept.
    return {file.isSymLink() ? file.canonicalFilePath() : fileName_, FileRefusal::None};
}

SettingsStore::FileRefusal SettingsStore::Refusal() const { return CheckFile().refusal; }

QVariant SettingsStore::ReadValue(const QString& section, const QString& key) const {
    const FileCheck check = CheckFile();
    if (check.refusal != FileRefusal::None) {
        return {};
    }
    const QSettings settings(check.path, QSettings::IniFormat);
    return settings.value(PathOf(section, key));
}

int SettingsStore::Read(const IntSetting& setting) const {
    const QVariant stored = ReadValue(setting.section, setting.key);
    if (!stored.isValid()) {
        return setting.defaultValue;
    }
    bool ok = false;
    const int value = stored.toString().trimmed().toInt(&ok);
    if (!ok || value < setting.minimum || value > setting.maximum) {
        return setting.defaultValue;
    }
    return value;
}

QString SettingsStore::Read(const TextSetting& setting) const {
    const QVariant stored = ReadValue(setting.section, setting.key);
    return stored.isValid() ? stored.toString() : setting.defaultValue;
}

bool SettingsStore::Write(const IntSetting& setting, int value) {
    return WriteText(setting.section, setting.key, QString::number(value));
}

bool SettingsStore::Write(const TextSetting& setting, const QString& value) {
    return WriteText(setting.section, setting.key, value);
}

bool SettingsStore::WriteText(const QString& section, const QString& key, const QString& text) {
    const FileCheck check = CheckFile();
    if (check.refusal != FileRefusal::None) {
        return false;
    }
    const QByteArray before = ContentsOf(check.path);
    QSettings settings(check.path, QSettings::IniFormat);
    settings.setValue(PathOf(section, key), text);
    settings.sync();
    switch (settings.status()) {
        case QSettings::NoError:
            return true;
        case QSettings::AccessError:
            return false;
        case QSettings::FormatError:
            break;
    }
    // The status keeps only its first error, and a fault in the file as read (a byte-order mark,
    // a line without "=") comes before anything the write does. A write that went through has
    // put the file in the store's own form, which the faulty one was not.
    return ContentsOf(check.path) != before;
}

}  // namespace morvane
