#pragma once

namespace morvane {

// The match option "地形選択": whether a terrain layout is chosen before every game. Stored as
// 0 for on and 1 for off.
enum class TerrainOption { On = 0, Off = 1 };

// The option of its stored value: 0 is on, any other value off.
constexpr TerrainOption TerrainOptionFromIndex(int index) {
    return index == 0 ? TerrainOption::On : TerrainOption::Off;
}

}  // namespace morvane
