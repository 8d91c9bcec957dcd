#include "shell/settings/look_setting.h"

#include "shell/settings/settings_keys.h"
#include "shell/settings/settings_store.h"

namespace morvane {

QString LookCode(Look look) {
    switch (look) {
        case Look::HighContrast:
            return QStringLiteral("high-contrast");
        case Look::Light:
            return QStringLiteral("light");
        case Look::Standard:
            break;
    }
    return QStringLiteral("standard");
}

std::optional<Look> LookOfCode(const QString& code) {
    for (const Look look : kLooks) {
        if (code == LookCode(look)) {
            return look;
        }
    }
    return std::nullopt;
}

std::optional<Look> ReadChosenLook(const SettingsStore& store) {
    const QString stored = store.Read(settings::ChosenLook());
    if (stored.isEmpty()) {
        return std::nullopt;
    }
    return LookOfCode(stored).value_or(Look::Standard);
}

}  // namespace morvane
