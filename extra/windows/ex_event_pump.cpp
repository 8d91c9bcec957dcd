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
    unsigned nodes = 0;
};

}  // namespace

YieldHook MakeEventPump() {
    auto state = std::make_shared<PumpState>();
    state->sinceEvents.start();
    return YieldHook([state] {
        if (++state->nodes % kNodesPerClockRead == 0 &&
            state->sinceEvents.hasExpired(kPumpIntervalMs)) {
            QCoreApplication::processEvents();
            state->sinceEvents.restart();
        }
        return true;
    });
}

}  // namespace morvane
