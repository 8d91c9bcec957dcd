#pragma once

#include "computer/search/cell_list.h"

namespace morvane {

// Why a strength settled on its cells.
enum class DecisionKind {
    Win,     // the first candidate that completes the computer's line
    Block,   // the first candidate that completes the opponent's line
    Any,     // no safe cell: any legal cell, all equally likely
    Pick,    // the strength's final list of equally good cells
    LowRow,  // ThinkExpert's last list, to be walked with the low-row preference
};

// What a strength computed before its final random draw. The game draws from it; the analysis
// tool reports it, so both share one path through the evaluations.
struct Decision {
    CellList candidates;  // every placeable cell, ascending
    CellList safe;        // candidates that give the opponent no line directly above
    DecisionKind kind = DecisionKind::Any;
    CellList cells;  // the cells the final draw chooses from (one cell for Win and Block)
};

// The final draw: the one cell of a Win or Block; a uniform RandomUpTo draw over the cells of
// Any or Pick; for LowRow the low-row preference, which walks the list from its end and favours
// cells nearer the bottom with a random allowance of up to three rows. A single cell is
// returned without consuming a random draw. An empty list (no legal cell, which play never
// reaches) gives cell 0.
int DrawCell(const Decision& decision);

}  // namespace morvane
