#include <QTest>
#include <atomic>
#include <chrono>
#include <thread>

#include "match/model/search_worker.h"

using namespace morvane;

namespace {

constexpr auto kPatience = std::chrono::seconds(20);

// Waits, for a bounded time, until the condition holds.
template <typename Condition>
bool Eventually(const Condition& condition) {
    const auto giveUp = std::chrono::steady_clock::now() + kPatience;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > giveUp) {
            return false;
        }
        std::this_thread::yield();
    }
    return true;
}

// A job that answers a cell once released, or gives up when told to.
struct HeldJob {
    std::atomic<bool> started = false;
    std::atomic<bool> released = false;
    std::atomic<bool> gaveUp = false;
    std::atomic<SearchEngine*> engine = nullptr;
    int cell = 0;

    SearchWorker::Job Make() {
        return [this](SearchEngine& searchEngine,
                      const YieldHook& keepGoing) -> std::optional<SearchResult> {
            engine = &searchEngine;
            started = true;
            const bool ended = Eventually([&] { return released || !keepGoing(); });
            if (!ended || !keepGoing()) {
                gaveUp = true;
                return std::nullopt;
            }
            return SearchResult{cell};
        };
    }
};

}  // namespace

class SearchWorkerTest : public QObject {
    Q_OBJECT

private slots:
    // A job's answer is there once it has finished, and not before; the next job searches with
    // the same engine.
    void answersWhenTheJobHasFinished() {
        SearchWorker worker;
        HeldJob first;
        first.cell = 17;
        worker.Start(first.Make());
        QVERIFY(Eventually([&] { return first.started.load(); }));
        QVERIFY(!worker.Idle());
        QCOMPARE(worker.TakeAnswer().has_value(), false);
        first.released = true;
        std::optional<SearchResult> answer;
        QVERIFY(Eventually([&] { return (answer = worker.TakeAnswer()).has_value(); }));
        QCOMPARE(answer->cell, 17);
        QVERIFY(worker.Idle());
        QCOMPARE(worker.TakeAnswer().has_value(), false);

        HeldJob second;
        second.released = true;
        worker.Start(second.Make());
        QVERIFY(Eventually([&] { return worker.TakeAnswer().has_value(); }));
        QCOMPARE(second.engine.load(), first.engine.load());
    }

    // Cancelling tells the running job to give up and returns once it has; a
    // job that gives up by itself answers no cell.
    void cancellingEndsTheJob() {
        HeldJob held;
        {
            SearchWorker worker;
            worker.Start(held.Make());
            QVERIFY(Eventually([&] { return held.started.load(); }));
            worker.Cancel();
            QVERIFY(held.gaveUp);
            QVERIFY(worker.Idle());
            QCOMPARE(worker.TakeAnswer().has_value(), false);

            worker.Start([](SearchEngine&, const YieldHook&) { return std::nullopt; });
            std::optional<SearchResult> answer;
            QVERIFY(Eventually([&] { return (answer = worker.TakeAnswer()).has_value(); }));
            QCOMPARE(answer->cell, kNoCell);
        }
        HeldJob leftRunning;
        {
            SearchWorker worker;
            worker.Start(leftRunning.Make());
            QVERIFY(Eventually([&] { return leftRunning.started.load(); }));
        }
        QVERIFY(leftRunning.gaveUp);
    }
};

QTEST_APPLESS_MAIN(SearchWorkerTest)
#include "test_search_worker.moc"
