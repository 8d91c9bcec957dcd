#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>

#include "bench/positions.h"
#include "computer/computer_move.h"
#include "computer/headless_game.h"
#include "rules/yield_throttle.h"

namespace morvane::bench {
namespace {

constexpr int kMidGameSet = 0;
constexpr int kHollowSet = 1;

// One ComputerMove of strength range(0) on position range(2) of set range(1) (mid-game
// without terrain, or 40 ◇ with the terrain option on), yielding to a no-op hook.
void BM_ComputerMove(benchmark::State& state) {
    const ComputerLevel level = ComputerLevelFromIndex(static_cast<int>(state.range(0)));
    const bool hollows = state.range(1) == kHollowSet;
    const auto index = static_cast<std::size_t>(state.range(2));
    const Position& position = hollows ? kHollows[index] : kMidGame[index];
    const Board board = BoardOf(position);
    const TerrainOption terrain = hollows ? TerrainOption::On : TerrainOption::Off;
    const YieldHook noOp([] { return true; });
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputerMove(board, position.turn, level, terrain, noOp));
    }
}
BENCHMARK(BM_ComputerMove)
    ->ArgNames({"level", "hollows", "position"})
    ->ArgsProduct({{0, 1, 2, 3},
                   {kMidGameSet, kHollowSet},
                   benchmark::CreateDenseRange(0, static_cast<int>(kMidGame.size()) - 1, 1)})
    ->Unit(benchmark::kMicrosecond);

// One [ＭＡＳＴＥＲ] move on mid-game position range(0) as the battle screen makes it: on the
// play budget, yielding to a throttle made as the event pump makes it, whose events are only
// noted. longest_wait_us is the longest time the event loop would have waited (wall time): from
// the call to the first events, between two runs of events, and from the last to the answer;
// longest_wait_cpu_us is the processor time the search spent in that longest wait, which is all
// of it on an idle machine and less when other programs took the processor meanwhile.
void BM_MasterEventGap(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    using Microseconds = std::chrono::duration<double, std::micro>;
    const Position& position = kMidGame[static_cast<std::size_t>(state.range(0))];
    const Board board = BoardOf(position);
    Microseconds longest{0};
    Microseconds longestCpu{0};
    for (auto _ : state) {
        Clock::time_point eventsRan = Clock::now();
        std::clock_t eventsRanCpu = std::clock();
        const auto runEvents = [&] {
            const Clock::time_point now = Clock::now();
            const std::clock_t nowCpu = std::clock();
            if (now - eventsRan > longest) {
                longest = now - eventsRan;
                longestCpu =
                    Microseconds(1e6 * static_cast<double>(nowCpu - eventsRanCpu) / CLOCKS_PER_SEC);
            }
            eventsRan = now;
            eventsRanCpu = nowCpu;
        };
        YieldThrottle throttle(runEvents);
        const YieldHook pump = YieldHook::Counting([&throttle](int steps) {
            throttle.Yield(static_cast<unsigned>(steps));
            return true;
        });
        benchmark::DoNotOptimize(
            ComputerMove(board, position.turn, ComputerLevel::Master, TerrainOption::Off, pump));
        runEvents();
    }
    state.counters["longest_wait_us"] = longest.count();
    state.counters["longest_wait_cpu_us"] = longestCpu.count();
}
BENCHMARK(BM_MasterEventGap)
    ->ArgName("position")
    ->DenseRange(0, static_cast<int>(kMidGame.size()) - 1)
    ->Iterations(4)
    ->Unit(benchmark::kMillisecond);

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
