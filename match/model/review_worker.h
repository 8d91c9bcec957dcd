#pragma once

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

#include "match/model/game_review.h"
#include "match/model/job_runner.h"

namespace morvane {

// What a review has found so far, copied out for the window thread.
struct ReviewSnapshot {
    std::vector<ReviewedMove> moves;
    std::optional<DecidingMove> decidingMove;
    std::vector<CellReview> cells;  // of the position asked for
    int positionsDone = 0;
    int positionCount = 0;
    bool finished = false;  // every question answered
};

// A game's review worked out as one job on a job runner with one search engine, question by
// question, so that the window thread never waits for the solver: it asks for a snapshot when
// it likes (a timer) and says which position it shows. Destroying the worker stops the work.
class ReviewWorker {
public:
    ReviewWorker(SavedGame game, std::chrono::milliseconds budget = kReviewBudget);
    ~ReviewWorker();
    ReviewWorker(const ReviewWorker&) = delete;
    ReviewWorker& operator=(const ReviewWorker&) = delete;

    // The game reviewed; it never changes.
    const SavedGame& Game() const { return review_.Game(); }

    // The position shown: its cells are solved next.
    void Focus(int plies);
    ReviewSnapshot Snapshot(int plies) const;

    // Stops the work and waits for the thread to end; what was found stays.
    void Stop();

private:
    void Work(const std::stop_token& stop);

    GameReview review_;  // guarded by mutex_
    const std::chrono::milliseconds budget_;
    std::unique_ptr<SearchEngine> engine_;  // used by the job alone
    mutable std::mutex mutex_;
    std::condition_variable_any wake_;  // the position shown has changed
    JobRunner runner_;                  // last: stops the work before the rest goes
};

}  // namespace morvane
