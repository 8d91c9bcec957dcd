#pragma once

#include <QByteArray>
#include <array>

namespace morvane {

class SettingsStore;

// The display scales the player can choose, in percent of the windows' own size; the first is
// the own size.
inline constexpr std::array<int, 4> kDisplayScales{100, 125, 150, 200};

bool IsDisplayScale(int percent);

// The stored display scale; anything but one of kDisplayScales reads as 100.
int ReadDisplayScale(const SettingsStore& store);

// The display scale as the factor Qt scales every window by (QT_SCALE_FACTOR): 150 is "1.5".
QByteArray ScaleFactorText(int percent);

}  // namespace morvane
