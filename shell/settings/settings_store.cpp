#include "shell/settings/settings_store.h"

#include <QSettings>

namespace morvane {
namespace {

const QString kApplicationName = QStringLiteral("Morvaneⅲ");

QString PathOf(const QString& section, const QString& key) { return section + '/' + key; }

}  // namespace

SettingsStore::SettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            kApplicationName)) {}

SettingsStore::SettingsStore(const QString& iniFilePath)
    : settings_(std::make_unique<QSettings>(iniFilePath, QSettings::IniFormat)) {}

SettingsStore::~SettingsStore() = default;

int SettingsStore::Read(const IntSetting& setting) const {
    const QVariant stored = settings_->value(PathOf(setting.section, setting.key));
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
    const QVariant stored = settings_->value(PathOf(setting.section, setting.key));
    return stored.isValid() ? stored.toString() : setting.defaultValue;
}

void SettingsStore::Write(const IntSetting& setting, int value) {
    settings_->setValue(PathOf(setting.section, setting.key), QString::number(value));
    settings_->sync();
}

void SettingsStore::Write(const TextSetting& setting, const QString& value) {
    settings_->setValue(PathOf(setting.section, setting.key), value);
    settings_->sync();
}

QString SettingsStore::FileName() const { return settings_->fileName(); }

}  // namespace morvane
