#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <string>
#include <vector>

#include "bench/positions.h"
#include "computer/search/search.h"

namespace morvane::bench {
namespace {

constexpr std::int64_t kNodesPerSearch = 2'000'000;
constexpr std::chrono::milliseconds kSolveTime{1000};

// The engine's table is cleared before its first search; one search of a single position does
// that here, so that no timing includes it.
void PrepareTable(SearchEngine& engine) {
    engine.Search(Board{}, kCircleTurn, SearchBudget::Nodes(1), YieldHook());
}

// A node budget for every recorded position; positions_per_second counts the positions the
// search visits, where a position is one node entered (its legal cells, wins and threats
// worked out and, below the horizon, evaluated), the same count the node budget limits.
void BM_SearchPositions(benchmark::State& state) {
    const bool hollows = state.range(0) == 1;
    const auto& positions = hollows ? kHollows : kMidGame;
    SearchEngine engine;
    PrepareTable(engine);
    std::int64_t nodes = 0;
    for (auto _ : state) {
        for (const Position& position : positions) {
            const auto result = engine.Search(BoardOf(position), position.turn,
                                              SearchBudget::Nodes(kNodesPerSearch), YieldHook());
            nodes += result->nodes;
        }
    }
    state.counters["positions_per_second"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SearchPositions)->ArgName("hollows")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

struct Endgame {
    Board board;
    Turn turn;
};

std::vector<Endgame> ReadCorpus() {
    std::vector<Endgame> corpus;
    std::ifstream file(MORVANE_ENDGAMES_PATH);
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        Endgame endgame{BoardOf(Position{line, kCircleTurn}),
                        line.back() == 'o' ? kCircleTurn : kCrossTurn};
        corpus.push_back(endgame);
    }
    return corpus;
}

// Solves every endgame of the corpus (bench/endgames.txt, at most 20 free cells) once per
// iteration, each within a second; reports the slowest and mean solve and how many were left
// unknown.
void BM_SolveCorpus(benchmark::State& state) {
    const std::vector<Endgame> corpus = ReadCorpus();
    SearchEngine engine;
    PrepareTable(engine);
    double slowest = 0;
    double total = 0;
    int unknown = 0;
    int solves = 0;
    for (auto _ : state) {
        for (const Endgame& endgame : corpus) {
            const auto start = std::chrono::steady_clock::now();
            const auto result = engine.Solve(endgame.board, endgame.turn, kSolveTime, YieldHook());
            const std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - start;
            slowest = std::max(slowest, took.count());
            total += took.count();
            unknown += result->value == GameValue::Unknown ? 1 : 0;
            ++solves;
        }
    }
    state.counters["endgames"] = static_cast<double>(corpus.size());
    state.counters["slowest_ms"] = slowest;
    state.counters["mean_ms"] = total / solves;
    state.counters["unknown"] = unknown;
}
BENCHMARK(BM_SolveCorpus)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace morvane::bench
