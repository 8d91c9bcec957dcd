#pragma once

#include <compare>

#include "rules/board.h"

namespace morvane {

// The free cells in which one side would complete a line. A winning cell that can be taken now
// scores 2, one that cannot yet scores 1 and is also counted as pending. Compared as a pair:
// the score first, then the pending count.
struct WinningCells {
    int score = 0;
    int pending = 0;
    auto operator<=>(const WinningCells&) const = default;
};

// The winning cells of side -side on the board: every empty or ◇ cell where a unit of that
// side would complete a line.
WinningCells CountWinningCells(const Board& board, Turn side);

}  // namespace morvane
