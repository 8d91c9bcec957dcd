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
std::optional<Decision> ChooseByWinningCells(const Board& board, Turn turn, TerrainOption terrain,
                                             const YieldHook& yield, Decision& decision) {
    const std::int16_t own = UnitCode(turn);
    const std::int16_t opponent = UnitCode(-turn);
    // CountWinningCells(-turn) counts the computer's winning cells, (turn) the opponent's.
    const auto ownCells = [&](const Board& position) {
        return CountWinningCells(position, -turn, yield);
    };
    const auto opponentCells = [&](const Board& position) {
        return CountWinningCells(position, turn, yield);
    };

    // A move that raises the computer's own score by at least 2: new winning cells.
    const std::optional<WinningCells> ownNow = ownCells(board);
    if (!ownNow) {
        return std::nullopt;
    }
    const std::optional<CellList> growing =
        KeepBestCells(board, decision.safe, own, WinningCells{ownNow->score + 2, 0}, ownCells,
                      std::greater<>(), yield);
    if (!growing) {
        return std::nullopt;
    }
    if (!growing->Empty()) {
        decision.kind = DecisionKind::Pick;
        decision.cells = *growing;
        return decision;
    }

    // The cells where the opponent would gain the most winning cells.
    const std::optional<WinningCells> opponentNow = opponentCells(board);
    if (!opponentNow) {
        return std::nullopt;
    }
    std::optional<CellList> wished = KeepBestCells(board, decision.safe, opponent, *opponentNow,
                                                   opponentCells, std::greater<>(), yield);
    if (!wished) {
        return std::nullopt;
    }
    if (wished->Empty()) {
        *wished = decision.safe;
    }

    // Of those, where the computer's own unit keeps the opponent's winning cells lowest.
    std::optional<CellList> denying =
        KeepBestCells(board, *wished, own, *opponentNow, opponentCells, std::less<>(), yield);
    if (!denying) {
        return std::nullopt;
    }
    if (denying->Empty()) {
        *denying = *wished;
    }

    // Of those, where the computer's own winning cells grow beyond ownNow.
    std::optional<CellList> growth =
        KeepBestCells(board, *denying, own, WinningCells{ownNow->score + 1, ownNow->pending + 2},
                      ownCells, std::greater<>(), yield);
    if (!growth) {
        return std::nullopt;
    }
    if (growth->Empty()) {
        *growth = *denying;
    }

    // Early in the game (or always on terrain) the last choice prefers low cells.
    const int freeCells = terrain == TerrainOption::On ? kCellCount : CountFreeCells(board);
    const bool preferLowRows = growth->Size() > 1 && freeCells > kLowRowFreeCells;
    decision.kind = preferLowRows ? DecisionKind::LowRow : DecisionKind::Pick;
    decision.cells = *growth;
    return decision;
}

}  // namespace

std::optional<Decision> ThinkExpert(const Board& board, Turn turn, TerrainOption terrain,
                                    const YieldHook& yield) {
    return ThinkAfterOpeningSteps(board, turn, yield, [&](Decision& decision) {
        return ChooseByWinningCells(board, turn, terrain, yield, decision);
    });
}

}  // namespace morvane
