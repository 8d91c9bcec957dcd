#pragma once

#include <optional>

#include "computer/decision.h"
#include "rules/board.h"
#include "rules/yield_hook.h"

namespace morvane {

// The computer's cell for the side to move (turn), at strength computerLevel 0..3 (EASY,
// NORMAL, HARD, ⅲ); terrainSelect is the match option (0 terrain on, 1 off) that the strongest
// level reads. Works in place on the board with trial units that are always undone, and calls
// yield between trials. Returns a placeable cell, or nothing when yield asked to abandon; in
// both cases the board is exactly as it was.
std::optional<int> ComputerMove(Board& board, Turn turn, int computerLevel, int terrainSelect,
                                const YieldHook& yield);

// The same strength's decision before its final draw (what the analysis tool reports);
// ComputerMove is DrawCell of it. Nothing when yield asked to abandon.
std::optional<Decision> DecideComputerMove(Board& board, Turn turn, int computerLevel,
                                           int terrainSelect, const YieldHook& yield);

}  // namespace morvane
