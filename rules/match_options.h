#pragma once

#include "rules/terrain_option.h"

namespace morvane {

// Who moves first in the first game of a battle screen visit. The numbers are the option's
// positions in the options window and its stored values.
enum class FirstGameFirst { Random = 0, Circle = 1, Cross = 2 };

// Who moves first in the later games.
enum class LaterGamesFirst {
    Random = 0,
    Alternate = 1,  // the last game's second side
    KeepFirst = 2,  // the first game's first side
};

// The three match options, loaded from the settings store at start-up; the defaults are the
// options of a fresh store.
struct MatchOptions {
    FirstGameFirst firstGameFirst = FirstGameFirst::Random;
    LaterGamesFirst laterGamesFirst = LaterGamesFirst::Alternate;
    TerrainOption terrainSelect = TerrainOption::Off;
};

}  // namespace morvane
