#include "shell/settings/settings_store.h"

#include <QFile>
#include <QSettings>

namespace morvane {
namespace {

const QString kApplicationName = QStringLiteral("Morvaneⅲ");

QString PathOf(const QString& section, const QString& key) { return section + '/' + key; }

// A QSettings object reads the file when it is made, and keeps the first error of its life in
// its status; one made for each access therefore sees the file as it is now, and a write can
// tell its own outcome.
QVariant ReadValue(const QString& fileName, const QString& section, const QString& key) {
    const QSettings settings(fileName, QSettings::IniFormat);
    return settings.value(PathOf(section, key));
}

QByteArray ContentsOf(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

SettingsStore::SettingsStore()
    : fileName_(
          QSettings(QSettings::IniFormat, QSettings::UserScope, kApplicationName).fileName()) {}

SettingsStore::SettingsStore(const QString& iniFilePath) : fileName_(iniFilePath) {}

int SettingsStore::Read(const IntSetting& setting) const {
    const QVariant stored = ReadValue(fileName_, setting.section, setting.key);
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
    const QVariant stored = ReadValue(fileName_, setting.section, setting.key);
    return stored.isValid() ? stored.toString() : setting.defaultValue;
}

bool SettingsStore::Write(const IntSetting& setting, int value) {
    return WriteText(setting.section, setting.key, QString::number(value));
}

bool SettingsStore::Write(const TextSetting& setting, const QString& value) {
    return WriteText(setting.section, setting.key, value);
}

bool SettingsStore::WriteText(const QString& section, const QString& key, const QString& text) {
    const QByteArray before = ContentsOf(fileName_);
    QSettings settings(fileName_, QSettings::IniFormat);
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
    return ContentsOf(fileName_) != before;
}

}  // namespace morvane
