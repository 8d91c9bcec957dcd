#pragma once

#include <optional>

#include "extra/engine/ex_board.h"
#include "extra/engine/ex_flow.h"

namespace morvane {

// The side to move (ExTurn): the Mouse side, the other side, or no game in progress.
inline constexpr int kExMouseTurn = 1;
inline constexpr int kExOtherTurn = -1;
inline constexpr int kExNoTurn = 0;

inline constexpr int kExCursorStart = 95;        // the keyboard cursor's cell at every start
inline constexpr int kExTerrainDrawsAtLoad = 8;  // RndI and RndB when the window opens
inline constexpr int kExMostTerrainDraws = 50;

// The extra game's flow from one opening of its window to its closing: the board, the turn,
// the keyboard cursor, the counters, what the window shows of them, and the messages on the
// way. Between games the window offers Start!!, and against a person random terrain and its
// turns; during a game the side to move acts, and against the computer the computer moves
// inside the call that handed it the turn. The window forwards its input here, shows the
// messages asked of its host and draws the state.
class ExMatch {
public:
    explicit ExMatch(ExMatchHost& host);

    ExMode mode() const { return mode_; }
    // The board of play; emptied as soon as a game ends.
    const ExBoard& board() const { return board_; }
    int turn() const { return turn_; }
    bool inProgress() const { return turn_ != kExNoTurn; }
    // Whether the computer is thinking, and the share of cells it has still to rate ("残").
    bool thinking() const { return thinking_; }
    int percentLeft() const { return percentLeft_; }
    int keyCursor() const { return keyCursor_; }
    int mouseWins() const { return mouseWins_; }
    int otherWins() const { return otherWins_; }
    int drawCount() const { return drawCount_; }
    int gameCount() const { return gameCount_; }

    // What the cells show: the board, or after a game its final position (the winning run
    // bright, the other units dimmed) until the next change.
    const ExBoard& shownBoard() const { return shown_; }
    bool cellsShown() const { return cellsShown_; }
    // Whether the cells take clicks.
    bool cellsEnabled() const { return cellsEnabled_; }
    // The frame around the board (Mc) and the keyboard cursor's frame (c).
    bool mouseFrameShown() const { return mouseFrameShown_; }
    bool keyCursorShown() const { return keyCursorShown_; }
    // The quarter turns are offered between a random terrain and the next start.
    bool rotationEnabled() const { return rotationEnabled_; }
    const ExInfo& info() const { return info_; }

    // RndI and RndB: the random terrain's stone and box draws, 0..50.
    int stoneDraws = kExTerrainDrawsAtLoad;
    int boxDraws = kExTerrainDrawsAtLoad;

    // Start!!, between games: announces who moves first (drawn at random) and starts a game on
    // the board as it is (empty, or with the terrain made since the last game).
    void Start();
    // Random terrain and its quarter turns, between games against a person.
    void MakeTerrain();
    void Rotate(RotateDirection direction);
    // A click on a cell: the Mouse side's unit, on its turn where the rule allows.
    void ClickCell(int cell);
    // A key: acts on the Keybord side's turn against a person (Space puts its unit at the
    // cursor where the rule allows, the arrows move the cursor, leaving one end of the board
    // for the other). Against the computer the Mouse side may play with the keys as well: on
    // its turn the arrows show and move the same cursor, and Space or Enter clicks the cell
    // under it. False when the key is not the game's.
    bool PressKey(ExKey key);
    // A mode item, between games: asks, and Ｙｅｓ starts a new series in that mode.
    void ChooseMode(ExMode mode);
    // 【New Game!】: refused while the computer thinks; asks, and Ｙｅｓ starts a new series in
    // the same mode, dropping a game in progress uncounted.
    void ChooseNewGame();
    // While the computer thinks, the refusal a command meets; nothing when it may run.
    std::optional<ExMessage> Refusal(ExCommand command) const;

private:
    // After every change of the board: shows it, ends a game that is won or drawn, rebuilds the
    // information, and lets the computer move while it is its turn.
    void Refresh();
    void EndGameIfOver();
    void RebuildInfo();
    bool ComputerToMove() const;
    // False when the computer found no legal cell: then nothing has changed.
    bool PlayComputerTurn();
    void PlaceKeybordUnit();
    // The Mouse side's keys against the computer.
    bool PressMouseSideKey(ExKey key);
    // Moves the cursor by an arrow key.
    void MoveCursor(ExKey arrow);
    // The game number starts again, the board is emptied and hidden; wins and draws are kept.
    void StartSeries(ExMode mode);
    ExPlayer OtherPlayer() const;

    ExMatchHost& host_;

    ExMode mode_ = ExMode::AgainstComputer;
    ExBoard board_;
    int turn_ = kExNoTurn;
    bool thinking_ = false;
    int percentLeft_ = 0;
    int keyCursor_ = kExCursorStart;
    int mouseWins_ = 0;
    int otherWins_ = 0;
    int drawCount_ = 0;
    int gameCount_ = 0;

    ExBoard shown_;
    bool cellsShown_ = false;
    bool cellsEnabled_ = false;
    bool mouseFrameShown_ = false;
    bool keyCursorShown_ = false;
    bool rotationEnabled_ = false;
    ExInfo info_;
};

}  // namespace morvane
