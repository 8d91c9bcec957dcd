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
    // A person at another machine, whose moves arrive over the network. The entry lists it last,
    // and only where a network game can be set up; neither the store nor a game file keeps it,
    // since each network game needs a connection of its own.
    Network = 7,
};
// The kinds the entry always lists, the store keeps and a game file names: all but Network.
inline constexpr int kPlayerKindCount = static_cast<int>(PlayerKind::MasterComputer) + 1;

constexpr bool IsComputer(PlayerKind kind) {
    return kind >= PlayerKind::EasyComputer && kind <= PlayerKind::MasterComputer;
}
// A person at this machine, with the mouse or the keyboard.
constexpr bool IsLocalPerson(PlayerKind kind) {
    return kind == PlayerKind::Mouse || kind == PlayerKind::Keyboard;
}

// The kinds of side ○ (0) and side × (1) until the player picks others: Mouse against [NORMAL].
inline constexpr std::array<PlayerKind, 2> kFirstPlayerKinds{PlayerKind::Mouse,
                                                             PlayerKind::NormalComputer};

}  // namespace morvane
