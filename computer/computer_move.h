#pragma once

#include <optional>

#include "computer/computer_level.h"
#include "computer/decision.h"
#include "computer/search/search.h"
#include "rules/board.h"
#include "rules/terrain_option.h"
#include "rules/yield_hook.h"

namespace morvane {

// The computer's cell for the side to move (turn) on the position, at the given strength; only
// ⅲ reads the terrain option, and only Master the budget, which its search may spend, and the
// engine it searches with (nullptr: an engine of its own for this move). Trial units go only
// into the computer's own copies, and yield is called between trials. Returns a placeable cell
// (cell 0 when none is), or nothing when yield asked to abandon.
std::optional<int> ComputerMove(const Board& board, Turn turn, ComputerLevel level,
                                TerrainOption terrain, const YieldHook& yield,
                                SearchBudget budget = {}, SearchEngine* engine = nullptr);

// A rule-based strength's decision before its final draw (what the analysis tool reports);
// ComputerMove is DrawCell of it. Master has no such decision: its cell comes from the search
// alone, so it gets the empty decision. Nothing when yield asked to abandon.
std::optional<Decision> DecideComputerMove(const Board& board, Turn turn, ComputerLevel level,
                                           TerrainOption terrain, const YieldHook& yield);

}  // namespace morvane
