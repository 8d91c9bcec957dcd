#include "match/model/search_worker.h"

#include <cassert>
#include <utility>

#include "match/model/computer_log.h"

namespace morvane {

SearchWorker::~SearchWorker() { Cancel(); }

void SearchWorker::Start(const SearchQuestion& question, Job job) {
    assert(Idle());
    if (!engine_) {
        engine_ = std::make_unique<SearchEngine>();
    }
    asked_ = question;
    answered_ = false;
    runner_.Run([this, job = std::move(job)](const std::stop_token& stop) {
        answer_ = job(*engine_, stop).value_or(SearchResult{});
        answered_.store(true, std::memory_order_release);
    });
}

std::optional<SearchResult> SearchWorker::TakeAnswer(const SearchQuestion& question) {
    if (!asked_) {
        return std::nullopt;
    }
    if (*asked_ != question) {
        qCDebug(computerLog) << "a search for another position was dropped";
        Cancel();
        return std::nullopt;
    }
    if (!answered_.load(std::memory_order_acquire)) {
        return std::nullopt;
    }
    asked_.reset();
    return answer_;
}

void SearchWorker::Cancel() {
    if (!asked_) {
        return;
    }
    runner_.Stop();
    asked_.reset();
}

}  // namespace morvane
