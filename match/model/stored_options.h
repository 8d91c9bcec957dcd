#pragma once

#include "match/model/match_state.h"
#include "shell/settings/settings_store.h"

namespace morvane {

// The three match options as stored (start-up reads them once).
MatchOptions LoadMatchOptions(const SettingsStore& store);

}  // namespace morvane
