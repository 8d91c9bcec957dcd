#include "computer/opening.h"

#include <optional>

#include "rules/line.h"

namespace morvane {
namespace {

// The first candidate, in list order, where a unit of side completes a line.
std::optional<int> FindFirstLine(const Board& board, const CellList& candidates, Turn side) {
    for (const int cell : candidates) {
        if (CompletesLine(board, cell, UnitCode(side))) {
            return cell;
        }
    }
    return std::nullopt;
}

}  // namespace

CellList BuildCandidates(const Board& board) {
    CellList candidates;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (CanPlace(board, cell)) {
            candidates.Add(cell);
        }
    }
    return candidates;
}

bool OpponentWinsAbove(const Board& board, int cell, Turn turn) {
    if (CellY(cell) == 1) {
        return false;
    }
    return CompletesLine(board, cell - kColumns, UnitCode(-turn));
}

OpeningResult RunOpeningSteps(const Board& board, Turn turn, Decision& decision) {
    decision.candidates = BuildCandidates(board);
    decision.safe.Clear();
    decision.cells.Clear();

    // A win beats a block; the lowest index wins within each.
    for (const auto& [side, kind] :
         {std::pair{turn, DecisionKind::Win}, std::pair{-turn, DecisionKind::Block}}) {
        if (const std::optional<int> found = FindFirstLine(board, decision.candidates, side)) {
            decision.kind = kind;
            decision.cells.Add(*found);
            return OpeningResult::Decided;
        }
    }

    for (const int cell : decision.candidates) {
        if (!OpponentWinsAbove(board, cell, turn)) {
            decision.safe.Add(cell);
        }
    }
    if (decision.safe.Empty()) {
        decision.kind = DecisionKind::Any;
        decision.cells = BuildCandidates(board);
        return OpeningResult::Decided;
    }
    return OpeningResult::Continue;
}

}  // namespace morvane
