#pragma once

#include <functional>
#include <utility>

namespace morvane {

// Lets pending window events run from inside a long computation (the computer players).
// The program binds it to the event loop, throttled; tests bind nothing (a no-op) or a
// recorder. It answers false when the computation must be abandoned because its window is
// closing: the caller then undoes what it changed on the board and returns at once.
class YieldHook {
public:
    YieldHook() = default;
    explicit YieldHook(std::function<bool()> hook) : hook_(std::move(hook)) {}

    // True: go on. False: abandon.
    bool operator()() const { return !hook_ || hook_(); }

private:
    std::function<bool()> hook_;
};

}  // namespace morvane
