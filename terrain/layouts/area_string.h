#pragma once

#include <string>
#include <string_view>

#include "rules/board.h"

namespace morvane {

// `AreaString`: a terrain layout as text, one decimal digit per cell in index order (the top row
// first, each row from column 1 to column 8), each digit the cell's `CellState` code. Held as
// UTF-16 so that "the k-th character" means the same as in the settings store's text.
inline constexpr int kAreaStringLength = kCellCount;

// The layout a board starts from when nothing is drawn: 96 "0".
std::u16string EmptyAreaString();

// Reads a layout into a whole board. Character k belongs to cell k; a missing character (short
// text) or one that is not a digit reads as Empty, and characters after the 96th are ignored.
// Only the codes a layout can hold (Empty, Hollow, CircleUnit, CrossUnit, Block) are taken:
// the end-of-game marks 4 to 7 and the unused 9, which a hand-edited store could hold, read as
// Empty so that no game starts with marked units or an unknown code.
Board ReadAreaString(std::u16string_view text);

// The board as 96 digits. Expects every cell to hold a single-digit code.
std::u16string WriteAreaString(const Board& board);

}  // namespace morvane
