#include "shell/windows/look_choice.h"

#include "shell/settings/settings_keys.h"
#include "shell/settings/settings_log.h"
#include "shell/settings/settings_store.h"
#include "shell/windows/desktop_contrast.h"
#include "shell/windows/look.h"
#include "shell/windows/store_failure.h"

namespace morvane {

void ChooseLook(QWidget* parent, SettingsStore& store, Look look) {
    if (!TellIfNotStored(parent, store, store.Write(settings::ChosenLook(), LookCode(look)))) {
        return;
    }
    qCDebug(settingsLog) << "look" << LookCode(look);
    look::UseLook(look);
}

Look StartLook(const SettingsStore& store) {
    if (const std::optional<Look> chosen = ReadChosenLook(store)) {
        return *chosen;
    }
    return DesktopAsksHighContrast() ? Look::HighContrast : Look::Standard;
}

}  // namespace morvane
