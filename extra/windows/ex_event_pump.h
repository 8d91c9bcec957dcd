#pragma once

#include "rules/yield_hook.h"

namespace morvane {

// The yield hook the extra game's computer gets in the program: it lets pending window events
// run whenever a few milliseconds have passed since they last ran, so the window stays
// responsive without the search paying for the event loop at every node. It never asks the
// search to stop: the window refuses to close while the computer thinks.
YieldHook MakeEventPump();

}  // namespace morvane
