#pragma once

#include <chrono>
#include <optional>

#include "computer/search/search.h"
#include "rules/board.h"
#include "rules/yield_hook.h"

namespace morvane {

// How long a person waits for a hint: short enough to feel immediate.
inline constexpr std::chrono::milliseconds kHintTime{300};

// The cell the computer advises, and the game's value for the side to move when the search
// proved it (Unknown otherwise).
struct Hint {
    int cell = 0;
    GameValue value = GameValue::Unknown;
};

// The strong search's best cell for turn within kHintTime. The position must still be in play
// (no line, a free cell). Nothing when yield asked to abandon.
std::optional<Hint> FindHint(const Board& board, Turn turn, const YieldHook& yield);

}  // namespace morvane
