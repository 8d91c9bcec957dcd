#pragma once

#include "computer/decision.h"
#include "rules/board.h"

namespace morvane {

// Every placeable cell in ascending index order.
CellList BuildCandidates(const Board& board);

// Whether taking the cell would give the opponent of turn a line in the cell directly above.
// The opponent's unit is taken to be in that cell whatever it holds (empty, ◇ or terrain);
// whether it could really be placed there is not asked. False on the top row.
bool OpponentWinsAbove(const Board& board, int cell, Turn turn);

enum class OpeningResult {
    Decided,   // a win, a block or (no safe cell) any legal cell: the decision is complete
    Continue,  // the strength chooses among decision.safe, which is not empty
};

// The steps every strength takes first: candidates; the first candidate that wins for turn;
// else the first that completes the opponent's line; else the safe list, and when no cell is
// safe, any legal cell. Fills decision's candidates and safe list (and, when Decided, its kind
// and cells).
OpeningResult RunOpeningSteps(const Board& board, Turn turn, Decision& decision);

// How every strength thinks: the opening steps, and only when they leave the choice open, the
// strength's own choice among decision.safe. choose(decision) fills in the decision's kind and
// cells and returns it. The opening steps' decision when they settled the move.
template <typename Choose>
Decision ThinkAfterOpeningSteps(const Board& board, Turn turn, const Choose& choose) {
    Decision decision;
    switch (RunOpeningSteps(board, turn, decision)) {
        case OpeningResult::Decided:
            return decision;
        case OpeningResult::Continue:
            break;
    }
    return choose(decision);
}

}  // namespace morvane
