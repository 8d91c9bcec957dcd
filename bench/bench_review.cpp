#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "match/model/review_worker.h"

namespace morvane::bench {
namespace {

using Clock = std::chrono::steady_clock;

// A 40-move game on the open board, lost by [ＮＯＲＭＡＬ] (○, moving first) to [ＭＡＳＴＥＲ].
SavedGame LostToMaster() {
    SavedGame game;
    game.moves = {91, 92, 84, 76, 68, 83, 60, 75, 52, 44, 67, 90, 59, 93, 51, 43, 36, 35, 95, 27,
                  19, 85, 28, 87, 79, 71, 89, 81, 73, 20, 94, 12, 65, 57, 88, 82, 80, 77, 69, 74};
    game.end = GameEnd::CrossWins;
    return game;
}

// How often the review is asked what it has found, as the window's timer asks it, and how long
// it may take before the run counts as failed.
constexpr std::chrono::milliseconds kLook{10};
constexpr std::chrono::minutes kGiveUp{10};

// Waits until done() holds; false when it did not within kGiveUp.
template <typename Done>
bool Await(Done done) {
    for (const Clock::time_point limit = Clock::now() + kGiveUp; !done();
         std::this_thread::sleep_for(kLook)) {
        if (Clock::now() > limit) {
            return false;
        }
    }
    return true;
}

// The whole review of a 40-move game as the review window starts it: the review worker with its
// default budgets, looking at position range(0) (40: the end, where the window opens). The aim:
// the whole game within 20 s on the project's 2-core machine (the iteration's time), and the
// move looked at and the cells of its position before the rest (shown_s: when they were there).
void BM_ReviewWholeGame(benchmark::State& state) {
    const SavedGame game = LostToMaster();
    const auto shown = static_cast<int>(state.range(0));
    double shownSeconds = 0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        ReviewWorker worker(game);
        worker.Focus(shown);
        const bool seen = Await([&] {
            const ReviewSnapshot snapshot = worker.Snapshot(shown);
            const bool cells = std::ranges::none_of(
                snapshot.cells, [](const CellReview& cell) { return cell.pending; });
            return cells && !snapshot.moves[static_cast<std::size_t>(shown - 1)].pending;
        });
        shownSeconds = std::chrono::duration<double>(Clock::now() - start).count();
        if (!seen || !Await([&] { return worker.Snapshot(shown).finished; })) {
            state.SkipWithError("the review did not finish");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
    state.counters["shown_s"] = shownSeconds;
}
BENCHMARK(BM_ReviewWholeGame)
    ->ArgName("shown")
    ->Arg(40)
    ->Arg(20)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

}  // namespace
}  // namespace morvane::bench
