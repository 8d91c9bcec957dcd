#pragma once

#include "computer/search/bitboard.h"
#include "computer/search/position.h"

namespace morvane::search {

// Weights of the evaluation at the search's horizon.
inline constexpr int kThreatWeight = 24;   // a free cell that would complete a line
inline constexpr int kParityWeight = 16;   // ... on a row that the filling order favours
inline constexpr int kStackedWeight = 32;  // ... directly above another of the same side's

// A heuristic score for the side to move of a position where neither side can win with its
// next unit: winning cells decide games, so each side's free winning cells count, more on the
// rows that fall to it when the board fills up in turn (with gravity-like filling, the side
// that moves with an even number of free cells gets the odd rows counted from the bottom), and
// more when two lie one above the other, where blocking the lower hands over the upper. The
// units' closeness to the middle columns adds a little. otherWins are the opponent's winning
// cells among the free cells.
template <typename BitCount>
int Evaluate(const Position& position, Bits otherWins) {
    const Bits moverWins = position.moverWins & position.FreeCells();
    const Bits moverRows =
        position.free % 2 == 0 ? kOddRowsFromBottom : kBoardMask & ~kOddRowsFromBottom;
    const auto count = [](Bits bits) { return CountBits<BitCount>(bits); };
    return kThreatWeight * (count(moverWins) - count(otherWins)) +
           kParityWeight * (count(moverWins & moverRows) - count(otherWins & ~moverRows)) +
           kStackedWeight * (count(moverWins & (moverWins >> kRowStride)) -
                             count(otherWins & (otherWins >> kRowStride))) +
           position.centre;
}

}  // namespace morvane::search
