#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "match/model/saved_game.h"

class QWidget;

namespace morvane {

class SettingsStore;

// Which way the game file dialog goes.
enum class GameFileAction { Save, Open };

// Asks for a game file with the file dialog ("GameFileDialog"), which starts in the folder
// last used and lists the game files; the folder chosen is stored for the next time. The dialog
// is modal to parent but not waited for: once it closes, answered gets the path chosen, or an
// empty one when the player cancelled (unless parent has gone meanwhile).
void AskGameFile(QWidget* parent, SettingsStore& store, GameFileAction action,
                 std::function<void(const QString& path)> answered);

// Writes the game to the file; a failure is told with the message dialog over parent.
bool SaveGameOrTell(QWidget* parent, const QString& path, const SavedGame& game);

// The game read from a file; a file that cannot be read or is no valid game is told with the
// message dialog over parent (which may be none), with the reader's reason, and gives nothing.
std::optional<SavedGame> GameOrTell(QWidget* parent, const SavedGameRead& read);

}  // namespace morvane
