#include "shell/settings/view_toggles.h"

#include "shell/settings/settings_store.h"

namespace morvane {

bool ReadViewToggle(const SettingsStore& store, ViewToggle toggle) {
    return store.Read(settings::ViewAid(toggle)) != 0;
}

bool WriteViewToggle(SettingsStore& store, ViewToggle toggle, bool on) {
    return store.Write(settings::ViewAid(toggle), on ? 1 : 0);
}

}  // namespace morvane
