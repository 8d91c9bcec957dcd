#include "shell/settings/settings_store.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <algorithm>
#include <cstdio>

#include "shell/settings/settings_log.h"

namespace morvane {
namespace {

const QString kFileName = QStringLiteral("Morvaneⅲ.ini");
// The store holds a few kilobytes; a file far larger is no store of this program's, and reading
// it would hold up every window.
constexpr qint64 kMostFileSize = qint64{256} * 1024;
// How long a write waits for other copies of the game to finish their own (several may finish a
// game at the same moment, each write taking a few milliseconds).
constexpr int kLockWaitMs = 2000;

QString PathOf(const QString& section, const QString& key) { return section + '/' + key; }

// QSettings parses a file again only when its size or its time, to the millisecond, differs from
// what it parsed last. A file written here is therefore given a time later than the one it
// replaces, so that a read never takes the entries of the file before for those of the new one.
bool StampLaterThan(const QString& fileName, const QDateTime& replaced) {
    if (!replaced.isValid() || QFileInfo(fileName).lastModified() > replaced) {
        return true;
    }
    QFile file(fileName);
    return file.open(QIODevice::Append) &&
           file.setFileTime(replaced.addMSecs(1), QFileDevice::FileModificationTime);
}

int IntOf(const QVariant& stored, const IntSetting& setting) {
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

QString TextOf(const QVariant& stored, const TextSetting& setting) {
    return stored.isValid() ? stored.toString() : setting.defaultValue;
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
    return IntOf(ReadValue(setting.section, setting.key), setting);
}

QString SettingsStore::Read(const TextSetting& setting) const {
    return TextOf(ReadValue(setting.section, setting.key), setting);
}

int SettingsEntries::Read(const IntSetting& setting) const {
    return IntOf(settings_.value(PathOf(setting.section, setting.key)), setting);
}

QString SettingsEntries::Read(const TextSetting& setting) const {
    return TextOf(settings_.value(PathOf(setting.section, setting.key)), setting);
}

void SettingsEntries::Write(const IntSetting& setting, int value) {
    settings_.setValue(PathOf(setting.section, setting.key), QString::number(value));
}

void SettingsEntries::Write(const TextSetting& setting, const QString& value) {
    settings_.setValue(PathOf(setting.section, setting.key), value);
}

bool SettingsStore::Write(const IntSetting& setting, int value) {
    return WriteWholeFile(
        Start::FromTheEntries, [&](SettingsEntries& entries) { entries.Write(setting, value); },
        PathOf(setting.section, setting.key));
}

bool SettingsStore::Write(const TextSetting& setting, const QString& value) {
    return WriteWholeFile(
        Start::FromTheEntries, [&](SettingsEntries& entries) { entries.Write(setting, value); },
        PathOf(setting.section, setting.key));
}

bool SettingsStore::Change(const std::function<void(SettingsEntries&)>& change) {
    return WriteWholeFile(Start::FromTheEntries, change, QStringLiteral("a change"));
}

bool SettingsStore::Replace(const std::function<void(SettingsEntries&)>& fill) {
    return WriteWholeFile(Start::Empty, fill, QStringLiteral("a new file"));
}

bool SettingsStore::WriteWholeFile(Start start, const std::function<void(SettingsEntries&)>& change,
                                   const QString& what) {
    const char* failure = WriteWholeFileOrSayWhy(start, change);
    if (failure != nullptr) {
        qCWarning(settingsLog).noquote().nospace()
            << what << " not stored in " << fileName_ << ": " << failure;
    }
    return failure == nullptr;
}

namespace {

// Whether the file holds every entry of written as written. QSettings does not see a write that
// fails only when its file is finally flushed, as on a disk that fills up meanwhile: it reports
// no error and puts the short file in place. So what the file holds is read again from a copy in
// the temporary folder, under a name of its own that QSettings keeps nothing of in memory.
bool ReadsBackAsWritten(const QString& fileName, const QSettings& written) {
    QFile file(fileName);
    QTemporaryFile copy;
    if (!file.open(QIODevice::ReadOnly) || !copy.open()) {
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError || copy.write(bytes) != bytes.size() ||
        !copy.flush()) {
        return false;
    }
    const QSettings read(copy.fileName(), QSettings::IniFormat);
    QStringList keys = written.allKeys();
    QStringList readKeys = read.allKeys();
    keys.sort();
    readKeys.sort();
    return read.status() == QSettings::NoError && readKeys == keys &&
           std::ranges::all_of(keys, [&](const QString& key) {
               return read.value(key).toString() == written.value(key).toString();
           });
}

}  // namespace

const char* SettingsStore::WriteWholeFileOrSayWhy(
    Start start, const std::function<void(SettingsEntries&)>& change) {
    const FileCheck check = CheckFile();
    if (check.refusal == FileRefusal::NotARegularFile) {
        return "not a regular file";
    }
    // A file that is replaced whole is never read, whatever its size.
    if (check.refusal == FileRefusal::TooLarge && start == Start::FromTheEntries) {
        return "too large";
    }
    const QString path = check.refusal == FileRefusal::TooLarge
                             ? QFileInfo(fileName_).canonicalFilePath()
                             : check.path;
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return "its folder cannot be made";
    }
    // One copy of the game writes at a time, and none waits long for another.
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWaitMs)) {
        return "another copy holds its lock";
    }
    // The file is written whole: its entries as they are now, with the change made, go to a
    // fresh file beside it, which then takes its place. QSettings never holds a change for the
    // store's own file, so a write that fails leaves nothing behind that a later access would
    // write; and the fresh file holds no faults, so its status tells what the write did.
    QTemporaryFile fresh(path + QStringLiteral(".XXXXXX"));
    if (!fresh.open()) {
        return "no file can be made beside it";
    }
    {
        QSettings next(fresh.fileName(), QSettings::IniFormat);
        if (start == Start::FromTheEntries) {
            const QSettings current(path, QSettings::IniFormat);
            for (const QString& entry : current.allKeys()) {
                next.setValue(entry, current.value(entry));
            }
        }
        SettingsEntries entries(next);
        change(entries);
        next.sync();
        if (next.status() != QSettings::NoError) {
            return "the new file cannot be written";
        }
        if (!ReadsBackAsWritten(fresh.fileName(), next)) {
            return "the new file was cut short (is the disk full?)";
        }
    }
    if (const QFileInfo replaced(path); replaced.exists()) {
        QFile::setPermissions(fresh.fileName(), replaced.permissions());
        if (!StampLaterThan(fresh.fileName(), replaced.lastModified())) {
            return "the new file cannot be dated";
        }
    }
    if (std::rename(QFile::encodeName(fresh.fileName()).constData(),
                    QFile::encodeName(path).constData()) != 0) {
        return "the new file cannot take its place";
    }
    fresh.setAutoRemove(false);
    return nullptr;
}

}  // namespace morvane
