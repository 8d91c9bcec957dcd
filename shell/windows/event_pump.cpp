#include "shell/windows/event_pump.h"

#include <QCoreApplication>
#include <memory>
#include <utility>

#include "rules/yield_throttle.h"

namespace morvane {

YieldHook MakeEventPump(std::function<bool()> stillWanted) {
    // Shared, so that copies of the hook count their yields together.
    auto throttle = std::make_shared<YieldThrottle>([] { QCoreApplication::processEvents(); });
    return YieldHook::Counting([throttle, stillWanted = std::move(stillWanted)](int steps) {
        throttle->Yield(static_cast<unsigned>(steps));
        return !stillWanted || stillWanted();
    });
}

}  // namespace morvane
