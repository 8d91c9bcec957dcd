#pragma once

#include <functional>
#include <optional>

#include "match/model/saved_game.h"

class QWidget;

namespace morvane {

class KeptGame;
class SettingsStore;

// The game file and kept-game commands, one copy for the title and the battle screen. Each
// tells the player with the program's own dialogs over parent what went wrong.
class GameCommands {
public:
    // Without a kept game nothing is kept and nothing resumed.
    GameCommands(SettingsStore& store, KeptGame* kept) : store_(store), kept_(kept) {}

    // Asks for a file and writes the game to it; then done, saved or not.
    void SaveAs(QWidget* parent, const SavedGame& game, std::function<void()> done);
    // Asks for a file; then picked gets the game in it, or nothing when none was picked or the
    // file is no game.
    void PickGame(QWidget* parent,
                  std::function<void(const std::optional<SavedGame>& game)> picked);

    bool HasKeptGame() const;
    // The kept game to go on with; one that holds nothing to go on with is dropped.
    std::optional<SavedGame> KeptGameToResume(QWidget* parent);
    // The kept game has been resumed: it is kept no longer.
    void DropKeptGame();
    // The game under way is kept, to be resumed later.
    void Keep(QWidget* parent, const SavedGame& game);

private:
    SettingsStore& store_;
    KeptGame* kept_;
};

}  // namespace morvane
