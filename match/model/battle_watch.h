#pragma once

#include <array>
#include <vector>

#include "match/model/battle.h"
#include "rules/board.h"
#include "rules/player_kind.h"

namespace morvane {

// Something the battle screen marks with a sound or a motion.
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

// Tells what happened in a battle between two looks at it, from what the battle reports: units
// appearing on the board as drawn, a placement turned down, the game's end, a hint served. A
// game is lost when the computer beats a person; any other win is won.
class BattleWatch {
public:
    // What happened since the last look; the first look sets the scene and tells nothing.
    std::vector<BattleEvent> Look(const Battle& battle, const std::array<PlayerKind, 2>& kinds);

    // A person has just asked the battle for a hint.
    void HintAsked(const Battle& battle);

private:
    bool looked_ = false;
    Board board_;
    BattleState state_ = BattleState::Boot;
    bool couldHint_ = false;
    bool hintWaiting_ = false;
};

}  // namespace morvane
