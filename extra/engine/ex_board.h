#pragma once

#include <array>
#include <cassert>
#include <cstdint>

namespace morvane {

// The extra game's own field, unrelated to the main game's Board: 10 columns by 10 rows,
// index = row * 10 + column, row 0 at the top, the bottom row is 90..99.
inline constexpr int kExColumns = 10;
inline constexpr int kExRows = 10;
inline constexpr int kExCellCount = kExColumns * kExRows;
inline constexpr int kExBottomRowStart = kExCellCount - kExColumns;
static_assert(kExCellCount == 100);

// The code held by each cell. Codes 5 to 8 exist only between the end of a game and the
// emptying of the board that follows it.
enum ExCellCode : std::int16_t {
    ExEmpty = 0,
    ExStone = 1,      // 石 ■: takes no unit, holds up the cell above
    ExBox = 2,        // 箱 ◇: takes a unit at any time, holds up the cell above
    ExMouseUnit = 3,  // the Mouse side
    ExOtherUnit = 4,  // the Keybord side or the computer
    ExMouseDim = 5,   // a Mouse unit outside the winning run, once the game is over
    ExOtherDim = 6,
    ExMouseLine = 7,  // a Mouse unit in a winning run
    ExOtherLine = 8,
};
inline constexpr int kExHighestCode = ExOtherLine;

// Offsets from a unit code to its winning-run code and to its dimmed code.
inline constexpr std::int16_t kExLineMarkOffset = 4;
inline constexpr std::int16_t kExDimMarkOffset = 2;

// A small value type: 100 cell codes in index order.
struct ExBoard {
    std::array<std::int16_t, kExCellCount> cells{};

    std::int16_t& operator[](int index) {
        assert(index >= 0 && index < kExCellCount);
        return cells[static_cast<std::size_t>(index)];
    }
    std::int16_t operator[](int index) const {
        assert(index >= 0 && index < kExCellCount);
        return cells[static_cast<std::size_t>(index)];
    }
    void Clear() { cells.fill(ExEmpty); }
    friend bool operator==(const ExBoard&, const ExBoard&) = default;
};

// Whether cell index may take a unit now: a box always; an empty cell on the bottom row or
// with anything (stone, box, unit) directly below it. Nothing ever falls, so support may float.
bool ExCanPlace(const ExBoard& board, int index);

enum class RotateDirection { CounterClockwise, Clockwise };

// A quarter turn of the whole board; codes move unchanged and nothing falls afterwards.
void RotateBoard(ExBoard& board, RotateDirection direction);

// Empties the board, then draws stoneDraws cells that become stones and boxDraws cells that
// become boxes (a box may land on a stone and replace it). Cell 0 is never drawn.
void MakeRandomTerrain(ExBoard& board, int stoneDraws, int boxDraws);

// Scans for runs of four equal unit codes (3 or 4) horizontally, vertically, then along the
// diagonals, and marks each run at once (code + 4) so that a marked cell takes part in no later
// run. True when at least one run was marked.
bool FindLines(ExBoard& board);

// The same scan without marking: whether the board holds a run of four equal unit codes.
bool HasLine(const ExBoard& board);

// The end-of-game marking: every unit still unmarked is dimmed (code + 2).
void FinishBoard(ExBoard& board);

// Cells that can still take a unit some day: empty cells and boxes.
int OpenCells(const ExBoard& board);

// Cells that are not stones.
int NonStoneCells(const ExBoard& board);

enum class ExOutcome { GoesOn, Win, Draw };

// Judges the board after a placement: a run (marked by FindLines) wins for the side that placed
// last; otherwise no open cell left is a draw; otherwise the game goes on.
ExOutcome ExJudgePlacement(ExBoard& board);

}  // namespace morvane
