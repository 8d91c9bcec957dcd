#pragma once

#include <functional>

#include "rules/yield_hook.h"

namespace morvane {

// The yield hook the program gives its computer players: pending window events run whenever
// YieldThrottle finds them due. stillWanted is asked at every yield (empty: always wanted);
// when it answers false, the hook tells the computation to abandon. Each hook (with its copies)
// counts its own yields and its own interval, from when it is made.
YieldHook MakeEventPump(std::function<bool()> stillWanted = {});

}  // namespace morvane
