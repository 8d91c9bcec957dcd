#include <QTest>
#include <atomic>
#include <chrono>
#include <thread>

#include "match/model/search_worker.h"

using namespace morvane;

namespace {

constexpr auto kPatience = std::chrono::seconds(20);
// The question every job here answers, unless a test asks another.
const SearchQuestion kAsked{};

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
    std::atomic<bool> answered = false;  // about to return its cell
    std::atomic<SearchEngine*> engine = nullptr;
    int cell = 0;

    SearchWorker::Job Make() {
        return [this](SearchEngine& searchEngine,
                      std::stop_token stop) -> std::optional<SearchResult> {
            engine = &searchEngine;
            started = true;
            const bool ended = Eventually([&] { return released || stop.stop_requested(); });
            if (!ended || stop.stop_requested()) {
                gaveUp = true;
                return std::nullopt;
            }
            answered = true;
            return SearchResult{cell};
        };
    }
};

}  // namespace

Q_DECLARE_METATYPE(morvane::SearchQuestion)

class SearchWorkerTest : public QObject {
    Q_OBJECT

private slots:
    // A job's answer is there once it has finished, and not before; the next job searches with
    // the same engine.
    void answersWhenTheJobHasFinished() {
        SearchWorker worker;
        HeldJob first;
        first.cell = 17;
        worker.Start(kAsked, first.Make());
        QVERIFY(Eventually([&] { return first.started.load(); }));
        QVERIFY(!worker.Idle());
        QCOMPARE(worker.TakeAnswer(kAsked).has_value(), false);
        first.released = true;
        std::optional<SearchResult> answer;
        QVERIFY(Eventually([&] { return (answer = worker.TakeAnswer(kAsked)).has_value(); }));
        QCOMPARE(answer->cell, 17);
        QVERIFY(worker.Idle());
        QCOMPARE(worker.TakeAnswer(kAsked).has_value(), false);

        HeldJob second;
        second.released = true;
        worker.Start(kAsked, second.Make());
        QVERIFY(Eventually([&] { return worker.TakeAnswer(kAsked).has_value(); }));
        QCOMPARE(second.engine.load(), first.engine.load());
    }

    // Cancelling tells the running job to give up and returns once it has; a
    // job that gives up by itself answers no cell.
    void cancellingEndsTheJob() {
        HeldJob held;
        {
            SearchWorker worker;
            worker.Start(kAsked, held.Make());
            QVERIFY(Eventually([&] { return held.started.load(); }));
            worker.Cancel();
            QVERIFY(held.gaveUp);
            QVERIFY(worker.Idle());
            QCOMPARE(worker.TakeAnswer(kAsked).has_value(), false);

            worker.Start(kAsked, [](SearchEngine&, std::stop_token) { return std::nullopt; });
            std::optional<SearchResult> answer;
            QVERIFY(Eventually([&] { return (answer = worker.TakeAnswer(kAsked)).has_value(); }));
            QCOMPARE(answer->cell, kNoCell);
        }
        HeldJob leftRunning;
        {
            SearchWorker worker;
            worker.Start(kAsked, leftRunning.Make());
            QVERIFY(Eventually([&] { return leftRunning.started.load(); }));
        }
        QVERIFY(leftRunning.gaveUp);
    }

    // An answer is taken only for the question it answers: asked about another position (or
    // with another budget), the worker drops the job, finished or not, and is idle for the new
    // question.
    void anAnswerToAnotherQuestionIsDropped_data() {
        QTest::addColumn<SearchQuestion>("asked");
        QTest::addColumn<bool>("finished");
        SearchQuestion otherBoard;
        otherBoard.board[CellIndex(1, kRows)] = UnitCode(kCircleTurn);
        const SearchQuestion otherTurn{Board{}, kCrossTurn, SearchBudget{}};
        const SearchQuestion otherBudget{Board{}, kCircleTurn, SearchBudget::Nodes(1000)};
        QTest::newRow("another board, still searching") << otherBoard << false;
        QTest::newRow("another board, answered") << otherBoard << true;
        QTest::newRow("the other side to move") << otherTurn << true;
        QTest::newRow("another budget") << otherBudget << true;
    }
    void anAnswerToAnotherQuestionIsDropped() {
        QFETCH(SearchQuestion, asked);
        QFETCH(bool, finished);
        SearchWorker worker;
        HeldJob held;
        held.released = finished;
        held.cell = 17;
        worker.Start(kAsked, held.Make());
        QVERIFY(Eventually([&] { return held.started.load(); }));
        QVERIFY(Eventually([&] { return !finished || held.answered.load(); }));
        QCOMPARE(worker.TakeAnswer(asked).has_value(), false);
        QVERIFY(worker.Idle());
        QCOMPARE(held.gaveUp.load(), !finished);
        QCOMPARE(worker.TakeAnswer(kAsked).has_value(), false);
    }
};

QTEST_APPLESS_MAIN(SearchWorkerTest)
#include "test_search_worker.moc"
