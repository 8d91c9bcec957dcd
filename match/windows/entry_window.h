#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "match/model/match_state.h"

class QComboBox;
class QLabel;

namespace morvane {

class SettingsStore;

// What the player entry offers of network play.
struct EntryNetwork {
    bool offered = false;
    std::optional<int> presetSide;  // the side that opens as Network
};

// The player entry "Form2": who plays side ○ and side ×. Opening applies both stored choices,
// side ○ first, so the players, the computer strength and the pictures are set even when the
// user confirms at once. Every choice is applied and stored as it is made. Where a network game
// can be set up the lists end with "Ｎｅｔｗｏｒｋ", which one side at most plays: choosing it
// for one side gives the other back to the mouse when it was Network too. The players chosen
// are read from the window once it has closed; the state it opened from stays as it was.
class EntryWindow : public QDialog {
    Q_OBJECT

public:
    EntryWindow(const AppState& state, SettingsStore& store, QWidget* parent = nullptr,
                EntryNetwork network = {});

    // The players chosen and the strength of every computer side.
    const Players& players() const { return chosen_.players; }
    ComputerLevel level() const { return chosen_.computerLevel; }

private:
    // Applies the list's choice of a side; returns whether it was stored.
    bool Choose(int side);

    AppState chosen_;
    SettingsStore& store_;
    std::array<QComboBox*, 2> lists_{};
    std::array<QLabel*, 2> pictures_{};
};

}  // namespace morvane
