#pragma once

#include <QString>
#include <QVariant>

#include "shell/settings/settings_keys.h"

namespace morvane {

// The per-user settings store under the application name "Morvaneⅲ": text values addressed by
// section and key, read with a default (a read never creates an entry), written at once.
// Every read and write looks at the file afresh, so that a value another copy of the game has
// stored meanwhile is seen and kept; the file is parsed again only when it has changed
// (QSettings keeps the parsed file while its size and time stay the same). A write puts the
// whole file anew, so that a write that fails leaves no change behind for a later one to make.
//
// Only a regular file, or a link to one, is used, and only up to a few hundred kilobytes:
// anything else (a FIFO, a device, a directory, a link to one of them or to nothing) is refused
// without being opened, so that the game never waits on it; while the file is refused, every
// read gives the default and every write fails.
class SettingsStore {
public:
    enum class FileRefusal { None, NotARegularFile, TooLarge };

    // The user's own store.
    SettingsStore();
    // A store kept in the given INI file; tests use one in a temporary folder.
    explicit SettingsStore(const QString& iniFilePath);

    // The stored number, or the default when the entry is missing, is not a whole number, or
    // lies outside the values the program writes.
    int Read(const IntSetting& setting) const;
    // The stored text, or the default when the entry is missing.
    QString Read(const TextSetting& setting) const;

    // Stores the value under its key, leaving the file's other entries as they are now. True
    // when it reached the file, whatever faults the file held before; false when the file could
    // not be written (a read-only file or folder, a directory or a file in the way).
    bool Write(const IntSetting& setting, int value);
    bool Write(const TextSetting& setting, const QString& value);

    // The file that backs the store.
    QString FileName() const { return fileName_; }
    // Why the file cannot be used as it is now, if it cannot.
    FileRefusal Refusal() const;

private:
    // The file to read and write (the one a link leads to), or why there is none.
    struct FileCheck {
        QString path;
        FileRefusal refusal;
    };
    FileCheck CheckFile() const;
    QVariant ReadValue(const QString& section, const QString& key) const;
    bool WriteText(const QString& section, const QString& key, const QString& text);
    // Why the entry could not be written, or nothing when it was.
    const char* WriteWholeFile(const QString& section, const QString& key, const QString& text);

    QString fileName_;
};

}  // namespace morvane
