#pragma once

#include <QString>

#include "extra/engine/ex_flow.h"

namespace morvane {

// What the extra game's window writes for its match, in the interface's language at the moment
// of the call.

// The information label: the mode, and once a series has begun the game's number, the
// counters and during a game the open cells and the side to move.
QString ExInfoText(const ExInfo& info, ExMode mode);

// The label shown while the computer thinks, with the share of cells it has still to rate.
QString ExThinkingText(int percentLeft);

// The text of a message the match asks its window to show.
QString ExMessageText(ExMessage message, ExMode mode);

}  // namespace morvane
