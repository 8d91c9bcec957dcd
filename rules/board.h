#pragma once

#include <array>
#include <cassert>
#include <cstdint>

namespace morvane {

// The main game's playing field: 8 columns by 12 rows, row 1 at the top, row 12 at the bottom.
inline constexpr int kColumns = 8;
inline constexpr int kRows = 12;
inline constexpr int kCellCount = kColumns * kRows;
static_assert(kCellCount == 96);

// The code stored in each cell. Codes 4 to 7 exist only between the end of a game and the
// next one; 1 and 8 come from terrain.
enum CellState : std::int16_t {
    Empty = 0,
    Hollow = 1,      // ◇: takes a unit without support, holds up the cell above
    CircleUnit = 2,  // ○
    CrossUnit = 3,   // ×
    CircleWin = 4,   // ○ in the winning line
    CrossWin = 5,    // × in the winning line
    CircleDim = 6,   // ○ greyed once the game is over
    CrossDim = 7,    // × greyed once the game is over
    Block = 8,       // ■: never takes a unit, holds up the cell above
};

// Offset from a unit code to its highlighted code, and to its greyed code.
inline constexpr std::int16_t kWinMarkOffset = 2;
inline constexpr std::int16_t kDimMarkOffset = 4;

// The side to move: -1 for ○, +1 for ×. In two-element arrays ○ is side 0 and × side 1.
using Turn = int;
inline constexpr Turn kCircleTurn = -1;
inline constexpr Turn kCrossTurn = 1;

constexpr int SideNumber(Turn turn) { return turn == kCircleTurn ? 0 : 1; }

// A small value type: 96 cell codes in index order, index = (y - 1) * 8 + (x - 1).
struct Board {
    std::array<std::int16_t, kCellCount> cells{};

    std::int16_t& operator[](int index) {
        assert(index >= 0 && index < kCellCount);
        return cells[static_cast<std::size_t>(index)];
    }
    std::int16_t operator[](int index) const {
        assert(index >= 0 && index < kCellCount);
        return cells[static_cast<std::size_t>(index)];
    }
    void Clear() { cells.fill(Empty); }
    friend bool operator==(const Board&, const Board&) = default;
};

// Column 1..8 of a cell index 0..95.
constexpr int CellX(int index) { return index % kColumns + 1; }
// Row 1..12 of a cell index 0..95.
constexpr int CellY(int index) { return index / kColumns + 1; }
// Cell index of column x 1..8 and row y 1..12.
constexpr int CellIndex(int x, int y) { return (y - 1) * kColumns + (x - 1); }

// Whether a unit may be put into the cell now: a ◇ always; an empty cell on the bottom row or
// on top of anything that is not empty.
bool CanPlace(const Board& board, int index);

// Cells holding Empty or Hollow (not only the placeable ones), 0..96.
int CountFreeCells(const Board& board);

// The unit code of a side: CircleUnit for -1, CrossUnit for anything else.
constexpr std::int16_t UnitCode(Turn turn) { return turn == kCircleTurn ? CircleUnit : CrossUnit; }

}  // namespace morvane
