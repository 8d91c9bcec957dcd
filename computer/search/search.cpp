#include "computer/search/search.h"

#include <algorithm>
#include <array>
#include <utility>

#include "computer/search/negamax.h"
#include "computer/search/position.h"
#include "computer/search/root_prover.h"
#include "computer/search/transposition_table.h"
#include "rules/bit_count.h"

namespace morvane {
namespace {

using search::Clock;
using search::Limits;
using search::Negamax;
using search::Position;
using search::RootMove;
using search::RootProver;
using search::Stop;
using search::TranspositionTable;

using RootMoves = std::array<RootMove, kCellCount>;

// The score of a board on which the game is already over, if it is.
std::optional<int> FinishedScore(const Position& root) {
    if (search::HasLine(root.other)) {
        return -(kWinScore + root.free);
    }
    if (search::HasLine(root.mover)) {
        return kWinScore + root.free;
    }
    if (root.free == 0) {
        return 0;
    }
    return std::nullopt;
}

GameValue ValueOf(int score) {
    return score > 0 ? GameValue::Win : score < 0 ? GameValue::Loss : GameValue::Draw;
}

Limits LimitsOf(SearchBudget budget) {
    if (budget.nodes > 0) {
        return Limits{budget.nodes, std::nullopt};
    }
    return Limits{0, Clock::now() + budget.time};
}

// Every placeable cell, the middle columns first; returns how many.
int FirstRootOrder(const Position& root, RootMoves& moves) {
    int count = 0;
    for (search::Bits rest = root.Legal(); rest != 0; rest &= rest - 1) {
        moves[static_cast<std::size_t>(count++)] = RootMove{search::LowestBit(rest), 0};
    }
    std::stable_sort(moves.begin(), moves.begin() + count, [](RootMove a, RootMove b) {
        return search::kCentreWeight[static_cast<std::size_t>(a.bit)] >
               search::kCentreWeight[static_cast<std::size_t>(b.bit)];
    });
    return count;
}

struct Deepening {
    RootMove best;
    int depth = 0;           // 0 when no iteration finished
    bool completed = false;  // the score is proven
};

// Iterative deepening from one ply until the score is proven or every line reaches the end of
// the game, or the search is stopped; the last finished iteration counts. The moves are left
// ordered as that iteration scored them, best first.
template <typename BitCount>
Deepening Deepen(Negamax<BitCount>& negamax, const Position& root, RootMoves& moves, int count) {
    Deepening result{moves[0], 0, false};
    for (int depth = 1; depth <= root.free; ++depth) {
        const std::optional<RootMove> best = negamax.SearchRoot(root, depth, moves.data(), count);
        if (!best) {
            break;
        }
        result = Deepening{*best, depth, IsDecisive(best->score) || depth == root.free};
        if (result.completed) {
            break;
        }
    }
    return result;
}

// With at most this many free cells, a search spends only kDeepeningShare percent of its
// budget deepening, and the rest on questions searched to the end of the game, which a horizon
// cannot mislead: a heuristic score, however deep, can favour a move that throws a long win
// away (a zugzwang the horizon hides), while a null window to the end often settles a position
// this small within the time. With more free cells such questions seldom end in time, and the
// whole budget deepens.
constexpr int kMostFreeCellsToProve = 36;
constexpr std::int64_t kDeepeningShare = 5;

// The questions of the first round get this many positions each; every round gives the questions
// still open four times as many as the last.
constexpr std::int64_t kFirstRoundNodes = 10'000;

struct ValueKeeping {
    int bit = 0;             // the move to play
    std::int64_t nodes = 0;  // positions visited
    bool abandoned = false;  // the stop token called the search off
};

// A root move that keeps the game's value: a win when one is proven, else at least a draw, each
// asked of each move with a null window searched to the end. The questions are asked in rounds,
// the moves in their order in each: a round gives every question still open a few more
// positions, so that a move whose win is quickly proven is found before a costly question about
// another move is settled (the table keeps the work of a question left open). When the budget
// runs out first, the first move in order not proven to lose stands.
template <typename BitCount>
ValueKeeping ValueKeepingBit(TranspositionTable& table, const Position& root,
                             const RootMoves& moves, int count, Limits limits,
                             const std::stop_token& stop) {
    ValueKeeping keeping{moves[0].bit};
    std::array<int, kCellCount> highest;  // what each move is proven to score at most
    highest.fill(search::kInfinity);
    const auto settled = [&] {
        for (int i = 0; i < count; ++i) {
            if (highest[static_cast<std::size_t>(i)] >= 0) {
                keeping.bit = moves[static_cast<std::size_t>(i)].bit;
                break;
            }
        }
        return keeping;
    };
    for (const int bar : {kWinScore - 1, -1}) {
        bool open = true;
        for (std::int64_t round = kFirstRoundNodes; open; round *= 4) {
            open = false;
            for (int i = 0; i < count; ++i) {
                if (highest[static_cast<std::size_t>(i)] <= bar) {
                    continue;
                }
                const std::int64_t left = limits.nodes > 0 ? limits.nodes - keeping.nodes : round;
                if (left <= 0) {
                    return settled();
                }
                Negamax<BitCount> negamax(table, Limits{std::min(round, left), limits.deadline},
                                          stop);
                const int bit = moves[static_cast<std::size_t>(i)].bit;
                const int score = negamax.ScoreRootMove(root, bit, search::kToTheEnd, bar, bar + 1);
                keeping.nodes += negamax.nodes();
                if (negamax.stopped() == Stop::Abandon) {
                    keeping.abandoned = true;
                    return keeping;
                }
                if (negamax.stopped() == Stop::Budget) {
                    if (limits.deadline && Clock::now() >= *limits.deadline) {
                        return settled();
                    }
                    open = true;
                } else if (score > bar) {
                    return ValueKeeping{bit, keeping.nodes, false};
                } else {
                    highest[static_cast<std::size_t>(i)] = score;
                }
            }
        }
    }
    return settled();
}

template <typename BitCount>
std::optional<SearchResult> RunSearch(TranspositionTable& table, const Board& board, Turn turn,
                                      SearchBudget budget, const std::stop_token& stop) {
    const Position root = Position::Of(board, turn);
    // A line already on the board decides nothing in play: only a line through a new unit
    // wins, and the winning cells the search works with are exactly those.
    if (root.free == 0) {
        return SearchResult{kNoCell, 0, 0, 0, true};
    }
    table.NewSearch();
    const Clock::time_point start = Clock::now();
    const bool proving = root.free <= kMostFreeCellsToProve;
    const std::int64_t share = proving ? kDeepeningShare : 100;
    const Limits deepeningLimits =
        budget.nodes > 0
            ? Limits{std::max<std::int64_t>(1, budget.nodes * share / 100), std::nullopt}
            : Limits{0, start + budget.time * share / 100};
    Negamax<BitCount> negamax(table, deepeningLimits, stop);
    RootMoves moves;
    const int count = FirstRootOrder(root, moves);
    const Deepening deepening = Deepen(negamax, root, moves, count);
    if (negamax.stopped() == Stop::Abandon) {
        return std::nullopt;
    }
    SearchResult result{search::kCellOfBit[static_cast<std::size_t>(deepening.best.bit)],
                        deepening.best.score, deepening.depth, negamax.nodes(),
                        deepening.completed};
    const std::int64_t nodesLeft = budget.nodes - negamax.nodes();
    if (deepening.completed || !proving || (budget.nodes > 0 && nodesLeft <= 0)) {
        return result;
    }
    // The table keeps what the deepening stored: the exact questions start from its moves.
    const ValueKeeping keeping = ValueKeepingBit<BitCount>(
        table, root, moves, count,
        budget.nodes > 0 ? Limits{nodesLeft, std::nullopt} : Limits{0, start + budget.time}, stop);
    if (keeping.abandoned) {
        return std::nullopt;
    }
    result.nodes += keeping.nodes;
    result.cell = search::kCellOfBit[static_cast<std::size_t>(keeping.bit)];
    return result;
}

// Every root move scored with an exact window at the same depth, deeper each pass; the moves
// keep their first order, so the scores of a pass stand in that order.
template <typename BitCount>
std::optional<CellScores> RunScoreCells(TranspositionTable& table, const Board& board, Turn turn,
                                        SearchBudget budget, const std::stop_token& stop) {
    const Position root = Position::Of(board, turn);
    CellScores result;
    if (root.free == 0) {
        return result;
    }
    table.NewSearch();
    Negamax<BitCount> negamax(table, LimitsOf(budget), stop);
    RootMoves moves;
    const int count = FirstRootOrder(root, moves);
    std::array<int, kCellCount> pass{};
    for (int depth = 1; depth <= root.free; ++depth) {
        bool decided = true;
        for (int i = 0; i < count && negamax.stopped() == Stop::None; ++i) {
            const int score = negamax.ScoreRootMove(root, moves[static_cast<std::size_t>(i)].bit,
                                                    depth, -search::kInfinity, search::kInfinity);
            pass[static_cast<std::size_t>(i)] = score;
            decided = decided && IsDecisive(score);
        }
        if (negamax.stopped() != Stop::None) {
            break;
        }
        for (int i = 0; i < count; ++i) {
            moves[static_cast<std::size_t>(i)].score = pass[static_cast<std::size_t>(i)];
        }
        result.depth = depth;
        if (decided) {
            break;
        }
    }
    if (negamax.stopped() == Stop::Abandon) {
        return std::nullopt;
    }
    std::sort(moves.begin(), moves.begin() + count, [](RootMove a, RootMove b) {
        return search::kCellOfBit[static_cast<std::size_t>(a.bit)] <
               search::kCellOfBit[static_cast<std::size_t>(b.bit)];
    });
    for (int i = 0; i < count; ++i) {
        const RootMove move = moves[static_cast<std::size_t>(i)];
        result.scores[static_cast<std::size_t>(result.cells.Size())] = move.score;
        result.cells.Add(search::kCellOfBit[static_cast<std::size_t>(move.bit)]);
    }
    result.nodes = negamax.nodes();
    return result;
}

// The scores a game can end with are ranked: rank 0 is a draw, rank f > 0 a win by the move
// made with f free cells, rank -f a loss by the opponent's move made with f free cells. The
// exact score is pinned on ranks, since the scores between them are never a game's result.
int ScoreOfRank(int rank) { return rank > 0 ? WinScore(rank) : rank < 0 ? -WinScore(-rank) : 0; }

// The lowest rank whose score is at least score, and the highest whose score is at most
// score: what a bound found by the search says about the rank.
int RankAtLeast(int score) {
    return score > 0 ? std::max(1, score - kWinScore + 1) : std::min(0, score + kWinScore - 1);
}
int RankAtMost(int score) {
    return score < 0 ? std::min(-1, score + kWinScore - 1) : std::max(0, score - kWinScore + 1);
}

// The positions of the quick search that picks the cell a solve out of time prefers: a few
// milliseconds, enough to see wins, blocks and traps a few plies ahead.
constexpr std::int64_t kPreferenceNodes = 20'000;

// The ranks a game from the root can end with: the mover wins only by its own moves (made with
// root.free, root.free - 2, … free cells), the opponent only by the others. The range of ranks
// left is kept on these, so every null window halves the results that can still be.
struct RootRanks {
    int free;

    bool CanEndWith(int rank) const {
        return rank == 0 || (rank > 0 ? free - rank : free - 1 + rank) % 2 == 0;
    }
    int AtLeast(int rank) const { return CanEndWith(rank) ? rank : rank + 1; }
    int AtMost(int rank) const { return CanEndWith(rank) ? rank : rank - 1; }
};

// The rank of the root's exact score: null windows searched to the end narrow the range of
// ranks it may have until one is left: first whether it is a win, then, if not, whether it is
// at least a draw (two searches settle a drawn position, whose proofs cost most), then halving
// towards the slower results, as strong four-in-a-row solvers do. Meaningless when the search
// stopped.
template <typename BitCount>
int PinnedRank(RootProver<BitCount>& prover, const Position& root,
               const Negamax<BitCount>& negamax) {
    const RootRanks ranks{root.free};
    int lowest = root.free >= 2 ? -(root.free - 1) : 0;
    int highest = root.free;
    while (lowest < highest && negamax.stopped() == Stop::None) {
        int middle = lowest + (highest - lowest) / 2;
        if (lowest < 0 && highest > 0) {
            middle = 0;
        } else if (lowest < 0 && highest == 0) {
            middle = ranks.AtMost(-1);
        } else if (middle <= 0 && lowest / 2 < middle) {
            middle = lowest / 2;
        } else if (middle >= 0 && highest / 2 > middle) {
            middle = highest / 2;
        }
        middle = std::max(lowest, ranks.AtMost(middle));
        const int bar = ScoreOfRank(middle);
        const int score = prover.Exceeds(bar);
        if (score > bar) {
            lowest = ranks.AtLeast(std::max(middle + 1, RankAtLeast(score)));
        } else {
            highest = ranks.AtMost(std::min(middle, RankAtMost(score)));
        }
    }
    return lowest;
}

CellList CellsOf(search::Bits bits) {
    CellList cells;
    for (search::Bits rest = bits; rest != 0; rest &= rest - 1) {
        cells.Add(search::kCellOfBit[static_cast<std::size_t>(search::LowestBit(rest))]);
    }
    return cells;
}

template <typename BitCount>
std::optional<SolveResult> RunSolve(TranspositionTable& table, const Board& board, Turn turn,
                                    std::chrono::milliseconds time, const std::stop_token& stop) {
    const Position root = Position::Of(board, turn);
    if (const std::optional<int> finished = FinishedScore(root)) {
        return SolveResult{ValueOf(*finished), 0, {}, {}, 0, 0};
    }
    table.NewSearch();
    Negamax<BitCount> negamax(table, LimitsOf(SearchBudget::Time(time)), stop);

    RootProver<BitCount> prover(negamax, root);
    const int score = ScoreOfRank(PinnedRank(prover, root, negamax));
    const GameValue value = ValueOf(score);
    // In a lost position every cell keeps the value; a win must stay a win, a draw at least a
    // draw. The fastest cells keep the exact score.
    const search::Bits best = value == GameValue::Loss
                                  ? root.Legal()
                                  : prover.ScoringAtLeast(value == GameValue::Win ? kWinScore : 0);
    const search::Bits fastest =
        value == GameValue::Draw ? best : prover.ScoringAtLeast(score) & best;
    if (negamax.stopped() == Stop::Abandon) {
        return std::nullopt;
    }
    if (negamax.stopped() != Stop::None) {
        const std::optional<SearchResult> preferred =
            RunSearch<BitCount>(table, board, turn, SearchBudget::Nodes(kPreferenceNodes), stop);
        if (!preferred) {
            return std::nullopt;
        }
        return SolveResult{GameValue::Unknown, 0, {preferred->cell}, {}, 0, negamax.nodes()};
    }
    const int plies = value == GameValue::Draw ? root.free : PliesToEnd(score, root.free);
    return SolveResult{value, plies, CellsOf(best), CellsOf(fastest), root.free, negamax.nodes()};
}

}  // namespace

SearchEngine::SearchEngine() : table_(std::make_unique<TranspositionTable>()) {}

SearchEngine::~SearchEngine() = default;

std::optional<SearchResult> SearchEngine::Search(const Board& board, Turn turn, SearchBudget budget,
                                                 const std::stop_token& stop) {
    return HasHardwareBitCount() ? RunSearch<HardwareBitCount>(*table_, board, turn, budget, stop)
                                 : RunSearch<PortableBitCount>(*table_, board, turn, budget, stop);
}

std::optional<SolveResult> SearchEngine::Solve(const Board& board, Turn turn,
                                               std::chrono::milliseconds time,
                                               const std::stop_token& stop) {
    return HasHardwareBitCount() ? RunSolve<HardwareBitCount>(*table_, board, turn, time, stop)
                                 : RunSolve<PortableBitCount>(*table_, board, turn, time, stop);
}

std::optional<CellScores> SearchEngine::ScoreCells(const Board& board, Turn turn,
                                                   SearchBudget budget,
                                                   const std::stop_token& stop) {
    return HasHardwareBitCount()
               ? RunScoreCells<HardwareBitCount>(*table_, board, turn, budget, stop)
               : RunScoreCells<PortableBitCount>(*table_, board, turn, budget, stop);
}

GameValue ProvenValue(const SearchResult& result) {
    return result.completed ? ValueOf(result.score) : GameValue::Unknown;
}

std::optional<SearchResult> SearchBestMove(const Board& board, Turn turn, SearchBudget budget,
                                           const std::stop_token& stop) {
    return SearchEngine().Search(board, turn, budget, stop);
}

std::optional<SolveResult> SolvePosition(const Board& board, Turn turn,
                                         std::chrono::milliseconds time,
                                         const std::stop_token& stop) {
    return SearchEngine().Solve(board, turn, time, stop);
}

}  // namespace morvane
