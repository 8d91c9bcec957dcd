#include "shell/settings/settings_store.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <cstdio>

#include "shell/settings/settings_log.h"

namespace morvane {
namespace {

const QString kFileName = QStringLiteral("Morvaneⅲ.ini");
// The store holds a few kilobytes; a file far larger is no store of this program's, and reading
// it would hold up every window.
constexpr qint64 kMostFileSize = qint64{256} * 1024;
// How long a write waits for another copy of the game to finish its own.
constexpr int kLockWaitMs = 1000;

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
    const char* failure = WriteWholeFile(section, key, text);
    if (failure != nullptr) {
        qCWarning(settingsLog).noquote().nospace()
            << PathOf(section, key) << " not stored in " << fileName_ << ": " << failure;
    }
    return failure == nullptr;
}

const char* SettingsStore::WriteWholeFile(const QString& section, const QString& key,
                                          const QString& text) {
    const FileCheck check = CheckFile();
    if (check.refusal == FileRefusal::NotARegularFile) {
        return "not a regular file";
    }
    if (check.refusal == FileRefusal::TooLarge) {
        return "too large";
    }
    if (!QDir().mkpath(QFileInfo(check.path).absolutePath())) {
        return "its folder cannot be made";
    }
    // One copy of the game writes at a time, and none waits long for another.
    QLockFile lock(check.path + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWaitMs)) {
        return "another copy holds its lock";
    }
    // The file is written whole: its entries as they are now, with this one set, go to a fresh
    // file beside it, which then takes its place. QSettings never holds a change for the store's
    // own file, so a write that fails leaves nothing behind that a later access would write;
    // and the fresh file holds no faults, so its status tells what the write did.
    QTemporaryFile fresh(check.path + QStringLiteral(".XXXXXX"));
    if (!fresh.open()) {
        return "no file can be made beside it";
    }
    {
        const QSettings current(check.path, QSettings::IniFormat);
        QSettings next(fresh.fileName(), QSettings::IniFormat);
        for (const QString& entry : current.allKeys()) {
            next.setValue(entry, current.value(entry));
        }
        next.setValue(PathOf(section, key), text);
        next.sync();
        if (next.status() != QSettings::NoError) {
            return "the new file cannot be written";
        }
    }
    if (const QFileInfo replaced(check.path); replaced.exists()) {
        QFile::setPermissions(fresh.fileName(), replaced.permissions());
        if (!StampLaterThan(fresh.fileName(), replaced.lastModified())) {
            return "the new file cannot be dated";
        }
    }
    if (std::rename(QFile::encodeName(fresh.fileName()).constData(),
                    QFile::encodeName(check.path).constData()) != 0) {
        return "the new file cannot take its place";
    }
    fresh.setAutoRemove(false);
    return nullptr;
}

}  // namespace morvane
