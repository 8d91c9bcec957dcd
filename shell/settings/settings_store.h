#pragma once

#include <QString>
#include <QVariant>

#include "shell/settings/settings_keys.h"

#include <functional>

class QSettings;

namespace morvane {

// The entries of a store while one change to it is made: what Read gives is what the file holds
// at that moment, under the store's lock, so that a value read, changed and written back cannot
// lose another copy's change made meanwhile.
class SettingsEntries {
public:
    explicit SettingsEntries(QSettings& settings) : settings_(settings) {}

    int Read(const IntSetting& setting) const;
    QString Read(const TextSetting& setting) const;
    void Write(const IntSetting& setting, int value);
    void Write(const TextSetting& setting, const QString& value);

private:
    QSettings& settings_;
};

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
    // Reads and writes any entries as one step, under the lock that every copy of the game
    // writes under: change sees the entries as they are now and sets those it changes; the file
    // keeps the others. True when the change reached the file, as for Write.
    bool Change(const std::function<void(SettingsEntries&)>& change);
    // Puts a file in place of whatever stood there, holding only the entries fill sets. Until
    // the new file is complete the old one stays, so a write that fails loses nothing.
    bool Replace(const std::function<void(SettingsEntries&)>& fill);

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
    // A file written whole starts from the entries the store holds now, or from none.
    enum class Start { FromTheEntries, Empty };
    // Logs why not, naming what was to be stored, when the file could not be written.
    bool WriteWholeFile(Start start, const std::function<void(SettingsEntries&)>& change,
                        const QString& what);
    // Why the file could not be written, or nothing when it was.
    const char* WriteWholeFileOrSayWhy(Start start,
                                       const std::function<void(SettingsEntries&)>& change);

    QString fileName_;
};

}  // namespace morvane
