#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <stop_token>

#include "computer/search/search.h"
#include "match/model/job_runner.h"

namespace morvane {

// What a search job answers: the position and the budget it was given. An answer is taken only
// for the question asked now, so that a position changed meanwhile, whatever changed it, never
// takes the answer found for another.
struct SearchQuestion {
    Board board;
    Turn turn = kCircleTurn;
    SearchBudget budget;

    friend bool operator==(const SearchQuestion&, const SearchQuestion&) = default;
};

// The match's search engine and the job runner it thinks on, one job at a time, so that the
// window thread never waits for a search. A job holds its own copy of the position; the window
// thread starts it and then only asks, tick by tick, whether its answer is ready.
class SearchWorker {
public:
    // A search on the match's engine. Once the job is cancelled its stop token says so; the job
    // then gives up (returns nothing) as soon as it can.
    using Job =
        std::function<std::optional<SearchResult>(SearchEngine& engine, std::stop_token stop)>;

    SearchWorker() = default;
    // Cancels a running job.
    ~SearchWorker();
    SearchWorker(const SearchWorker&) = delete;
    SearchWorker& operator=(const SearchWorker&) = delete;

    // No job is running and no answer waits to be taken.
    bool Idle() const { return !asked_; }

    // Runs the job, which answers the question, on the runner's thread. Only when Idle().
    void Start(const SearchQuestion& question, Job job);

    // The answer to the question once its job has finished, after which the worker is idle
    // again; nothing while it still runs. A job for another question is cancelled and its answer
    // dropped, leaving the worker idle. A job that gave up without being cancelled answers no
    // cell.
    std::optional<SearchResult> TakeAnswer(const SearchQuestion& question);

    // Tells a running job to give up and waits until it has; its answer is dropped.
    void Cancel();

private:
    std::unique_ptr<SearchEngine> engine_;  // made for the first job, kept for the match
    // The question of the job started and not yet answered to the window thread.
    std::optional<SearchQuestion> asked_;
    std::atomic<bool> answered_{false};
    SearchResult answer_;  // written by the job before answered_; read only after it
    JobRunner runner_;     // last: stops the job before the rest goes
};

}  // namespace morvane
