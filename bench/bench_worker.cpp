#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <fstream>

#include "bench/positions.h"
#include "match/model/search_worker.h"

namespace morvane::bench {
namespace {

// The event loop needs an application object; one for the whole run.
QCoreApplication& Application() {
    static int argc = 1;
    static char name[] = "bench_worker";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    return application;
}

// The time this thread has spent ready to run but waiting for a processor, as the system
// counts it (the second field of its schedstat); 0 where the system does not say.
std::chrono::nanoseconds RunQueueWait() {
    std::ifstream stat("/proc/thread-self/schedstat");
    std::int64_t running = 0;
    std::int64_t waiting = 0;
    stat >> running >> waiting;
    return std::chrono::nanoseconds(waiting);
}

// One [ＭＡＳＴＥＲ] move on mid-game position range(0) as the battle screen makes it: on the
// match's SearchWorker, while the window thread runs an event loop with a timer of range(1)
// milliseconds that notes the longest gap between two of its runs until the answer arrives.
// longest_gap_us is the longest the window thread waited for its events while MASTER thought;
// its_run_queue_us the part of that gap in which the thread was ready but had no processor (the
// machine's load, not a wait of ours).
void BM_WorkerEventLoopGap(benchmark::State& state) {
    Application();
    const Position& position = kMidGame[static_cast<std::size_t>(state.range(0))];
    const Board board = BoardOf(position);
    const Turn turn = position.turn;
    using Clock = std::chrono::steady_clock;
    Clock::duration longest{0};
    std::chrono::nanoseconds longestRunQueue{0};
    SearchWorker worker;
    for (auto _ : state) {
        const SearchQuestion question{board, turn, SearchBudget{}};
        worker.Start(question, [question](SearchEngine& engine, std::stop_token stop) {
            return engine.Search(question.board, question.turn, question.budget, stop);
        });
        QEventLoop loop;
        QTimer timer;
        timer.setInterval(static_cast<int>(state.range(1)));
        Clock::time_point last = Clock::now();
        std::chrono::nanoseconds lastRunQueue = RunQueueWait();
        QObject::connect(&timer, &QTimer::timeout, [&] {
            const Clock::time_point now = Clock::now();
            const std::chrono::nanoseconds runQueue = RunQueueWait();
            if (now - last > longest) {
                longest = now - last;
                longestRunQueue = runQueue - lastRunQueue;
            }
            last = now;
            lastRunQueue = runQueue;
            // Not const: newer Google Benchmark (Debian 13's) deprecates DoNotOptimize on a
            // const object.
            if (auto answer = worker.TakeAnswer(question)) {
                benchmark::DoNotOptimize(answer->cell);
                loop.quit();
            }
        });
        timer.start();
        loop.exec();
    }
    state.counters["longest_gap_us"] = std::chrono::duration<double, std::micro>(longest).count();
    state.counters["its_run_queue_us"] =
        std::chrono::duration<double, std::micro>(longestRunQueue).count();
}
BENCHMARK(BM_WorkerEventLoopGap)
    ->ArgNames({"position", "timer_ms"})
    ->ArgsProduct({benchmark::CreateDenseRange(0, static_cast<int>(kMidGame.size()) - 1, 1),
                   {0, 1}})
    ->Iterations(4)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace morvane::bench
