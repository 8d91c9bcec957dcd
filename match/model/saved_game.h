#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <array>
#include <optional>
#include <vector>

#include "match/model/game_result.h"
#include "rules/board.h"
#include "rules/player_kind.h"

namespace morvane {

// A game as a player keeps it in a file: everything needed to show it again and go on from
// where it stopped. The file is UTF-8 text (ASCII in fact), one `key value` item per line, LF
// line ends, beginning with kSavedGameFormat:
//   Morvane game 1
//   layout 000…0      the board before the first move, 96 digits 0, 1, 2, 3 or 8
//   circle mouse 5    side ○: mouse, keyboard, easy, normal, hard, expert or master; picture
//   cross normal 3    side ×, the same
//   first circle      the side that moved first: circle or cross
//   round 1           1..999
//   wins 0 0          ○'s and ×'s wins, 0..255 each
//   move 5-12         one line per unit placed, in order (none before the first move)
//   result circle     circle, cross or draw; only once the game has ended
//   id 0123…ef        the game's identity, kGameIdLength lowercase hex digits; optional
// The writer puts the lines in this order; the reader takes the single keys in any order, skips
// blank lines, a CR before the LF and a byte-order mark.
struct SavedGame {
    Board layout;  // the board before the first move: terrain, or all Empty
    std::array<PlayerKind, 2> players = kFirstPlayerKinds;  // side ○ (0) and side × (1)
    std::array<int, 2> pictures{5, 3};                      // player pictures 1..10
    Turn firstTurn = kCircleTurn;                           // the side that moved first
    std::vector<int> moves;                                 // cell indexes, in the order placed
    int round = 1;                                          // 1..999
    std::array<int, 2> wins{0, 0};                          // games won so far, 0..255 each
    std::optional<GameEnd> end;  // how the game ended; nothing while it is under way
    // Tells the game apart from every other, in all its copies (kept, saved, resumed), so that
    // the record counts it once; empty for a game from a file written without one.
    QString id;

    friend bool operator==(const SavedGame&, const SavedGame&) = default;
};

// The first line of every game file.
inline constexpr char kSavedGameFormat[] = "Morvane game 1";
// The extension of game files, without the dot.
inline constexpr char kSavedGameSuffix[] = "morvane";
// The digits of a game's id.
inline constexpr int kGameIdLength = 32;
// A fresh id for a game that starts.
QString NewGameId();
// Larger files are refused unread.
inline constexpr qint64 kSavedGameMaxBytes = qint64{64} * 1024;

// A cell as players and the screen reader name it: column and row, "5-12".
QString CellNotation(int index);
std::optional<int> ParseCellNotation(QStringView text);

// The game as file text. A network side has no word in the file: such a game is never written.
QByteArray WriteSavedGame(const SavedGame& game);

// What reading a game file gave: the game, or the 1-based line that is wrong (0 for the file as
// a whole) and why, in the interface's language. ReadSavedGame's reason is a bare sentence;
// LoadGameFile's names the file and the line as well, ready to be shown as it is.
struct SavedGameRead {
    std::optional<SavedGame> game;
    int line = 0;
    QString error;
};
// Accepts only a game that can have been played: every move placeable in turn, nothing after
// the end, and an end that agrees with the board (a line through a placed unit wins, one that
// was already on the layout does not; a full board is a draw). Any bytes at all may be given:
// the reader stops at the first wrong line and never holds more than 128 lines.
SavedGameRead ReadSavedGame(const QByteArray& text);

// The board after the first plies moves (0..moves.size()), as the game showed it: after the
// move that ended the game, the winning line highlighted and the other units greyed.
Board BoardAfter(const SavedGame& game, int plies);
// The side to move after the first plies moves (the sides alternate from firstTurn).
Turn TurnAfter(const SavedGame& game, int plies);

// Reads a file (refusing one above kSavedGameMaxBytes); a failure names the file.
SavedGameRead LoadGameFile(const QString& path);
// Writes the game atomically: a temporary file beside the target, renamed over it once it is
// complete. False, with the reason in error, when anything fails; the old file then stays.
bool SaveGameFile(const QString& path, const SavedGame& game, QString& error);

}  // namespace morvane
