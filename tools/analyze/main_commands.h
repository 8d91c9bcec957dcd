#pragma once

#include <QStringList>

#include "tools/analyze/analyze_io.h"

namespace morvane::analyze {

// The main game's subcommands. Each takes the arguments after its name (their count already
// checked) and returns its answer.

// line BOARD CELL: the placement judged as the battle screen judges it.
Answer RunLineCommand(const QStringList& args);
// eval BOARD SIDE: the four evaluations, each called with SIDE as its side argument.
Answer RunEvalCommand(const QStringList& args);
// move BOARD SIDE LEVEL [TERRAIN]: the strength's decision before its final draw; for
// [ＭＡＳＴＥＲ] its search's cell.
Answer RunMoveCommand(const QStringList& args);
// ladder A B GAMES [LAYOUT [NODES]]: games between two strengths without windows, on a layout,
// [ＭＡＳＴＥＲ] searching NODES positions a move.
Answer RunLadderCommand(const QStringList& args);

}  // namespace morvane::analyze
