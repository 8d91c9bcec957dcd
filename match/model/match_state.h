#pragma once

#include <array>

#include "computer/computer_level.h"
#include "rules/board.h"
#include "rules/match_options.h"
#include "rules/player_kind.h"

namespace morvane {

// The kinds and picture numbers (1..10) of side ○ (0) and side × (1).
struct Players {
    std::array<PlayerKind, 2> kind = kFirstPlayerKinds;
    std::array<int, 2> picture{5, 3};
};

// Rounds run 1..kLastRound; the game after the last round is round 1 of a new cycle.
inline constexpr int kLastRound = 999;
// A side's win counter stops here rather than wrapping.
inline constexpr int kMostWins = 255;

// The program-wide state of the main game, made once in main and handed by reference to every
// window that shares it.
struct AppState {
    Board board;
    Turn turn = kCircleTurn;
    Players players;
    ComputerLevel computerLevel = ComputerLevel::Easy;  // the strength of every computer side
    MatchOptions options;
    int roundCount = 0;  // 0 until the first game of a battle screen visit, then 1..999
    Turn lastFirst = 0;  // the side that moved first in the most recent game
};

}  // namespace morvane
