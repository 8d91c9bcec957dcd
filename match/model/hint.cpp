#include "match/model/hint.h"

#include <cassert>

namespace morvane {

std::optional<Hint> FindHint(const Board& board, Turn turn, const YieldHook& yield) {
    const std::optional<SearchResult> found =
        SearchBestMove(board, turn, SearchBudget::Time(kHintTime), yield);
    if (!found) {
        return std::nullopt;
    }
    assert(found->cell != kNoCell);
    Hint hint{found->cell, GameValue::Unknown};
    // A finished search has every line to a decisive end or to the full board: its score is
    // the game's value.
    if (found->completed) {
        hint.value = found->score > 0   ? GameValue::Win
                     : found->score < 0 ? GameValue::Loss
                                        : GameValue::Draw;
    }
    return hint;
}

}  // namespace morvane
