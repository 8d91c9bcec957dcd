#pragma once

#include <array>

#include "computer/computer_level.h"
#include "rules/board.h"
#include "rules/terrain_option.h"

namespace morvane {

// Who plays a side. The numbers are the positions in the player entry list, which are also
// what the settings store keeps.
enum class PlayerKind {
    Mouse = 0,
    Keyboard = 1,
    EasyComputer = 2,
    NormalComputer = 3,
    HardComputer = 4,
    ExpertComputer = 5,
    MasterComputer = 6,
};
inline constexpr int kPlayerKindCount = 7;

constexpr bool IsComputer(PlayerKind kind) { return kind >= PlayerKind::EasyComputer; }

// The kinds and picture numbers (1..10) of side ○ (0) and side × (1).
struct Players {
    std::array<PlayerKind, 2> kind{PlayerKind::Mouse, PlayerKind::NormalComputer};
    std::array<int, 2> picture{5, 3};
};

// Who moves first in the first game of a battle screen visit. The numbers are the option's
// positions in the options window and its stored values.
enum class FirstGameFirst { Random = 0, Circle = 1, Cross = 2 };

// Who moves first in the later games.
enum class LaterGamesFirst {
    Random = 0,
    Alternate = 1,  // the last game's second side
    KeepFirst = 2,  // the first game's first side
};

// The three match options, loaded from the settings store at start-up.
struct MatchOptions {
    FirstGameFirst firstGameFirst = FirstGameFirst::Random;
    LaterGamesFirst laterGamesFirst = LaterGamesFirst::Alternate;
    TerrainOption terrainSelect = TerrainOption::Off;
};

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
