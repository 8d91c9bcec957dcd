#pragma once

#include <cstdint>

#include "computer/search/cell_list.h"
#include "rules/board.h"

namespace morvane {

// The scan that every strength repeats: for each cell in list order, evaluate the computer's
// own copy of the board with a trial unit of trialCode in that cell. A score better than the
// best so far (initially `best`) makes the kept list just this cell; a score equal to the best
// is appended; a worse one is dropped. `evaluate(board)` returns the score; `better(a, b)` is
// true when a is strictly better than b. Returns the kept list (possibly empty).
template <typename Score, typename Evaluate, typename Better>
CellList KeepBestCells(const Board& board, const CellList& cells, std::int16_t trialCode,
                       Score best, const Evaluate& evaluate, const Better& better) {
    CellList kept;
    for (const int cell : cells) {
        Board trial = board;
        trial[cell] = trialCode;
        const Score score = evaluate(trial);
        if (better(score, best)) {
            kept.Restart(cell);
            best = score;
        } else if (score == best) {
            kept.Add(cell);
        }
    }
    return kept;
}

}  // namespace morvane
