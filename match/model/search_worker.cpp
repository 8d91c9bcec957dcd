#include "match/model/search_worker.h"

#include <cassert>
#include <utility>

#include "match/model/computer_log.h"

namespace morvane {

SearchWorker::~SearchWorker() { Cancel(); }

void SearchWorker::Start(Job job) {
    assert(Idle());
    if (!engine_) {
        engine_ = std::make_unique<SearchEngine>();
    }
    cancelled_ = false;
    finished_ = false;
    thread_ = std::thread([this, job = std::move(job)] {
        const YieldHook keepGoing([this] { return !cancelled_.load(std::memory_order_relaxed); });
        answer_ = job(*engine_, keepGoing).value_or(SearchResult{});
        finished_.store(true, std::memory_order_release);
    });
}

std::optional<SearchResult> SearchWorker::TakeAnswer() {
    if (Idle() || !finished_.load(std::memory_order_acquire)) {
        return std::nullopt;
    }
    thread_.join();
    return answer_;
}

void SearchWorker::Cancel() {
    if (Idle()) {
        return;
    }
    if (!finished_.load(std::memory_order_acquire)) {
        qCWarning(computerLog) << "a search was abandoned before its answer";
    }
    cancelled_ = true;
    thread_.join();
}

}  // namespace morvane
