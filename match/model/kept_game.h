#pragma once

#include <QString>

#include "match/model/game_record.h"
#include "match/model/saved_game.h"

namespace morvane {

// The game the battle screen was closed on while it was under way, kept in one file until the
// player resumes it or a later game of the same pairing finishes. Made once for the program; it
// is the only writer of its file, so it knows without looking whether a game is kept.
class KeptGame {
public:
    explicit KeptGame(QString path);

    // The file in the user's data folder.
    static QString DefaultPath();

    bool Exists() const { return exists_; }
    // Keeps the game in place of the one kept before. False, with the reason in error, when it
    // could not be written; the game kept before then stays.
    bool Keep(const SavedGame& game, QString& error);
    SavedGameRead Load() const;
    void Drop();
    // A game of this pairing has finished: the kept game of the same pairing is no longer the
    // one to go on with.
    void DropIfPairing(const Pairing& finished);

private:
    QString path_;
    bool exists_;
};

}  // namespace morvane
