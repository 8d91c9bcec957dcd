#include "rules/yield_throttle.h"

#include <utility>

namespace morvane {

YieldThrottle::YieldThrottle(std::function<void()> letEventsRun, Clock clock)
    : letEventsRun_(std::move(letEventsRun)), clock_(std::move(clock)), eventsRan_(clock_()) {}

void YieldThrottle::Yield() {
    if (++yields_ % kYieldsPerClockRead != 0 || clock_() - eventsRan_ < kEventInterval) {
        return;
    }
    letEventsRun_();
    // Counted from the end: events that took long (a modal message) leave the computation a
    // whole interval before they run again.
    eventsRan_ = clock_();
}

}  // namespace morvane
