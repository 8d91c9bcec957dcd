#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <stop_token>
#include <thread>

namespace morvane {

// A thread of its own that runs long work (a search, a review) one job at a time, so that the
// window thread never waits for it. A job is told through its stop token when to give up, and
// gives up as soon as it can; that is the one way work on the thread is cancelled. The thread
// is started with the first job and kept until the runner is destroyed, which stops the job
// running and ends the thread. No lock is held while a job runs.
class JobRunner {
public:
    using Job = std::function<void(std::stop_token stop)>;

    JobRunner() = default;
    ~JobRunner();
    JobRunner(const JobRunner&) = delete;
    JobRunner& operator=(const JobRunner&) = delete;

    // Runs the job on the runner's thread once the one before it has returned.
    void Run(Job job);
    // Tells the job running (or posted) to give up and waits until it has returned; the runner
    // then takes the next job.
    void Stop();

private:
    void Serve(const std::stop_token& ending);

    std::mutex mutex_;                  // guards everything below but the thread
    std::condition_variable_any wake_;  // a job was posted, or one has returned
    Job posted_;
    bool running_ = false;
    std::stop_source jobStop_;  // the stop of the job posted or running
    std::jthread thread_;       // last: stopped and joined before the rest goes
};

}  // namespace morvane
