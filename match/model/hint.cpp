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
    return Hint{found->cell, ProvenValue(*found)};
}

}  // namespace morvane
