#pragma once

#include "computer/computer_level.h"
#include "computer/decision.h"
#include "computer/search/search.h"
#include "rules/board.h"
#include "rules/terrain_option.h"

namespace morvane {

// The computer's cell for the side to move (turn) on the position, at the given strength; only
// ⅲ reads the terrain option, and only Master the budget, which its search may spend, and the
// engine it searches with (nullptr: an engine of its own for this move). Trial units go only
// into the computer's own copies. Returns a placeable cell (cell 0 when none is).
int ComputerMove(const Board& board, Turn turn, ComputerLevel level, TerrainOption terrain,
                 SearchBudget budget = {}, SearchEngine* engine = nullptr);

// A rule-based strength's decision before its final draw (what the analysis tool reports);
// ComputerMove is DrawCell of it. Master has no such decision: its cell comes from the search
// alone, so it gets the empty decision.
Decision DecideComputerMove(const Board& board, Turn turn, ComputerLevel level,
                            TerrainOption terrain);

}  // namespace morvane
