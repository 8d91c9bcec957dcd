#pragma once

#include "extra/engine/ex_board.h"
#include "extra/engine/ex_search.h"

namespace morvane::testing {

// The computer's rating written the slow, obvious way: every node of the four-ply tree gets its
// own copy of the board, judged by a scan of the whole board and a count of its open cells.
// The fast search must give exactly these scores. nodes, when given, receives the number of
// nodes visited.
ExScores ReferenceRateCells(const ExBoard& board, long* nodes = nullptr);

}  // namespace morvane::testing
