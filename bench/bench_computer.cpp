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

// The longest time between two notes (wall time), and the processor time this program spent in
// it: all of it on an idle machine, less when other programs took the processor meanwhile.
class GapMeter {
public:
    using Clock = std::chrono::steady_clock;
    using Microseconds = std::chrono::duration<double, std::micro>;

    void Start() {
        last_ = Clock::now();
        lastCpu_ = std::clock();
    }

    void Note() {
        const Clock::time_point now = Clock::now();
        const std::clock_t nowCpu = std::clock();
        if (now - last_ > longest_) {
            longest_ = now - last_;
            longestCpu_ =
                Microseconds(1e6 * static_cast<double>(nowCpu - lastCpu_) / CLOCKS_PER_SEC);
        }
        last_ = now;
        lastCpu_ = nowCpu;
    }

    double LongestMicroseconds() const { return longest_.count(); }
    double LongestCpuMicroseconds() const { return longestCpu_.count(); }

private:
    Clock::time_point last_;
    std::clock_t lastCpu_ = 0;
    Microseconds longest_{0};
    Microseconds longestCpu_{0};
};

// One [ＭＡＳＴＥＲ] move on mid-game position range(0) as the battle screen makes it: on the
// play budget, yielding to a throttle made as the event pump makes it, whose events are only
// noted. longest_yield_gap_us is the longest time between two calls of the yield hook;
// longest_wait_us the longest time the event loop would have waited: from the call to the first
// events, between two runs of events, and from the last to the answer (wall times, each with
// the processor time the move spent in it, *_cpu_us).
void BM_MasterEventGap(benchmark::State& state) {
    const Position& position = kMidGame[static_cast<std::size_t>(state.range(0))];
    const Board board = BoardOf(position);
    GapMeter yields;
    GapMeter events;
    for (auto _ : state) {
        yields.Start();
        events.Start();
        YieldThrottle throttle([&events] { events.Note(); });
        const YieldHook pump = YieldHook::Counting([&throttle, &yields](int steps) {
            yields.Note();
            throttle.Yield(static_cast<unsigned>(steps));
            return true;
        });
        benchmark::DoNotOptimize(SearchBestMove(board, position.turn, SearchBudget{}, pump));
        yields.Note();
        events.Note();
    }
    state.counters["longest_yield_gap_us"] = yields.LongestMicroseconds();
    state.counters["longest_yield_gap_cpu_us"] = yields.LongestCpuMicroseconds();
    state.counters["longest_wait_us"] = events.LongestMicroseconds();
    state.counters["longest_wait_cpu_us"] = events.LongestCpuMicroseconds();
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
