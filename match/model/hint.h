#pragma once

#include <chrono>

#include "computer/search/search.h"
#include "rules/board.h"

namespace morvane {

// How long a person waits for a hint: short enough to feel immediate.
inline constexpr std::chrono::milliseconds kHintTime{300};

// The cell the computer advises, and the game's value for the side to move when the search
// proved it (Unknown otherwise).
struct Hint {
    int cell = 0;
    GameValue value = GameValue::Unknown;
};

// The hint a search's answer gives for turn: its cell and proven value, or, when it answered no
// placeable cell, the cell that stands in (see PlaceableSearchedCell) with nothing proven.
Hint HintFrom(const Board& board, Turn turn, const SearchResult& found);

}  // namespace morvane
