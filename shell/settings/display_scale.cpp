#include "shell/settings/display_scale.h"

#include <algorithm>

#include "shell/settings/settings_store.h"

namespace morvane {

bool IsDisplayScale(int percent) {
    return std::find(kDisplayScales.begin(), kDisplayScales.end(), percent) != kDisplayScales.end();
}

int ReadDisplayScale(const SettingsStore& store) {
    const int stored = store.Read(settings::DisplayScale());
    return IsDisplayScale(stored) ? stored : kDisplayScales.front();
}

}  // namespace morvane
