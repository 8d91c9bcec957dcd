#pragma once

#include <QStringList>

namespace morvane::analyze {

// The extra game's subcommands. BOARD is an ExBoard as 100 digits 0-8, one per cell in index
// order. Each takes the arguments after its name (their count already checked) and returns the
// exit status.

// exlines BOARD: the line scan with its marking, as the extra game's window runs it.
int RunExLinesCommand(const QStringList& args);
// exmove BOARD: the extra game's computer's ratings of the legal cells, the cell that wins at
// once if any, and the best cells it draws from.
int RunExMoveCommand(const QStringList& args);

}  // namespace morvane::analyze
