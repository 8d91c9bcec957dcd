#pragma once

#include <cstdint>
#include <optional>

#include "computer/search/cell_list.h"
#include "rules/board.h"
#include "rules/yield_hook.h"

namespace morvane {

// The scan that every strength repeats: for each cell in list order, yield, then evaluate the
// computer's own copy of the board with a trial unit of trialCode in that cell. A score better
// than the best so far (initially `best`) makes the kept list just this cell; a score equal to
// the best is appended; a worse one is dropped. `evaluate(board)` returns the score, or nothing
// to abandon; `better(a, b)` is true when a is strictly better than b. Returns the kept list
// (possibly empty), or nothing when abandoned.
template <typename Score, typename Evaluate, typename Better>
std::optional<CellList> KeepBestCells(const Board& board, const CellList& cells,
                                      std::int16_t trialCode, Score best, const Evaluate& evaluate,
                                      const Better& better, const YieldHook& yield) {
    CellList kept;
    for (const int cell : cells) {
        if (!yield()) {
            return std::nullopt;
        }
        Board trial = board;
        trial[cell] = trialCode;
        const std::optional<Score> score = evaluate(trial);
        if (!score) {
            return std::nullopt;
        }
        if (better(*score, best)) {
            kept.Restart(cell);
            best = *score;
        } else if (*score == best) {
            kept.Add(cell);
        }
    }
    return kept;
}

}  // namespace morvane
