#pragma once

#include "computer/search/bitboard.h"
#include "computer/search/position.h"

namespace morvane::search {

// What a free cell that would complete a line is worth at the search's horizon.
inline constexpr int kThreatWeight = 24;

// A heuristic score for the side to move of a position where neither side can win with its
// next unit: winning cells decide games, so each side's free winning cells count; the units'
// closeness to the middle columns adds a little. otherWins are the opponent's winning cells
// among the free cells. (Weighing the winning cells by the rows that the filling order gives
// each side, or more when two lie one above the other, won no more games in self-play.)
template <typename BitCount>
int Evaluate(const Position& position, Bits otherWins) {
    const Bits moverWins = position.moverWins & position.FreeCells();
    return kThreatWeight * (CountBits<BitCount>(moverWins) - CountBits<BitCount>(otherWins)) +
           position.centre;
}

}  // namespace morvane::search
