#pragma once

#include <QStringList>

#include "tools/analyze/analyze_io.h"

namespace morvane::analyze {

// The extra game's subcommands. BOARD is an ExBoard as 100 digits 0-8, one per cell in index
// order. Each takes the arguments after its name (their count already checked) and returns its
// answer.

// exlines BOARD: the line scan with its marking, as the extra game's window runs it.
Answer RunExLinesCommand(const QStringList& args);
// exmove BOARD: the extra game's computer's ratings of the legal cells, the cell that wins at
// once if any, and the best cells it draws from.
Answer RunExMoveCommand(const QStringList& args);

}  // namespace morvane::analyze
