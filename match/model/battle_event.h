#pragma once

#include <vector>

#include "rules/board.h"

namespace morvane {

// Something that happened in a battle that the screen marks with a sound or a motion.
struct BattleEvent {
    enum class Kind { UnitPlaced, Refused, Won, Lost, Drawn, HintArrived };
    Kind kind;
    // UnitPlaced: the cell, whose unit, and whether it went into a ◇ rather than onto a support.
    int cell = -1;
    Turn turn = kCircleTurn;
    bool intoHollow = false;
    // Won, Lost: the cells of the winning line.
    std::vector<int> line{};

    friend bool operator==(const BattleEvent&, const BattleEvent&) = default;
};

}  // namespace morvane
