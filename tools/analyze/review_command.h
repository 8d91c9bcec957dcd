#pragma once

#include <QStringList>

#include "tools/analyze/analyze_io.h"

namespace morvane::analyze {

// Exit status of a review whose game file cannot be read or is not a game.
inline constexpr int kBadGameFile = 1;

// review FILE [MS]: every move of the saved game with its mover's value before it and whether
// the move kept it, each position solved within MS milliseconds, the search's scores of the
// best cell and the played one, the estimate's grade of a move without a proven verdict and
// whether it is the deciding move; one JSON line a move, and in a batch one line for the whole
// game: {"moves":[…]}, the same objects in order.
Answer RunReviewCommand(const QStringList& args);

}  // namespace morvane::analyze
