#pragma once

#include <QTemporaryDir>

#include "shell/settings/settings_store.h"

namespace morvane::testing {

// A settings store in a fresh temporary folder, removed with the object.
class TempSettings {
public:
    TempSettings() : store_(dir_.filePath(QStringLiteral("settings.ini"))) {}

    SettingsStore& store() { return store_; }
    QString fileName() const { return store_.FileName(); }

private:
    QTemporaryDir dir_;
    SettingsStore store_;
};

}  // namespace morvane::testing
