#pragma once

#include "rules/board.h"

namespace morvane {

// How soon an empty or ◇ cell can be reached: 3 x its row when placeable (36 on the bottom
// row), one less for every cell below it in its column that must be filled first; 0 for a cell
// that holds a unit or terrain other than ◇. May be negative high up in an empty column.
int ReachWeight(const Board& board, int cell);

// The room the units of side -side have to grow into lines, weighted towards the bottom of the
// board: two passes over their units and the usable three-cell rays from each; a ray closed by
// the other side or by terrain counts nothing.
int LinePotential(const Board& board, Turn side);

}  // namespace morvane
