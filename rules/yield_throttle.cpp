#include "rules/yield_throttle.h"

#include <utility>

namespace morvane {

YieldThrottle::YieldThrottle(std::function<void()> letEventsRun, Clock clock)
    : letEventsRun_(std::move(letEventsRun)), clock_(std::move(clock)), eventsRan_(clock_()) {}

void YieldThrottle::Yield(unsigned yields) {
    const unsigned before = yields_;
    yields_ += yields;
    const bool clockReadDue = yields_ / kYieldsPerClockRead != before / kYieldsPerClockRead;
    if (!clockReadDue || clock_() - eventsRan_ < kEventInterval) {
        return;
    }
    letEventsRun_();
    // Counted from the end: events that took long (a modal message) leave the computation a
    // whole interval before they run again.
    eventsRan_ = clock_();
}

}  // namespace morvane
