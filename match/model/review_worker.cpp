#include "match/model/review_worker.h"

#include <utility>

#include "match/model/battle_log.h"

namespace morvane {

ReviewWorker::ReviewWorker(SavedGame game, std::chrono::milliseconds budget)
    : review_(std::move(game)), budget_(budget), engine_(std::make_unique<SearchEngine>()) {
    runner_.Run([this](const std::stop_token& stop) { Work(stop); });
}

ReviewWorker::~ReviewWorker() { Stop(); }

void ReviewWorker::Focus(int plies) {
    {
        const std::lock_guard lock(mutex_);
        review_.Focus(plies);
    }
    wake_.notify_one();
}

ReviewSnapshot ReviewWorker::Snapshot(int plies) const {
    const std::lock_guard lock(mutex_);
    ReviewSnapshot snapshot;
    snapshot.moves = review_.Moves();
    snapshot.decidingMove = FindDecidingMove(snapshot.moves);
    snapshot.cells = review_.Cells(plies);
    snapshot.positionsDone = review_.PositionsDone();
    snapshot.positionCount = review_.PositionCount();
    snapshot.finished = !review_.NextJob();
    return snapshot;
}

void ReviewWorker::Stop() { runner_.Stop(); }

void ReviewWorker::Work(const std::stop_token& stop) {
    std::unique_lock lock(mutex_);
    while (!stop.stop_requested()) {
        const std::optional<ReviewJob> job = review_.NextJob();
        if (!job) {
            wake_.wait(lock, stop, [this] { return review_.NextJob().has_value(); });
            continue;
        }
        lock.unlock();
        const std::optional<ReviewAnswer> answer = AnswerJob(*engine_, *job, budget_, stop);
        lock.lock();
        if (!answer) {
            qCDebug(battleLog) << "the review was stopped at position" << job->position;
            return;
        }
        review_.Record(*job, *answer);
    }
}

}  // namespace morvane
