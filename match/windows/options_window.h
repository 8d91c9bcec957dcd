#pragma once

#include <QDialog>

#include "match/model/match_state.h"

namespace morvane {

class SettingsStore;

// The match options "Form4": who moves first in the first game and in later games, and whether
// terrain is chosen before each game. Every choice the player makes is written at once to the
// store and to the program's options; opening and closing the window stores nothing.
class OptionsWindow : public QDialog {
    Q_OBJECT

public:
    OptionsWindow(AppState& state, SettingsStore& store, QWidget* parent = nullptr);
};

}  // namespace morvane
