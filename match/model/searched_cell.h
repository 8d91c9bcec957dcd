#pragma once

#include "rules/board.h"

namespace morvane {

// The cell a search answered when it is placeable. A search answers none where it sees the game
// as over while play goes on (a layout that already holds a line, where only a line through a
// new unit wins); HARD's rule-based choice then stands in, with a warning in the battle's log.
// The position must still have a placeable cell.
int PlaceableSearchedCell(const Board& board, Turn turn, int searched);

}  // namespace morvane
