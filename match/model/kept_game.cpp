#include "match/model/kept_game.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <utility>

#include "match/model/battle_log.h"
#include "match/model/player_entry.h"

namespace morvane {

KeptGame::KeptGame(QString path) : path_(std::move(path)), exists_(QFileInfo::exists(path_)) {}

QString KeptGame::DefaultPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("kept.") + QLatin1String(kSavedGameSuffix));
}

bool KeptGame::Keep(const SavedGame& game, QString& error) {
    if (!QDir().mkpath(QFileInfo(path_).absolutePath())) {
        error = QDir::toNativeSeparators(QFileInfo(path_).absolutePath());
        qCWarning(battleLog) << "no folder for the kept game:" << path_;
        return false;
    }
    if (!SaveGameFile(path_, game, error)) {
        qCWarning(battleLog) << "the game could not be kept:" << error;
        return false;
    }
    exists_ = true;
    return true;
}

SavedGameRead KeptGame::Load() const { return LoadGameFile(path_); }

void KeptGame::Drop() {
    if (exists_ && !QFile::remove(path_) && QFileInfo::exists(path_)) {
        qCWarning(battleLog) << "the kept game could not be removed:" << path_;
    }
    exists_ = false;
}

void KeptGame::DropIfPairing(const Pairing& finished) {
    if (!exists_) {
        return;
    }
    const SavedGameRead kept = Load();
    if (!kept.game) {
        Drop();  // nothing to go on with
        return;
    }
    const Players players{kept.game->players, kept.game->pictures};
    if (PairingOf(players, PlayingLevel(players.kind, ComputerLevel::Easy)) == finished) {
        Drop();
    }
}

}  // namespace morvane
