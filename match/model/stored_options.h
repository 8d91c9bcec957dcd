#pragma once

#include "match/model/match_state.h"
#include "shell/settings/settings_store.h"

namespace morvane {

// The one place where the match's choices meet their stored numbers. The settings store only
// hands out numbers within each entry's range, so every number read here names a choice.

// The three match options as stored (start-up reads them once).
MatchOptions LoadMatchOptions(const SettingsStore& store);

// A choice's position in its window's list, which is also its stored number.
int ListPosition(FirstGameFirst option);
int ListPosition(LaterGamesFirst option);
int ListPosition(PlayerKind kind);
int ListPosition(TerrainOption option);
PlayerKind PlayerKindAt(int position);

// Applies one option as the options window lists it (its position in the list) to the state
// and the store. Each returns whether the value reached the store.
bool ChooseFirstGameFirst(AppState& state, SettingsStore& store, int position);
bool ChooseLaterGamesFirst(AppState& state, SettingsStore& store, int position);
bool ChooseTerrainSelect(AppState& state, SettingsStore& store, int position);

// A side's player kind as the entry list last left it, and storing a new one.
PlayerKind LoadPlayerKind(const SettingsStore& store, int side);
// Returns whether the kind reached the store.
bool StorePlayerKind(SettingsStore& store, int side, PlayerKind kind);

}  // namespace morvane
