#pragma once

#include <optional>

#include "extra/engine/ex_board.h"
#include "extra/engine/ex_search.h"

namespace morvane {

// Who plays the side with code 4: a person at the keyboard, or the computer ("Program").
enum class ExMode { AgainstPerson = 0, AgainstComputer = 1 };

// The side to move (ExTurn): the Mouse side, the other side, or no game in progress.
inline constexpr int kExMouseTurn = 1;
inline constexpr int kExOtherTurn = -1;
inline constexpr int kExNoTurn = 0;

inline constexpr int kExCursorStart = 95;        // the keyboard cursor's cell at every start
inline constexpr int kExTerrainDrawsAtLoad = 8;  // RndI and RndB when the window opens
inline constexpr int kExMostTerrainDraws = 50;

enum class ExWinner { Mouse, Other, Nobody };

// How a game ended: who won, and the final position with the winning run and dimmed units.
struct ExGameEnd {
    ExWinner winner;
    ExBoard finalBoard;
};

// The state of the extra game's window: the board, the turn, the keyboard cursor and the
// counters, from one opening of the window to its closing. The window draws it and asks it.
class ExMatch {
public:
    ExMode mode() const { return mode_; }
    const ExBoard& board() const { return board_; }
    int turn() const { return turn_; }
    bool inProgress() const { return inProgress_; }
    int keyCursor() const { return keyCursor_; }
    int mouseWins() const { return mouseWins_; }
    int otherWins() const { return otherWins_; }
    int drawCount() const { return drawCount_; }
    int gameCount() const { return gameCount_; }

    // RndI and RndB: the random terrain's stone and box draws, 0..50.
    int stoneDraws = kExTerrainDrawsAtLoad;
    int boxDraws = kExTerrainDrawsAtLoad;

    // A new series in the given mode (after a mode change or 【New Game!】): the game number
    // starts again, the board is emptied and a game in progress is dropped without counting.
    // Wins and draws are kept.
    void NewSeries(ExMode mode);

    // Starts a game on the board as it is (empty, or with the terrain made since the last game).
    void Start(bool mouseFirst);

    // Random terrain and its turns, between games only.
    void MakeTerrain();
    void Rotate(RotateDirection direction);

    // The Mouse side puts its unit into cell: only on its turn and where the rule allows.
    bool PlaceMouseUnit(int cell);
    // The Keybord side puts its unit at the cursor: only on its turn against a person and where
    // the rule allows.
    bool PlaceKeybordUnit();
    // Moves the keyboard cursor by delta cells; leaving one end of the board enters the other.
    void MoveCursor(int delta);

    // Whether the computer is to move now.
    bool ComputerToMove() const;
    // The computer's move (ExComputerMove), after which the Mouse side is to move. False when
    // the search was abandoned: then nothing has changed.
    bool PlayComputerMove(const YieldHook& yield, const ExProgress& progress);

    // Judges the board after a change: marks any run, and when a game in progress is won or
    // drawn ends it, counts it and empties the board. Returns how it ended, if it did.
    std::optional<ExGameEnd> Judge();

private:
    ExMode mode_ = ExMode::AgainstComputer;
    ExBoard board_;
    int turn_ = kExNoTurn;
    bool inProgress_ = false;
    int keyCursor_ = kExCursorStart;
    int mouseWins_ = 0;
    int otherWins_ = 0;
    int drawCount_ = 0;
    int gameCount_ = 0;
};

}  // namespace morvane
