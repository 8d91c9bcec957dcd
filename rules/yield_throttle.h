#pragma once

#include <chrono>
#include <functional>

namespace morvane {

// Lets pending window events run from inside a long computation often enough that the window
// stays responsive, and rarely enough that the computation hardly pays for it: the clock is read
// only at every kYieldsPerClockRead-th yield, and events run once kEventInterval has passed
// since they last finished running (or since the throttle was made).
class YieldThrottle {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    // A yield comes every few nanoseconds to microseconds; reading the clock costs more.
    static constexpr unsigned kYieldsPerClockRead = 32;
    // Well within one frame (16 ms), even on a slow machine.
    static constexpr std::chrono::milliseconds kEventInterval{5};

    explicit YieldThrottle(std::function<void()> letEventsRun,
                           Clock clock = std::chrono::steady_clock::now);

    // Counts yields (a batch of tiny steps counts as that many), and lets events run when
    // they are due.
    void Yield(unsigned yields = 1);

private:
    std::function<void()> letEventsRun_;
    Clock clock_;
    std::chrono::steady_clock::time_point eventsRan_;
    unsigned yields_ = 0;
};

}  // namespace morvane
