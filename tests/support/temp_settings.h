#pragma once

#include <QDir>
#include <QFile>
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

// A settings store that cannot be written: a regular file stands where its folder should be,
// which stops every write whoever runs the test (root included, for whom permissions do not).
class BlockedSettings {
public:
    BlockedSettings() : store_(dir_.filePath(QStringLiteral("folder/settings.ini"))) {
        QFile blocker(dir_.filePath(QStringLiteral("folder")));
        blocker.open(QIODevice::WriteOnly);
    }

    SettingsStore& store() { return store_; }
    QString fileName() const { return store_.FileName(); }

    // Puts the folder in place of the file, so that writes work again.
    void Unblock() {
        QFile::remove(dir_.filePath(QStringLiteral("folder")));
        QDir(dir_.path()).mkdir(QStringLiteral("folder"));
    }

private:
    QTemporaryDir dir_;
    SettingsStore store_;
};

}  // namespace morvane::testing
