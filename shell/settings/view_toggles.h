#pragma once

#include <array>

namespace morvane {

class SettingsStore;

// The view's aids a player can turn off; each is on until the player says otherwise.
enum class ViewToggle {
    CellMarks,  // the ghost unit or muted frame over the cursor cell
    Motion,     // units dropping in, the winning line pulsing
    Sound,      // the game's short sounds
};

inline constexpr std::array<ViewToggle, 3> kViewToggles{ViewToggle::CellMarks, ViewToggle::Motion,
                                                        ViewToggle::Sound};

// Whether the aid is on as stored; on when nothing (or nothing valid) is stored.
bool ReadViewToggle(const SettingsStore& store, ViewToggle toggle);
// False when the store could not keep it.
bool WriteViewToggle(SettingsStore& store, ViewToggle toggle, bool on);

}  // namespace morvane
