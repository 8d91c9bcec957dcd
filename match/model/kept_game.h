#pragma once

#include <QByteArray>
#include <QString>
#include <map>
#include <optional>

#include "match/model/game_record.h"
#include "match/model/saved_game.h"

namespace morvane {

// The games the battle screen was closed on while they were under way, each kept in a file
// until the player resumes it or a later game of the same pairing finishes. Made once for the
// program. Several copies of the game may keep games in the same folder: a copy replaces only a
// kept game it has seen (read, written, or found there when it started), never one another copy
// wrote since, which it keeps beside it in a file of its own ("kept-2.morvane" and so on).
class KeptGame {
public:
    // The most games kept at once, each in a file of its own.
    static constexpr int kMostKeptGames = 9;

    // path is the first kept game's file; the others are named after it.
    explicit KeptGame(QString path);

    // The first file in the user's data folder.
    static QString DefaultPath();

    // Whether any game is kept.
    bool Exists() const;
    // Keeps the game in place of the one this copy kept or saw before. False, with the reason
    // in error, when it could not be written; every game kept before then stays.
    bool Keep(const SavedGame& game, QString& error);
    // The latest kept game.
    SavedGameRead Load();
    // Drops the game Load() gave last (or, when none was loaded, the one it would give).
    void Drop();
    // A game of this pairing has finished: a kept game of the same pairing that this copy has
    // seen is no longer the one to go on with.
    void DropIfPairing(const Pairing& finished);

private:
    // The file of the kept game number (0-based).
    QString PathOf(int number) const;
    // The latest kept game's file, or an empty string.
    QString Latest() const;
    // Whether the file holds what this copy last saw in it (nothing: no file at all).
    bool SeenAsItIs(const QString& path) const;
    void Remove(const QString& path);

    QString path_;
    // What this copy last read or wrote in each file, nothing where it found none.
    std::map<QString, std::optional<QByteArray>> seen_;
    QString loaded_;
};

}  // namespace morvane
