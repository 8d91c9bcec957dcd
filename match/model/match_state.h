#pragma once

#include <array>

#include "rules/board.h"

namespace morvane {

// Who plays a side: the position in the player entry list.
enum PlayerKind : int {
    MousePlayer = 0,
    KeyboardPlayer = 1,
    EasyComputer = 2,
    NormalComputer = 3,
    HardComputer = 4,
    ExpertComputer = 5,
};
inline constexpr int kPlayerKindCount = 6;

constexpr bool IsComputer(int kind) { return kind >= EasyComputer; }

// The kinds and picture numbers (1..8) of side ○ (0) and side × (1).
struct Players {
    std::array<int, 2> kind{MousePlayer, NormalComputer};
    std::array<int, 2> picture{5, 3};
};

// The three match options, loaded from the settings store at start-up.
struct MatchOptions {
    int firstGameFirst = 0;   // 0 random, 1 ○ first, 2 × first
    int laterGamesFirst = 1;  // 0 random, 1 alternating, 2 the first game's first side
    int terrainSelect = 1;    // 0 terrain on, 1 off
};

// The program-wide state of the main game, made once in main and handed by reference to every
// window that shares it.
struct AppState {
    Board board;
    Turn turn = kCircleTurn;
    Players players;
    int computerLevel = 0;  // 0..3, the strength of every computer side
    MatchOptions options;
    int roundCount = 0;  // 0 until the first game of a battle screen visit, then 1..999
    Turn lastFirst = 0;  // the side that moved first in the most recent game
};

}  // namespace morvane
