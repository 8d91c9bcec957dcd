#pragma once

#include <QStringList>

namespace morvane::analyze {

// The main game's subcommands. Each takes the arguments after its name (their count already
// checked) and returns the exit status.

// line BOARD CELL: the placement judged as the battle screen judges it.
int RunLineCommand(const QStringList& args);
// eval BOARD SIDE: the four evaluations, each called with SIDE as its side argument.
int RunEvalCommand(const QStringList& args);
// move BOARD SIDE LEVEL [TERRAIN]: the strength's decision before its final draw.
int RunMoveCommand(const QStringList& args);
// ladder A B GAMES: games between two strengths without windows.
int RunLadderCommand(const QStringList& args);

}  // namespace morvane::analyze
