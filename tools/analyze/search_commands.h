#pragma once

#include <QStringList>

#include "rules/board.h"
#include "tools/analyze/analyze_io.h"

namespace morvane::analyze {

// The answers of the strong computer's search.

// move BOARD SIDE 4: the cell [ＭＡＳＴＥＲ] plays, searched on its play budget, with the
// search's score, depth and positions visited.
Answer SearchMoveAnswer(const Board& board, Turn side);

// solve BOARD SIDE [MS]: the position's value for SIDE to move, solved within MS milliseconds.
Answer RunSolveCommand(const QStringList& args);

}  // namespace morvane::analyze
