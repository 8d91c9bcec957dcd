#include <functional>

#include "computer/best_cells.h"
#include "computer/opening.h"
#include "computer/strengths.h"
#include "computer/winning_cells.h"

namespace morvane {
namespace {

// Above this many free cells the last choice prefers low cells.
constexpr int kLowRowFreeCells = 36;

// ⅲ's own choice among the safe cells, by both sides' winning cells.
Decision ChooseByWinningCells(const Board& board, Turn turn, TerrainOption terrain,
                              Decision& decision) {
    const std::int16_t own = UnitCode(turn);
    const std::int16_t opponent = UnitCode(-turn);
    // CountWinningCells(-turn) counts the computer's winning cells, (turn) the opponent's.
    const auto ownCells = [&](const Board& position) { return CountWinningCells(position, -turn); };
    const auto opponentCells = [&](const Board& position) {
        return CountWinningCells(position, turn);
    };

    // A move that raises the computer's own score by at least 2: new winning cells.
    const WinningCells ownNow = ownCells(board);
    const CellList growing = KeepBestCells(
        board, decision.safe, own, WinningCells{ownNow.score + 2, 0}, ownCells, std::greater<>());
    if (!growing.Empty()) {
        decision.kind = DecisionKind::Pick;
        decision.cells = growing;
        return decision;
    }

    // The cells where the opponent would gain the most winning cells.
    const WinningCells opponentNow = opponentCells(board);
    CellList wished =
        KeepBestCells(board, decision.safe, opponent, opponentNow, opponentCells, std::greater<>());
    if (wished.Empty()) {
        wished = decision.safe;
    }

    // Of those, where the computer's own unit keeps the opponent's winning cells lowest.
    CellList denying = KeepBestCells(board, wished, own, opponentNow, opponentCells, std::less<>());
    if (denying.Empty()) {
        denying = wished;
    }

    // Of those, where the computer's own winning cells grow beyond ownNow.
    CellList growth =
        KeepBestCells(board, denying, own, WinningCells{ownNow.score + 1, ownNow.pending + 2},
                      ownCells, std::greater<>());
    if (growth.Empty()) {
        growth = denying;
    }

    // Early in the game (or always on terrain) the last choice prefers low cells.
    const int freeCells = terrain == TerrainOption::On ? kCellCount : CountFreeCells(board);
    const bool preferLowRows = growth.Size() > 1 && freeCells > kLowRowFreeCells;
    decision.kind = preferLowRows ? DecisionKind::LowRow : DecisionKind::Pick;
    decision.cells = growth;
    return decision;
}

}  // namespace

Decision ThinkExpert(const Board& board, Turn turn, TerrainOption terrain) {
    return ThinkAfterOpeningSteps(board, turn, [&](Decision& decision) {
        return ChooseByWinningCells(board, turn, terrain, decision);
    });
}

}  // namespace morvane
