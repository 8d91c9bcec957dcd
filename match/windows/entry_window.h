#pragma once

#include <QDialog>
#include <array>

#include "match/model/match_state.h"

class QComboBox;
class QLabel;

namespace morvane {

class SettingsStore;

// The player entry "Form2": who plays side ○ and side ×. Opening applies both stored choices,
// side ○ first, so the players, the computer strength and the pictures are set even when the
// user confirms at once. Every choice is applied and stored as it is made.
class EntryWindow : public QDialog {
    Q_OBJECT

public:
    EntryWindow(AppState& state, SettingsStore& store, QWidget* parent = nullptr);

private:
    // Applies the list's choice of a side; returns whether it was stored.
    bool Choose(int side);

    AppState& state_;
    SettingsStore& store_;
    std::array<QComboBox*, 2> lists_{};
    std::array<QLabel*, 2> pictures_{};
};

}  // namespace morvane
