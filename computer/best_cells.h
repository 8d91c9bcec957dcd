#pragma once

#include <cstdint>
#include <optional>

#include "computer/cell_list.h"
#include "computer/trial_move.h"
#include "rules/board.h"
#include "rules/yield_hook.h"

namespace morvane {

// The scan that every strength repeats: for each cell in list order, yield, try a unit with
// trialCode there, evaluate the board, undo. A score better than the best so far (initially
// `best`) makes the kept list just this cell; a score equal to the best is appended; a worse
// one is dropped. `evaluate` returns the score, or nothing to abandon; `better(a, b)` is true
// when a is strictly better than b. Returns the kept list (possibly empty), or nothing when
// abandoned; the board is restored either way.
template <typename Score, typename Evaluate, typename Better>
std::optional<CellList> KeepBestCells(Board& board, const CellList& cells, std::int16_t trialCode,
                                      Score best, const Evaluate& evaluate, const Better& better,
                                      const YieldHook& yield) {
    CellList kept;
    for (const int cell : cells) {
        if (!yield()) {
            return std::nullopt;
        }
        const TrialMove trial(board, cell, trialCode);
        const std::optional<Score> score = evaluate();
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
