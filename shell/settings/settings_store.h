#pragma once

#include <QString>
#include <memory>

#include "shell/settings/settings_keys.h"

class QSettings;

namespace morvane {

// The per-user settings store under the application name "Morvaneⅲ": text values addressed by
// section and key, read with a default (a read never creates an entry), written at once.
class SettingsStore {
public:
    // The user's own store.
    SettingsStore();
    // A store kept in the given INI file; tests use one in a temporary folder.
    explicit SettingsStore(const QString& iniFilePath);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // The stored number, or the default when the entry is missing, is not a whole number, or
    // lies outside the values the program writes.
    int Read(const IntSetting& setting) const;
    // The stored text, or the default when the entry is missing.
    QString Read(const TextSetting& setting) const;

    void Write(const IntSetting& setting, int value);
    void Write(const TextSetting& setting, const QString& value);

    // The file that backs the store.
    QString FileName() const;

private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace morvane
