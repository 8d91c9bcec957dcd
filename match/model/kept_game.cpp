#include "match/model/kept_game.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <utility>

#include "match/model/battle_log.h"
#include "match/model/player_entry.h"

namespace morvane {
namespace {

// How long keeping a game waits for another copy that keeps one at the same moment.
constexpr int kLockWaitMs = 2000;

// The file's bytes; nothing when there is no regular file to read (a FIFO is never opened).
std::optional<QByteArray> Contents(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return file.read(kSavedGameMaxBytes + 1);
}

}  // namespace

KeptGame::KeptGame(QString path) : path_(std::move(path)) {
    // What stands there now has been seen: as ever, a game kept later replaces it.
    for (int number = 0; number < kMostKeptGames; ++number) {
        seen_[PathOf(number)] = Contents(PathOf(number));
    }
}

QString KeptGame::DefaultPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("kept.") + QLatin1String(kSavedGameSuffix));
}

QString KeptGame::PathOf(int number) const {
    if (number == 0) {
        return path_;
    }
    const QFileInfo first(path_);
    return first.dir().filePath(QStringLiteral("%1-%2.%3")
                                    .arg(first.completeBaseName())
                                    .arg(number + 1)
                                    .arg(first.suffix()));
}

bool KeptGame::Exists() const { return !Latest().isEmpty(); }

QString KeptGame::Latest() const {
    QString latest;
    QDateTime latestTime;
    for (int number = 0; number < kMostKeptGames; ++number) {
        const QFileInfo file(PathOf(number));
        if (file.exists() && (latest.isEmpty() || file.lastModified() > latestTime)) {
            latest = file.filePath();
            latestTime = file.lastModified();
        }
    }
    return latest;
}

bool KeptGame::SeenAsItIs(const QString& path) const {
    const auto seen = seen_.find(path);
    return seen != seen_.end() && seen->second == Contents(path) &&
           (seen->second || !QFileInfo::exists(path));
}

bool KeptGame::Keep(const SavedGame& game, QString& error) {
    const QString folder = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(folder)) {
        error = QCoreApplication::translate("morvane::KeptGame", "フォルダ「%1」を作れません")
                    .arg(QDir::toNativeSeparators(folder));
        qCWarning(battleLog) << "no folder for the kept game:" << path_;
        return false;
    }
    // Two copies keeping at the same moment take turns, so that neither takes the other's file.
    // A lock that cannot even be made (a full disk) is gone without: the game's own file then
    // fails too, and says why.
    QLockFile lock(path_ + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWaitMs) && lock.error() == QLockFile::LockFailedError) {
        error = QCoreApplication::translate("morvane::KeptGame",
                                            "ほかのMorvaneⅲがゲームを残しているところです");
        qCWarning(battleLog) << "another copy holds the kept games' lock:" << path_;
        return false;
    }
    // The file this copy kept a game in or saw, if another copy has not written it since; else a
    // free one beside it.
    QString target;
    for (int number = 0; number < kMostKeptGames && target.isEmpty(); ++number) {
        if (SeenAsItIs(PathOf(number))) {
            target = PathOf(number);
        }
    }
    for (int number = 0; number < kMostKeptGames && target.isEmpty(); ++number) {
        if (!QFileInfo::exists(PathOf(number)) && !QFileInfo(PathOf(number)).isSymLink()) {
            target = PathOf(number);
        }
    }
    if (target.isEmpty()) {
        error = QCoreApplication::translate("morvane::KeptGame", "残しておけるゲームは%1つまでです")
                    .arg(kMostKeptGames);
        return false;
    }
    if (!SaveGameFile(target, game, error)) {
        qCWarning(battleLog) << "the game could not be kept:" << error;
        return false;
    }
    seen_[target] = WriteSavedGame(game);
    if (target != path_) {
        qCInfo(battleLog) << "another copy has kept a game since; this one is kept in" << target;
    }
    return true;
}

SavedGameRead KeptGame::Load() {
    loaded_ = Latest();
    SavedGameRead read = LoadGameFile(loaded_.isEmpty() ? path_ : loaded_);
    if (!loaded_.isEmpty()) {
        seen_[loaded_] = Contents(loaded_);
    }
    return read;
}

void KeptGame::Drop() {
    Remove(loaded_.isEmpty() ? Latest() : loaded_);
    loaded_.clear();
}

void KeptGame::Remove(const QString& path) {
    if (path.isEmpty()) {
        return;
    }
    if (!QFile::remove(path) && QFileInfo::exists(path)) {
        qCWarning(battleLog) << "the kept game could not be removed:" << path;
    }
    seen_[path] = std::nullopt;
}

void KeptGame::DropIfPairing(const Pairing& finished) {
    for (int number = 0; number < kMostKeptGames; ++number) {
        const QString path = PathOf(number);
        if (!QFileInfo::exists(path) || !SeenAsItIs(path)) {
            continue;
        }
        const SavedGameRead kept = LoadGameFile(path);
        if (!kept.game) {
            Remove(path);  // nothing to go on with
            continue;
        }
        const Players players{kept.game->players, kept.game->pictures};
        if (PairingOf(players, PlayingLevel(players.kind, ComputerLevel::Easy)) == finished) {
            Remove(path);
        }
    }
}

}  // namespace morvane
