#include "match/model/stored_options.h"

namespace morvane {

MatchOptions LoadMatchOptions(const SettingsStore& store) {
    MatchOptions options;
    options.firstGameFirst = static_cast<FirstGameFirst>(store.Read(settings::FirstGameFirst()));
    options.laterGamesFirst = static_cast<LaterGamesFirst>(store.Read(settings::LaterGamesFirst()));
    options.terrainSelect = TerrainOptionFromIndex(store.Read(settings::TerrainSelect()));
    return options;
}

int ListPosition(FirstGameFirst option) { return static_cast<int>(option); }
int ListPosition(LaterGamesFirst option) { return static_cast<int>(option); }
int ListPosition(PlayerKind kind) { return static_cast<int>(kind); }
int ListPosition(TerrainOption option) { return static_cast<int>(option); }
PlayerKind PlayerKindAt(int position) { return static_cast<PlayerKind>(position); }

bool ChooseFirstGameFirst(AppState& state, SettingsStore& store, int position) {
    state.options.firstGameFirst = static_cast<FirstGameFirst>(position);
    return store.Write(settings::FirstGameFirst(), position);
}

bool ChooseLaterGamesFirst(AppState& state, SettingsStore& store, int position) {
    state.options.laterGamesFirst = static_cast<LaterGamesFirst>(position);
    return store.Write(settings::LaterGamesFirst(), position);
}

bool ChooseTerrainSelect(AppState& state, SettingsStore& store, int position) {
    state.options.terrainSelect = TerrainOptionFromIndex(position);
    return store.Write(settings::TerrainSelect(), position);
}

PlayerKind LoadPlayerKind(const SettingsStore& store, int side) {
    return PlayerKindAt(store.Read(settings::PlayerKind(side)));
}

bool StorePlayerKind(SettingsStore& store, int side, PlayerKind kind) {
    return store.Write(settings::PlayerKind(side), ListPosition(kind));
}

}  // namespace morvane
