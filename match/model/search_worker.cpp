#include "match/model/search_worker.h"

#include <pthread.h>
#include <sched.h>

#include <cassert>
#include <utility>

#include "match/model/computer_log.h"

namespace morvane {

SearchWorker::~SearchWorker() {
    Cancel();
    if (thread_.joinable()) {
        {
            const std::lock_guard lock(mutex_);
            ending_ = true;
        }
        posted_.notify_one();
        thread_.join();
    }
}

void SearchWorker::Start(Job job) {
    assert(Idle());
    if (!engine_) {
        engine_ = std::make_unique<SearchEngine>();
        thread_ = std::thread([this] { Serve(); });
    }
    cancelled_ = false;
    answered_ = false;
    {
        const std::lock_guard lock(mutex_);
        job_ = std::move(job);
    }
    posted_.notify_one();
    busy_ = true;
}

void SearchWorker::Serve() {
#if defined(__linux__)
    // A batch thread keeps its full share of the processor but gives way when a thread that
    // waited wakes up: the window thread's events are not kept waiting behind the search.
    const sched_param parameters{};
    if (pthread_setschedparam(pthread_self(), SCHED_BATCH, &parameters) != 0) {
        qCDebug(computerLog) << "the search thread keeps the normal scheduling";
    }
#endif
    const YieldHook keepGoing([this] { return !cancelled_.load(std::memory_order_relaxed); });
    for (;;) {
        Job job;
        {
            std::unique_lock lock(mutex_);
            posted_.wait(lock, [this] { return job_ || ending_; });
            if (!job_) {
                return;
            }
            job = std::exchange(job_, nullptr);
        }
        answer_ = job(*engine_, keepGoing).value_or(SearchResult{});
        job = nullptr;
        {
            const std::lock_guard lock(mutex_);
            answered_.store(true, std::memory_order_release);
        }
        finished_.notify_one();
    }
}

std::optional<SearchResult> SearchWorker::TakeAnswer() {
    if (!busy_ || !answered_.load(std::memory_order_acquire)) {
        return std::nullopt;
    }
    busy_ = false;
    return answer_;
}

void SearchWorker::Cancel() {
    if (!busy_) {
        return;
    }
    if (!answered_.load(std::memory_order_acquire)) {
        qCWarning(computerLog) << "a search was abandoned before its answer";
    }
    cancelled_ = true;
    std::unique_lock lock(mutex_);
    finished_.wait(lock, [this] { return answered_.load(std::memory_order_acquire); });
    busy_ = false;
}

}  // namespace morvane
