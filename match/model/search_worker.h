#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "computer/search/search.h"

namespace morvane {

// The match's search engine and the worker thread it thinks on, one job at a time, so that the
// window thread never waits for a search. A job holds its own copy of the position; the window
// thread starts it and then only asks, tick by tick, whether its answer is ready. The thread is
// started with the first job and kept for the match: asking for an answer never waits for a
// thread to end, and no lock is held while a job runs.
class SearchWorker {
public:
    // A search on the match's engine. keepGoing answers false once the job is cancelled; the job
    // then gives up (returns nothing) as soon as it can.
    using Job = std::function<std::optional<SearchResult>(SearchEngine& engine,
                                                          const YieldHook& keepGoing)>;

    SearchWorker() = default;
    // Cancels a running job and ends the thread.
    ~SearchWorker();
    SearchWorker(const SearchWorker&) = delete;
    SearchWorker& operator=(const SearchWorker&) = delete;

    // No job is running and no answer waits to be taken.
    bool Idle() const { return !busy_; }

    // Runs the job on the worker thread. Only when Idle().
    void Start(Job job);

    // The job's answer once it has finished, after which the worker is idle again; nothing while
    // it still runs. A job that gave up without being cancelled answers no cell.
    std::optional<SearchResult> TakeAnswer();

    // Tells a running job to give up and waits until it has; its answer is dropped.
    void Cancel();

private:
    // The worker thread: runs each job posted, until told to end.
    void Serve();

    std::unique_ptr<SearchEngine> engine_;  // made for the first job, kept for the match
    bool busy_ = false;  // the window thread's own note: a job started, its answer not taken

    std::mutex mutex_;                  // guards job_ and ending_; never held while a job runs
    std::condition_variable posted_;    // a job or the end was posted
    std::condition_variable finished_;  // the running job has answered
    Job job_;                           // posted, not yet taken up by the thread
    bool ending_ = false;

    std::atomic<bool> cancelled_{false};
    std::atomic<bool> answered_{false};
    SearchResult answer_;  // written by the job before answered_; read only after it
    std::thread thread_;
};

}  // namespace morvane
