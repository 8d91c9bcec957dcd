#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

#include "computer/search/search.h"

namespace morvane {

// The match's search engine and the worker thread it thinks on, one job at a time, so that the
// window thread never waits for a search. A job holds its own copy of the position; the window
// thread starts it and then only asks, tick by tick, whether its answer is ready.
class SearchWorker {
public:
    // A search on the match's engine. keepGoing answers false once the job is cancelled; the job
    // then gives up (returns nothing) as soon as it can.
    using Job = std::function<std::optional<SearchResult>(SearchEngine& engine,
                                                          const YieldHook& keepGoing)>;

    SearchWorker() = default;
    // Cancels a running job.
    ~SearchWorker();
    SearchWorker(const SearchWorker&) = delete;
    SearchWorker& operator=(const SearchWorker&) = delete;

    // No job is running and no answer waits to be taken.
    bool Idle() const { return !thread_.joinable(); }

    // Runs the job on the worker thread. Only when Idle().
    void Start(Job job);

    // The job's answer once it has finished, after which the worker is idle again; nothing while
    // it still runs. A job that gave up without being cancelled answers no cell.
    std::optional<SearchResult> TakeAnswer();

    // Tells a running job to give up and waits for its thread to end; its answer is dropped.
    void Cancel();

private:
    std::unique_ptr<SearchEngine> engine_;  // made for the first job, kept for the match
    std::thread thread_;
    std::atomic<bool> cancelled_{false};
    std::atomic<bool> finished_{false};
    SearchResult answer_;  // written by the job; read only after its thread has been joined
};

}  // namespace morvane
