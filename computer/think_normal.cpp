#include <functional>

#include "computer/best_cells.h"
#include "computer/line_potential.h"
#include "computer/opening.h"
#include "computer/strengths.h"

namespace morvane {
namespace {

// NORMAL's own choice among the safe cells, by the opponent's line potential.
std::optional<Decision> ChooseByLinePotential(const Board& board, Turn turn, const YieldHook& yield,
                                              Decision& decision) {
    // Always the opponent's potential: LinePotential(turn) scores the units of -turn.
    const auto opponentPotential = [&](const Board& position) {
        return LinePotential(position, turn, yield);
    };

    // The cells the opponent would most like to take; a negative score never enters.
    std::optional<CellList> favourites = KeepBestCells(board, decision.safe, UnitCode(-turn), 0,
                                                       opponentPotential, std::greater<>(), yield);
    if (!favourites) {
        return std::nullopt;
    }
    if (favourites->Empty()) {
        *favourites = decision.safe;
    }

    // Among them, where the computer's own unit keeps that potential lowest, never above its
    // present value.
    const std::optional<int> present = opponentPotential(board);
    if (!present) {
        return std::nullopt;
    }
    std::optional<CellList> replies = KeepBestCells(board, *favourites, UnitCode(turn), *present,
                                                    opponentPotential, std::less<>(), yield);
    if (!replies) {
        return std::nullopt;
    }
    if (replies->Empty()) {
        *replies = *favourites;
    }
    decision.kind = DecisionKind::Pick;
    decision.cells = *replies;
    return decision;
}

}  // namespace

std::optional<Decision> ThinkNormal(const Board& board, Turn turn, const YieldHook& yield) {
    return ThinkAfterOpeningSteps(board, turn, yield, [&](Decision& decision) {
        return ChooseByLinePotential(board, turn, yield, decision);
    });
}

}  // namespace morvane
