#include <functional>

#include "computer/best_cells.h"
#include "computer/line_potential.h"
#include "computer/opening.h"
#include "computer/strengths.h"

namespace morvane {
namespace {

// NORMAL's own choice among the safe cells, by the opponent's line potential.
Decision ChooseByLinePotential(const Board& board, Turn turn, Decision& decision) {
    // Always the opponent's potential: LinePotential(turn) scores the units of -turn.
    const auto opponentPotential = [&](const Board& position) {
        return LinePotential(position, turn);
    };

    // The cells the opponent would most like to take; a negative score never enters.
    CellList favourites = KeepBestCells(board, decision.safe, UnitCode(-turn), 0, opponentPotential,
                                        std::greater<>());
    if (favourites.Empty()) {
        favourites = decision.safe;
    }

    // Among them, where the computer's own unit keeps that potential lowest, never above its
    // present value.
    CellList replies = KeepBestCells(board, favourites, UnitCode(turn), opponentPotential(board),
                                     opponentPotential, std::less<>());
    if (replies.Empty()) {
        replies = favourites;
    }
    decision.kind = DecisionKind::Pick;
    decision.cells = replies;
    return decision;
}

}  // namespace

Decision ThinkNormal(const Board& board, Turn turn) {
    return ThinkAfterOpeningSteps(board, turn, [&](Decision& decision) {
        return ChooseByLinePotential(board, turn, decision);
    });
}

}  // namespace morvane
