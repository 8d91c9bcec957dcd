#include <functional>

#include "computer/best_cells.h"
#include "computer/opening.h"
#include "computer/strengths.h"
#include "computer/threats.h"

namespace morvane {
namespace {

// HARD's own choice among the safe cells, by both sides' threats.
Decision ChooseByThreats(const Board& board, Turn turn, Decision& decision) {
    // CountThreats(turn) counts the opponent's threats, (-turn) the computer's own.
    const auto opponentThreats = [&](const Board& position) {
        return CountThreats(position, turn);
    };
    const auto ownThreats = [&](const Board& position) { return CountThreats(position, -turn); };

    // The cells where the opponent would make the most threats. Every count is at least
    // (0, 0), so every safe cell is a candidate and the list is never empty.
    const CellList opponentBest = KeepBestCells(board, decision.safe, UnitCode(-turn),
                                                ThreatCount{}, opponentThreats, std::greater<>());
    // Among them, where the computer's own unit makes the most threats of its own.
    decision.kind = DecisionKind::Pick;
    decision.cells = KeepBestCells(board, opponentBest, UnitCode(turn), ThreatCount{}, ownThreats,
                                   std::greater<>());
    return decision;
}

}  // namespace

Decision ThinkHard(const Board& board, Turn turn) {
    return ThinkAfterOpeningSteps(
        board, turn, [&](Decision& decision) { return ChooseByThreats(board, turn, decision); });
}

}  // namespace morvane
