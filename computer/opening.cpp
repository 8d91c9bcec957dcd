#include "computer/opening.h"

#include "rules/line.h"

namespace morvane {
namespace {

enum class ScanResult { Abandoned, Found, NotFound };

// The first candidate, in list order, where a unit of side completes a line.
ScanResult FindFirstLine(const Board& board, const CellList& candidates, Turn side,
                         const YieldHook& yield, int& found) {
    for (const int cell : candidates) {
        if (!yield()) {
            return ScanResult::Abandoned;
        }
        if (CompletesLine(board, cell, UnitCode(side))) {
            found = cell;
            return ScanResult::Found;
        }
    }
    return ScanResult::NotFound;
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

OpeningResult RunOpeningSteps(const Board& board, Turn turn, const YieldHook& yield,
                              Decision& decision) {
    decision.candidates = BuildCandidates(board);
    decision.safe.Clear();
    decision.cells.Clear();

    // A win beats a block; the lowest index wins within each.
    for (const auto& [side, kind] :
         {std::pair{turn, DecisionKind::Win}, std::pair{-turn, DecisionKind::Block}}) {
        int found = 0;
        switch (FindFirstLine(board, decision.candidates, side, yield, found)) {
            case ScanResult::Abandoned:
                return OpeningResult::Abandoned;
            case ScanResult::Found:
                decision.kind = kind;
                decision.cells.Add(found);
                return OpeningResult::Decided;
            case ScanResult::NotFound:
                break;
        }
    }

    for (const int cell : decision.candidates) {
        if (!yield()) {
            return OpeningResult::Abandoned;
        }
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
