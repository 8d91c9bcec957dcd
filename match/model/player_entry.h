#pragma once

#include <QString>

#include "match/model/match_state.h"

namespace morvane {

class SettingsStore;

// The text a player kind is shown under: full-width (the battle screen's operation help) or
// half-width (under the players' pictures).
QString PlayerKindLabel(PlayerKind kind, bool wide);

// The mark of side ○ (0) or side × (1), as texts name the sides.
QString SideMark(int side);

// The player picture 1..10 of a side: 1 mouse, 2 keyboard, 3 computer, 4 eye, 9 crowned eye
// (Master) for side × (1); 5..8 and 10 the same subjects mirrored for side ○ (0).
int PlayerPicture(int side, PlayerKind kind);

// Whether the pictures say that a side is played by one of the strongest computers ("[ⅲ]" or
// the searching Master), which the battle screen marks with its red background.
bool StrongestPlays(const Players& players);

// The strength the computer sides of these kinds play at: side ×'s when it is a computer, else
// side ○'s, as choosing both in the entry leaves it; level when people play both sides.
ComputerLevel PlayingLevel(const std::array<PlayerKind, 2>& kinds, ComputerLevel level);

// Both sides played by these kinds, without the entry: their pictures, and the computer strength
// when a computer plays. Nothing is stored.
void SetPlayers(AppState& state, const std::array<PlayerKind, 2>& kinds);
// Applies the entry list's choice of a side: its kind and picture in the state, the computer
// strength when the kind is a computer (a person leaves it as it was), and the stored choice
// (a network side is never stored). Returns whether the choice reached the store.
bool ChoosePlayer(AppState& state, SettingsStore& store, int side, PlayerKind kind);

}  // namespace morvane
