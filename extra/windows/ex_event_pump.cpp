#include "extra/windows/ex_event_pump.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <memory>

namespace morvane {
namespace {

// Events run at least this often: well within one frame (16 ms) even on a slow machine.
constexpr qint64 kPumpIntervalMs = 5;
// The clock is read only every so many nodes; a node takes nanoseconds.
constexpr unsigned kNodesPerClockRead = 64;

struct PumpState {
    QElapsedTimer sinceEvents;
    unsigned nodesToClockRead = kNodesPerClockRead;
};

}  // namespace

YieldHook MakeEventPump() {
    auto state = std::make_shared<PumpState>();
    state->sinceEvents.start();
    return YieldHook::Counting([state](int nodes) {
        if (static_cast<unsigned>(nodes) < state->nodesToClockRead) {
            state->nodesToClockRead -= static_cast<unsigned>(nodes);
            return true;
        }
        state->nodesToClockRead = kNodesPerClockRead;
        if (state->sinceEvents.hasExpired(kPumpIntervalMs)) {
            QCoreApplication::processEvents();
            state->sinceEvents.restart();
        }
        return true;
    });
}

}  // namespace morvane
