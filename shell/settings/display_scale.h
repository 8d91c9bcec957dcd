#pragma once

#include <array>

namespace morvane {

class SettingsStore;

// The display scales the player can choose, in percent of the windows' own size; the first is
// the own size.
inline constexpr std::array<int, 4> kDisplayScales{100, 125, 150, 200};

bool IsDisplayScale(int percent);

// The stored display scale; anything but one of kDisplayScales reads as 100.
int ReadDisplayScale(const SettingsStore& store);

}  // namespace morvane
