#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "bench/ex_search_reference.h"
#include "extra/engine/ex_search.h"
#include "rules/random.h"

namespace morvane::bench {
namespace {

constexpr int kCorpusSize = 300;
constexpr unsigned kCorpusSeed = 2024;

// Line-free positions the computer meets: the empty board, boards with random terrain, and
// games in progress (with or without terrain), built the same way on every run.
std::vector<ExBoard> MakeCorpus() {
    SeedRandomForTesting(kCorpusSeed);
    std::mt19937 engine(kCorpusSeed);
    auto draw = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(engine);
    };
    std::vector<ExBoard> corpus(1);  // the empty board first
    while (static_cast<int>(corpus.size()) < kCorpusSize) {
        ExBoard board;
        const bool terrain = draw(0, 1) == 0;
        if (terrain) {
            MakeRandomTerrain(board, draw(0, 8), draw(0, 2));
        }
        std::int16_t unit = ExMouseUnit;
        for (int move = draw(terrain ? 0 : 2, 40); move > 0; --move) {
            std::vector<int> legal;
            for (int cell = 0; cell < kExCellCount; ++cell) {
                if (ExCanPlace(board, cell)) {
                    legal.push_back(cell);
                }
            }
            ExBoard next = board;
            next[legal[static_cast<std::size_t>(draw(0, static_cast<int>(legal.size()) - 1))]] =
                unit;
            if (!HasLine(next)) {
                board = next;
                unit = unit == ExMouseUnit ? ExOtherUnit : ExMouseUnit;
            }
        }
        corpus.push_back(board);
    }
    return corpus;
}

const std::vector<ExBoard>& Corpus() {
    static const std::vector<ExBoard> corpus = MakeCorpus();
    return corpus;
}

// The move as the full-scan search would make it (the choice among the best is the same).
int ReferenceMove(const ExBoard& board) {
    const ExScores scores = testing::ReferenceRateCells(board);
    return ExBestCells(board, scores).front();
}

// One computer move on the empty board, 11,110 nodes.
void BM_ExComputerMoveEmptyBoard(benchmark::State& state) {
    for (auto _ : state) {
        ExBoard board;
        benchmark::DoNotOptimize(ExComputerMove(board));
    }
}
BENCHMARK(BM_ExComputerMoveEmptyBoard)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_ExReferenceMoveEmptyBoard(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReferenceMove(ExBoard{}));
    }
}
BENCHMARK(BM_ExReferenceMoveEmptyBoard)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// One iteration plays a move on every position of the corpus; per_position is the mean time
// of one move.
void BM_ExComputerMoveCorpus(benchmark::State& state) {
    for (auto _ : state) {
        for (const ExBoard& position : Corpus()) {
            ExBoard board = position;
            benchmark::DoNotOptimize(ExComputerMove(board));
        }
    }
    state.counters["per_position"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kCorpusSize,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ExComputerMoveCorpus)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

void BM_ExReferenceMoveCorpus(benchmark::State& state) {
    for (auto _ : state) {
        for (const ExBoard& position : Corpus()) {
            benchmark::DoNotOptimize(ReferenceMove(position));
        }
    }
    state.counters["per_position"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kCorpusSize,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ExReferenceMoveCorpus)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace morvane::bench
