#pragma once

#include <array>

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
inline constexpr int kPlayerKindCount = static_cast<int>(PlayerKind::MasterComputer) + 1;

constexpr bool IsComputer(PlayerKind kind) { return kind >= PlayerKind::EasyComputer; }

// The kinds of side ○ (0) and side × (1) until the player picks others: Mouse against [NORMAL].
inline constexpr std::array<PlayerKind, 2> kFirstPlayerKinds{PlayerKind::Mouse,
                                                             PlayerKind::NormalComputer};

}  // namespace morvane
