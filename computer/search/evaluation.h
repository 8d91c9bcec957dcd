#pragma once

#include "computer/search/bitboard.h"
#include "computer/search/position.h"

namespace morvane::search {

// What a free cell that would complete a line is worth at the search's horizon.
inline constexpr int kThreatWeight = 24;

// What a winning cell is worth besides when it lies on a row of its owner's parity.
inline constexpr int kParityWeight = 32;

// The rows 1, 3, 5, … counted from the bottom. When the columns fill up one unit on another,
// the side that moves with an even number of free cells left takes these rows, the other side
// the rest: a winning cell on one's own parity is the one that a zugzwang makes good. (◇, which
// take a unit anywhere, and ■ columns of odd height blur the rule; it stays a good guess.)
inline constexpr Bits kOddRowsFromBottom = [] {
    Bits rows = 0;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if ((kRows - CellY(cell)) % 2 == 0) {
            rows |= One(BitOfCell(cell));
        }
    }
    return rows;
}();

// A heuristic score for the side to move of a position where neither side can win with its
// next unit: winning cells decide games, so each side's free winning cells count; the units'
// closeness to the middle columns adds a little. Winning cells on their owner's row parity count
// more: in classic openings that made MASTER keep a won or drawn game's value more often.
// otherWins are the opponent's winning cells among the free cells.
template <typename BitCount>
int Evaluate(const Position& position, Bits otherWins) {
    const Bits moverWins = position.moverWins & position.FreeCells();
    const Bits moverRows = position.free % 2 == 0 ? kOddRowsFromBottom : ~kOddRowsFromBottom;
    return kThreatWeight * (CountBits<BitCount>(moverWins) - CountBits<BitCount>(otherWins)) +
           kParityWeight * (CountBits<BitCount>(moverWins & moverRows) -
                            CountBits<BitCount>(otherWins & ~moverRows)) +
           position.centre;
}

}  // namespace morvane::search
