#pragma once

#include <QStringList>

#include "computer/search/search.h"
#include "rules/board.h"
#include "tools/analyze/analyze_io.h"

namespace morvane::analyze {

// The answers of the strong computer's search.

// The most time a solve is given, in milliseconds (ten minutes).
inline constexpr int kMostSolveMilliseconds = 600'000;

// One engine for the tool's whole run: a batch of solves shares it, and its table is taken
// from the system once.
SearchEngine& ToolEngine();

// A game's value as the JSON says it: "win", "loss", "draw" or "unknown".
QString ValueName(GameValue value);

// move BOARD SIDE 4: the cell [ＭＡＳＴＥＲ] plays, searched on its play budget, with the
// search's score, depth and positions visited.
Answer SearchMoveAnswer(const Board& board, Turn side);

// solve BOARD SIDE [MS]: the position's value for SIDE to move, solved within MS milliseconds.
Answer RunSolveCommand(const QStringList& args);

}  // namespace morvane::analyze
