#pragma once

#include <functional>
#include <utility>

namespace morvane {

// What a computation calls at each of its steps (the computer players, the search). The battle
// screen's search, which runs on a worker thread, binds it to its cancellation; the extra game
// binds it to the event loop, throttled, so that its window shows the thinking's progress; tests
// bind nothing (a no-op) or a recorder. It answers false when the computation must be abandoned
// (its window is closing): the caller then undoes what it changed on the board and returns at
// once.
class YieldHook {
public:
    YieldHook() = default;
    // A hook called once per step of the computation.
    explicit YieldHook(std::function<bool()> hook) : hook_(std::move(hook)) {}

    // A hook told how many steps have passed since its last call, so that a computation can
    // report a batch of tiny steps (a search's last ply) in one call.
    static YieldHook Counting(std::function<bool(int steps)> hook) {
        YieldHook yield;
        yield.counting_ = std::move(hook);
        return yield;
    }

    // One step. True: go on. False: abandon.
    bool operator()() const { return counting_ ? counting_(1) : !hook_ || hook_(); }

    // The same as that many steps one after the other, stopping at the first false.
    bool Steps(int steps) const {
        if (counting_) {
            return counting_(steps);
        }
        for (int step = 0; hook_ && step < steps; ++step) {
            if (!hook_()) {
                return false;
            }
        }
        return true;
    }

private:
    std::function<bool()> hook_;
    std::function<bool(int)> counting_;
};

}  // namespace morvane
