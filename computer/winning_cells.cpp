#include "computer/winning_cells.h"

#include "computer/trial_move.h"
#include "rules/line.h"

namespace morvane {

namespace {
constexpr int kPlaceableScore = 2;
constexpr int kPendingScore = 1;
}  // namespace

std::optional<WinningCells> CountWinningCells(Board& board, Turn side, const YieldHook& yield) {
    const std::int16_t code = UnitCode(-side);
    WinningCells count;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (board[cell] >= CircleUnit) {
            continue;
        }
        if (!yield()) {
            return std::nullopt;
        }
        const bool placeable = CanPlace(board, cell);
        const TrialMove trial(board, cell, code);
        if (!CheckLine(board, cell, false)) {
            continue;
        }
        if (placeable) {
            count.score += kPlaceableScore;
        } else {
            count.score += kPendingScore;
            ++count.pending;
        }
    }
    return count;
}

}  // namespace morvane
