#include "computer/winning_cells.h"

#include "rules/line.h"

namespace morvane {

namespace {
constexpr int kPlaceableScore = 2;
constexpr int kPendingScore = 1;
}  // namespace

WinningCells CountWinningCells(const Board& board, Turn side) {
    const std::int16_t code = UnitCode(-side);
    WinningCells count;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (board[cell] >= CircleUnit) {
            continue;
        }
        if (!CompletesLine(board, cell, code)) {
            continue;
        }
        if (CanPlace(board, cell)) {
            count.score += kPlaceableScore;
        } else {
            count.score += kPendingScore;
            ++count.pending;
        }
    }
    return count;
}

}  // namespace morvane
