#include <benchmark/benchmark.h>

#include <vector>

#include "bench/positions.h"
#include "rules/line.h"

namespace morvane::bench {
namespace {

// One line test per call, over every unit of the recorded mid-game positions: the call the
// computer makes most often.
void BM_CompletesLine(benchmark::State& state) {
    struct Probe {
        Board board;
        int cell;
    };
    std::vector<Probe> probes;
    for (const Position& position : kMidGame) {
        const Board board = BoardOf(position);
        for (int cell = 0; cell < kCellCount; ++cell) {
            if (board[cell] == CircleUnit || board[cell] == CrossUnit) {
                probes.push_back({board, cell});
            }
        }
    }
    std::size_t next = 0;
    for (auto _ : state) {
        const Probe& probe = probes[next];
        benchmark::DoNotOptimize(CompletesLine(probe.board, probe.cell));
        next = next + 1 == probes.size() ? 0 : next + 1;
    }
}
BENCHMARK(BM_CompletesLine);

}  // namespace
}  // namespace morvane::bench
