#include "match/model/job_runner.h"

#include <pthread.h>
#include <sched.h>

#include <utility>

#include "match/model/computer_log.h"

namespace morvane {

JobRunner::~JobRunner() { Stop(); }

void JobRunner::Run(Job job) {
    {
        const std::lock_guard lock(mutex_);
        posted_ = std::move(job);
        if (!thread_.joinable()) {
            thread_ = std::jthread([this](const std::stop_token& ending) { Serve(ending); });
        }
    }
    wake_.notify_all();
}

void JobRunner::Stop() {
    std::unique_lock lock(mutex_);
    jobStop_.request_stop();
    posted_ = nullptr;
    wake_.wait(lock, [this] { return !running_; });
    jobStop_ = std::stop_source();
}

void JobRunner::Serve(const std::stop_token& ending) {
#if defined(__linux__)
    // A batch thread keeps its full share of the processor but gives way when a thread that
    // waited wakes up: the window thread's events are not kept waiting behind the work.
    const sched_param parameters{};
    if (pthread_setschedparam(pthread_self(), SCHED_BATCH, &parameters) != 0) {
        qCDebug(computerLog) << "the work thread keeps the normal scheduling";
    }
#endif
    std::unique_lock lock(mutex_);
    while (wake_.wait(lock, ending, [this] { return posted_ != nullptr; })) {
        const Job job = std::exchange(posted_, nullptr);
        const std::stop_token stop = jobStop_.get_token();
        running_ = true;
        lock.unlock();
        job(stop);
        lock.lock();
        running_ = false;
        wake_.notify_all();
    }
}

}  // namespace morvane
