#pragma once

#include <algorithm>
#include <array>

#include "computer/search/bitboard.h"
#include "computer/search/negamax.h"
#include "computer/search/position.h"
#include "rules/board.h"

namespace morvane::search {

// The root of a solve, searched one move at a time with null windows to the end of the game.
// Every answer a move's search gives is kept as a bound on that move's score, so that the later
// questions of the same solve (the exact score, then which cells keep the value, then which keep
// the score) search only the moves the earlier answers left open.
template <typename BitCount>
class RootProver {
public:
    RootProver(Negamax<BitCount>& negamax, const Position& root) : negamax_(negamax), root_(root) {
        const Bits freeCells = root.FreeCells();
        for (Bits rest = root.Legal(); rest != 0; rest &= rest - 1) {
            const int bit = LowestBit(rest);
            moves_[static_cast<std::size_t>(count_++)] =
                Move{bit, ThreatOrder<BitCount>(bit, root.WinsWith(bit), freeCells), -kInfinity,
                     kInfinity};
        }
        // The moves that make the most winning cells first, as inside the search.
        std::stable_sort(moves_.begin(), moves_.begin() + count_,
                         [](const Move& a, const Move& b) { return a.order > b.order; });
    }

    // The root's score against bar: above bar, a lower bound found by the first move that beats
    // it (which is then tried first next time); else the least upper bound of all moves.
    // Meaningless once the search stopped.
    int Exceeds(int bar) {
        int highest = -kInfinity;
        for (int i = 0; i < count_; ++i) {
            Move& move = moves_[static_cast<std::size_t>(i)];
            if (move.low > bar) {
                return move.low;
            }
        }
        for (int i = 0; i < count_; ++i) {
            Move& move = moves_[static_cast<std::size_t>(i)];
            if (move.high > bar) {
                const int score = Ask(move, bar + 1);
                if (score > bar) {
                    std::rotate(moves_.begin(), moves_.begin() + i, moves_.begin() + i + 1);
                    return score;
                }
            }
            highest = std::max(highest, move.high);
        }
        return highest;
    }

    // The legal cells whose move scores at least least, as bits; meaningless once the search
    // stopped.
    Bits ScoringAtLeast(int least) {
        Bits kept = 0;
        for (int i = 0; i < count_ && negamax_.stopped() == Stop::None; ++i) {
            Move& move = moves_[static_cast<std::size_t>(i)];
            if (move.low >= least || (move.high >= least && Ask(move, least) >= least)) {
                kept |= One(move.bit);
            }
        }
        return kept;
    }

private:
    struct Move {
        int bit;
        int order;
        int low;  // the move's score is proven to lie in [low, high]
        int high;
    };

    // Whether the move scores at least least, by a null window searched to the end; the answer
    // narrows its bounds.
    int Ask(Move& move, int least) {
        const int score = negamax_.ScoreRootMove(root_, move.bit, kToTheEnd, least - 1, least);
        if (negamax_.stopped() != Stop::None) {
            return 0;
        }
        if (score >= least) {
            move.low = std::max(move.low, score);
        } else {
            move.high = std::min(move.high, score);
        }
        return score;
    }

    Negamax<BitCount>& negamax_;
    const Position& root_;
    std::array<Move, kCellCount> moves_{};
    int count_ = 0;
};

}  // namespace morvane::search
