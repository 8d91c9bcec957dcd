#include <functional>

#include "computer/best_cells.h"
#include "computer/opening.h"
#include "computer/strengths.h"
#include "computer/threats.h"

namespace morvane {
namespace {

// HARD's own choice among the safe cells, by both sides' threats.
std::optional<Decision> ChooseByThreats(const Board& board, Turn turn, const YieldHook& yield,
                                        Decision& decision) {
    // CountThreats(turn) counts the opponent's threats, (-turn) the computer's own.
    const auto opponentThreats = [&](const Board& position) {
        return CountThreats(position, turn, yield);
    };
    const auto ownThreats = [&](const Board& position) {
        return CountThreats(position, -turn, yield);
    };

    // The cells where the opponent would make the most threats. Every count is at least
    // (0, 0), so every safe cell is a candidate and the list is never empty.
    const std::optional<CellList> opponentBest =
        KeepBestCells(board, decision.safe, UnitCode(-turn), ThreatCount{}, opponentThreats,
                      std::greater<>(), yield);
    if (!opponentBest) {
        return std::nullopt;
    }
    // Among them, where the computer's own unit makes the most threats of its own.
    const std::optional<CellList> ownBest = KeepBestCells(
        board, *opponentBest, UnitCode(turn), ThreatCount{}, ownThreats, std::greater<>(), yield);
    if (!ownBest) {
        return std::nullopt;
    }
    decision.kind = DecisionKind::Pick;
    decision.cells = *ownBest;
    return decision;
}

}  // namespace

std::optional<Decision> ThinkHard(const Board& board, Turn turn, const YieldHook& yield) {
    return ThinkAfterOpeningSteps(board, turn, yield, [&](Decision& decision) {
        return ChooseByThreats(board, turn, yield, decision);
    });
}

}  // namespace morvane
