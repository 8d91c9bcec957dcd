#pragma once

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <stop_token>

#include "computer/search/bitboard.h"
#include "computer/search/evaluation.h"
#include "computer/search/position.h"
#include "computer/search/score.h"
#include "computer/search/transposition_table.h"

namespace morvane::search {

using Clock = std::chrono::steady_clock;

// When a search must stop: after a number of nodes (reproducible), or at a moment on the clock.
struct Limits {
    std::int64_t nodes = 0;  // 0: no node limit
    std::optional<Clock::time_point> deadline;
};

enum class Stop { None, Budget, Abandon };

// The stop token and the clock are consulted once per so many nodes (a fraction of a
// millisecond at full speed), so that a search called off or out of time returns that soon,
// while reading the clock, far dearer than a node, costs the search next to nothing.
inline constexpr std::int64_t kNodesPerCheck = 4096;

inline constexpr int kInfinity = kWinScore * 2;

struct RootMove {
    int bit = 0;
    int score = 0;
};

// Searched with this depth, no line meets a horizon: every position is followed to the end.
inline constexpr int kToTheEnd = kCellCount;

// How early a move into bit is tried where lines are followed to the end: by the winning cells
// it makes (wins, with the unit; threats the opponent must answer), then by its closeness to
// the middle columns. Each threat outranks the centre weight.
template <typename BitCount>
int ThreatOrder(int bit, Bits wins, Bits freeCells) {
    constexpr int kThreatOrder = 4;
    return CountBits<BitCount>(wins & freeCells & ~One(bit)) * kThreatOrder +
           kCentreWeight[static_cast<std::size_t>(bit)];
}

// Negamax with alpha-beta pruning over Positions, principal-variation windows, a transposition
// table and moves ordered by the winning cells they make (searching to the end) or by history. A
// node is one position visited (Search entered). Immediate wins end a node at once; a single
// opponent's winning cell must be blocked; a cell under an opponent's winning cell is never played
// while another is left; a node with one such move left plays it without spending depth, so a
// horizon never falls inside a forced sequence. Below the horizon the position is evaluated.
// BitCount is the population count policy.
template <typename BitCount>
class Negamax {
public:
    // The table must have started a new search (NewSearch).
    Negamax(TranspositionTable& table, Limits limits, const std::stop_token& stopToken)
        : table_(table), limits_(limits), stopToken_(stopToken) {
        nextCheck_ = NextCheck();
    }

    Stop stopped() const { return stop_; }
    std::int64_t nodes() const { return nodes_; }

    // The score of playing bit at the root, searching depth plies in all; within the window
    // (alpha, beta) it is exact, outside it a bound. 0 when stopped.
    int ScoreRootMove(const Position& root, int bit, int depth, int alpha, int beta) {
        if (Has(root.moverWins, bit)) {
            return WinScore(root.free);
        }
        if (root.free == 1) {
            return 0;
        }
        return -Search(root.Play(bit), depth - 1, -beta, -alpha);
    }

    // One full-width pass over the root moves in their order, the best first found kept on
    // ties; the moves are reordered best first for the next pass. Nothing when stopped.
    std::optional<RootMove> SearchRoot(const Position& root, int depth, RootMove* moves,
                                       int count) {
        int alpha = -kInfinity;
        RootMove best{moves[0].bit, -kInfinity};
        for (int i = 0; i < count; ++i) {
            RootMove& move = moves[i];
            if (i == 0) {
                move.score = ScoreRootMove(root, move.bit, depth, -kInfinity, kInfinity);
            } else {
                move.score = ScoreRootMove(root, move.bit, depth, alpha, alpha + 1);
                if (move.score > alpha && stop_ == Stop::None) {
                    move.score = ScoreRootMove(root, move.bit, depth, alpha, kInfinity);
                }
            }
            if (stop_ != Stop::None) {
                return std::nullopt;
            }
            if (move.score > best.score) {
                best = move;
                alpha = move.score;
            }
        }
        std::stable_sort(moves, moves + count,
                         [](const RootMove& a, const RootMove& b) { return a.score > b.score; });
        return best;
    }

private:
    struct Candidate {
        int bit;
        int order;
        Bits wins;  // the mover's winning cells with this unit, when ordered by them; else 0
        std::uint64_t key;  // the child's
    };

    int Search(const Position& p, int depth, int alpha, int beta) {
        if (!CountNode()) {
            return 0;
        }
        const Bits legal = p.Legal();
        if ((p.moverWins & legal) != 0) {
            return WinScore(p.free);
        }
        if (p.free == 1) {
            return 0;  // the mover fills the last cell without a line
        }
        const Bits otherWins = p.otherWins & p.FreeCells();
        const Bits otherNow = otherWins & legal;
        const int quickLoss = -WinScore(p.free - 1);
        if (Several(otherNow)) {
            return quickLoss;
        }
        const Bits underOtherWins = (otherWins & p.EmptyCells()) << kRowStride;
        const Bits moves = (otherNow != 0 ? otherNow : legal) & ~underOtherWins;
        if (moves == 0) {
            return quickLoss;
        }
        if (p.free == 2) {
            return 0;  // the opponent's last cell is neither a winning cell now nor above ours
        }
        if (!Several(moves)) {
            return -Search(p.Play(LowestBit(moves)), depth, -beta, -alpha);
        }

        // The opponent cannot win with its next move, and the mover at best with its next one.
        const int least = p.free >= 4 ? -WinScore(p.free - 3) : 0;
        const int most = WinScore(p.free - 2);
        alpha = std::max(alpha, least);
        beta = std::min(beta, most);
        if (alpha >= beta) {
            return alpha;
        }
        depth = std::min(depth, p.free);
        if (depth <= 0) {
            return std::clamp(Evaluate<BitCount>(p, otherWins), least, most);
        }

        int tableMove = kNoMove;
        if (const TableEntry* entry = table_.Find(p.key)) {
            tableMove = entry->move;
            if (entry->depth >= depth &&
                (entry->bound == Bound::Exact ||
                 (entry->bound == Bound::Lower && entry->score >= beta) ||
                 (entry->bound == Bound::Upper && entry->score <= alpha))) {
                return entry->score;
            }
        }

        std::array<Candidate, kCellCount> candidates;
        int count = 0;
        const auto& history = history_[static_cast<std::size_t>(p.moverCode - CircleUnit)];
        const Bits freeCells = p.FreeCells();
        // Where every line is followed to the end, the winning cells a move makes (threats the
        // opponent must answer) order the moves best; above a horizon, where speed counts
        // most, the cheaper history does.
        const bool toTheEnd = depth == p.free;
        // The children will look themselves up, and where many cells are free this node looks
        // them up first: their entries start loading now, while the moves are ordered.
        for (Bits rest = moves; rest != 0; rest &= rest - 1) {
            const int bit = LowestBit(rest);
            const std::uint64_t key = p.ChildKey(bit);
            if (depth > 1) {
                table_.Prefetch(key);
            }
            candidates[static_cast<std::size_t>(count++)] = Candidate{bit, 0, 0, key};
        }
        for (int i = 0; i < count; ++i) {
            Candidate& candidate = candidates[static_cast<std::size_t>(i)];
            const int bit = candidate.bit;
            // Kept for the child, which needs them too.
            candidate.wins = toTheEnd ? p.WinsWith(bit) : 0;
            candidate.order = kTableMoveOrder;
            if (bit != tableMove) {
                candidate.order = toTheEnd ? ThreatOrder<BitCount>(bit, candidate.wins, freeCells)
                                           : history[static_cast<std::size_t>(bit)] +
                                                 kCentreWeight[static_cast<std::size_t>(bit)];
            }
        }
        if (toTheEnd && p.free >= kLeastFreeForTableCutoff) {
            if (const std::optional<int> cut = TableCutoff(p, candidates, count, depth, beta)) {
                return *cut;
            }
        }

        const int alphaAtStart = alpha;
        int bestScore = -kInfinity;
        int bestBit = kNoMove;
        for (int i = 0; i < count; ++i) {
            const Candidate& candidate = NextCandidate(candidates, i, count, depth);
            const int bit = candidate.bit;
            const Position child = toTheEnd ? p.Play(bit, candidate.wins) : p.Play(bit);
            int score;
            if (i == 0) {
                score = -Search(child, depth - 1, -beta, -alpha);
            } else {
                score = -Search(child, depth - 1, -alpha - 1, -alpha);
                if (score > alpha && score < beta && stop_ == Stop::None) {
                    score = -Search(child, depth - 1, -beta, -alpha);
                }
            }
            if (stop_ != Stop::None) {
                return 0;
            }
            if (score > bestScore) {
                bestScore = score;
                bestBit = bit;
                if (score > alpha) {
                    alpha = score;
                    if (alpha >= beta) {
                        RewardCutoff(p.moverCode, bit, depth);
                        break;
                    }
                }
            }
        }
        const Bound bound = bestScore >= beta          ? Bound::Lower
                            : bestScore > alphaAtStart ? Bound::Exact
                                                       : Bound::Upper;
        table_.Store(p.key, bestScore, depth, bound, bestBit);
        return bestScore;
    }

    // A score of at least beta that a child's entry in the table already proves (its upper
    // bound is the move's lower bound), stored for the position too: a transposition that
    // ends the search here before any child is entered.
    std::optional<int> TableCutoff(const Position& p,
                                   const std::array<Candidate, kCellCount>& candidates, int count,
                                   int depth, int beta) {
        for (int i = 0; i < count; ++i) {
            const TableEntry* entry = table_.Find(candidates[static_cast<std::size_t>(i)].key);
            if (entry != nullptr && entry->depth >= depth - 1 && entry->bound != Bound::Lower &&
                -entry->score >= beta) {
                const int bit = candidates[static_cast<std::size_t>(i)].bit;
                table_.Store(p.key, -entry->score, depth, Bound::Lower, bit);
                return -entry->score;
            }
        }
        return std::nullopt;
    }

    // The candidate to search in position i, best ordered first. Above the horizon's parents
    // all are sorted at once. Just above the horizon a node is mostly decided by its first two
    // candidates, and one that they do not decide is usually one where every move fails, so
    // those two are picked one by one and the rest taken as they come.
    static const Candidate& NextCandidate(std::array<Candidate, kCellCount>& candidates, int i,
                                          int count, int depth) {
        const auto byOrder = [](const Candidate& a, const Candidate& b) {
            return a.order > b.order;
        };
        const auto begin = candidates.begin();
        if (depth > 1) {
            if (i == 0) {
                std::sort(begin, begin + count, byOrder);
            }
        } else if (i < 2) {
            std::swap(begin[i], *std::min_element(begin + i, begin + count, byOrder));
        }
        return candidates[static_cast<std::size_t>(i)];
    }

    // A move that refuted the opponent's play is tried early elsewhere too; deep refutations
    // count most. The table is halved before it could outgrow the table move's rank.
    void RewardCutoff(std::int16_t moverCode, int bit, int depth) {
        auto& history = history_[static_cast<std::size_t>(moverCode - CircleUnit)];
        int& value = history[static_cast<std::size_t>(bit)];
        value += depth * depth;
        if (value > kHistoryLimit) {
            for (int& entry : history) {
                entry /= 2;
            }
        }
    }

    bool CountNode() {
        ++nodes_;
        return nodes_ < nextCheck_ || Check();
    }

    bool Check() {
        if (stop_ != Stop::None) {
            return false;
        }
        if (limits_.nodes > 0 && nodes_ >= limits_.nodes) {
            stop_ = Stop::Budget;
            return false;
        }
        if (nodes_ % kNodesPerCheck == 0) {
            if (stopToken_.stop_requested()) {
                stop_ = Stop::Abandon;
                return false;
            }
            if (limits_.deadline && Clock::now() >= *limits_.deadline) {
                stop_ = Stop::Budget;
                return false;
            }
        }
        table_.Fit(nodes_);
        nextCheck_ = NextCheck();
        return true;
    }

    std::int64_t NextCheck() const {
        const std::int64_t check = (nodes_ / kNodesPerCheck + 1) * kNodesPerCheck;
        return limits_.nodes > 0 ? std::min(check, limits_.nodes) : check;
    }

    static constexpr int kHistoryLimit = 1 << 24;
    // With fewer free cells the children are searched quicker than their entries are looked up.
    static constexpr int kLeastFreeForTableCutoff = 12;
    static constexpr int kTableMoveOrder = 1 << 30;

    TranspositionTable& table_;
    Limits limits_;
    const std::stop_token& stopToken_;
    Stop stop_ = Stop::None;
    std::int64_t nodes_ = 0;
    std::int64_t nextCheck_ = 0;
    std::array<std::array<int, kBitCount>, 2> history_{};
};

}  // namespace morvane::search
