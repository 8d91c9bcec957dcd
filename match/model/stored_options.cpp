#include "match/model/stored_options.h"

namespace morvane {

MatchOptions LoadMatchOptions(const SettingsStore& store) {
    MatchOptions options;
    options.firstGameFirst = store.Read(settings::FirstGameFirst());
    options.laterGamesFirst = store.Read(settings::LaterGamesFirst());
    options.terrainSelect = store.Read(settings::TerrainSelect());
    return options;
}

}  // namespace morvane
