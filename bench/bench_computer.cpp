#include <benchmark/benchmark.h>

#include "bench/positions.h"
#include "computer/computer_move.h"
#include "computer/headless_game.h"

namespace morvane::bench {
namespace {

constexpr int kMidGameSet = 0;
constexpr int kHollowSet = 1;

// One ComputerMove of strength range(0) on position range(2) of set range(1) (mid-game
// without terrain, or 40 ◇ with the terrain option on).
void BM_ComputerMove(benchmark::State& state) {
    const ComputerLevel level = ComputerLevelFromIndex(static_cast<int>(state.range(0)));
    const bool hollows = state.range(1) == kHollowSet;
    const auto index = static_cast<std::size_t>(state.range(2));
    const Position& position = hollows ? kHollows[index] : kMidGame[index];
    const Board board = BoardOf(position);
    const TerrainOption terrain = hollows ? TerrainOption::On : TerrainOption::Off;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputerMove(board, position.turn, level, terrain));
    }
}
BENCHMARK(BM_ComputerMove)
    ->ArgNames({"level", "hollows", "position"})
    ->ArgsProduct({{0, 1, 2, 3},
                   {kMidGameSet, kHollowSet},
                   benchmark::CreateDenseRange(0, static_cast<int>(kMidGame.size()) - 1, 1)})
    ->Unit(benchmark::kMicrosecond);

// Whole EASY against EASY games without windows, alternating who starts; reports games/s.
void BM_LadderEasyAgainstEasy(benchmark::State& state) {
    HeadlessGames games;
    Turn first = kCircleTurn;
    for (auto _ : state) {
        benchmark::DoNotOptimize(games.Play({ComputerLevel::Easy, ComputerLevel::Easy}, first));
        first = -first;
    }
    state.counters["games_per_second"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_LadderEasyAgainstEasy)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace morvane::bench
