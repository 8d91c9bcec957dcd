#include "computer/search/search.h"

#include <algorithm>
#include <array>

#include "computer/search/negamax.h"
#include "computer/search/position.h"
#include "computer/search/transposition_table.h"
#include "rules/bit_count.h"

namespace morvane {
namespace {

using search::Clock;
using search::Limits;
using search::Negamax;
using search::Position;
using search::RootMove;
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
// the game, or the search is stopped; the last finished iteration counts.
template <typename BitCount>
Deepening Deepen(Negamax<BitCount>& negamax, const Position& root) {
    RootMoves moves;
    const int count = FirstRootOrder(root, moves);
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

template <typename BitCount>
std::optional<SearchResult> RunSearch(TranspositionTable& table, const Board& board, Turn turn,
                                      SearchBudget budget, const YieldHook& yield) {
    const Position root = Position::Of(board, turn);
    // A line already on the board decides nothing in play: only a line through a new unit
    // wins, and the winning cells the search works with are exactly those.
    if (root.free == 0) {
        return SearchResult{kNoCell, 0, 0, 0, true};
    }
    if (!table.NewSearch(yield)) {
        return std::nullopt;
    }
    Negamax<BitCount> negamax(table, LimitsOf(budget), yield);
    const Deepening deepening = Deepen(negamax, root);
    if (negamax.stopped() == Stop::Abandon) {
        return std::nullopt;
    }
    return SearchResult{search::kCellOfBit[static_cast<std::size_t>(deepening.best.bit)],
                        deepening.best.score, deepening.depth, negamax.nodes(),
                        deepening.completed};
}

template <typename BitCount>
std::optional<SolveResult> RunSolve(TranspositionTable& table, const Board& board, Turn turn,
                                    std::chrono::milliseconds time, const YieldHook& yield) {
    const Position root = Position::Of(board, turn);
    if (const std::optional<int> finished = FinishedScore(root)) {
        return SolveResult{ValueOf(*finished), 0, {}, 0, 0};
    }
    if (!table.NewSearch(yield)) {
        return std::nullopt;
    }
    Negamax<BitCount> negamax(table, LimitsOf(SearchBudget::Time(time)), yield);
    const Deepening deepening = Deepen(negamax, root);
    const int preferred = search::kCellOfBit[static_cast<std::size_t>(deepening.best.bit)];
    SolveResult unknown{GameValue::Unknown, 0, {preferred}, deepening.depth, negamax.nodes()};
    if (negamax.stopped() == Stop::Abandon) {
        return std::nullopt;
    }
    if (!deepening.completed) {
        return unknown;
    }

    // Every move is tried against the proven value with a null window searched to the end.
    const int value = deepening.best.score;
    CellList best;
    for (search::Bits rest = root.Legal(); rest != 0; rest &= rest - 1) {
        const int bit = search::LowestBit(rest);
        const int score = negamax.ScoreRootMove(root, bit, root.free, value - 1, value);
        if (negamax.stopped() == Stop::Abandon) {
            return std::nullopt;
        }
        if (negamax.stopped() == Stop::Budget) {
            unknown.nodes = negamax.nodes();
            return unknown;
        }
        if (score >= value) {
            best.Add(search::kCellOfBit[static_cast<std::size_t>(bit)]);
        }
    }
    const int plies = value == 0 ? root.free : PliesToEnd(value, root.free);
    return SolveResult{ValueOf(value), plies, best, deepening.depth, negamax.nodes()};
}

}  // namespace

SearchEngine::SearchEngine() : table_(std::make_unique<TranspositionTable>()) {}

SearchEngine::~SearchEngine() = default;

std::optional<SearchResult> SearchEngine::Search(const Board& board, Turn turn, SearchBudget budget,
                                                 const YieldHook& yield) {
    return HasHardwareBitCount() ? RunSearch<HardwareBitCount>(*table_, board, turn, budget, yield)
                                 : RunSearch<PortableBitCount>(*table_, board, turn, budget, yield);
}

std::optional<SolveResult> SearchEngine::Solve(const Board& board, Turn turn,
                                               std::chrono::milliseconds time,
                                               const YieldHook& yield) {
    return HasHardwareBitCount() ? RunSolve<HardwareBitCount>(*table_, board, turn, time, yield)
                                 : RunSolve<PortableBitCount>(*table_, board, turn, time, yield);
}

GameValue ProvenValue(const SearchResult& result) {
    return result.completed ? ValueOf(result.score) : GameValue::Unknown;
}

std::optional<SearchResult> SearchBestMove(const Board& board, Turn turn, SearchBudget budget,
                                           const YieldHook& yield) {
    return SearchEngine().Search(board, turn, budget, yield);
}

std::optional<SolveResult> SolvePosition(const Board& board, Turn turn,
                                         std::chrono::milliseconds time, const YieldHook& yield) {
    return SearchEngine().Solve(board, turn, time, yield);
}

}  // namespace morvane
