#include "shell/windows/language_choice.h"

#include "shell/settings/settings_log.h"
#include "shell/settings/settings_store.h"
#include "shell/windows/store_failure.h"

namespace morvane {

bool ChooseLanguage(QWidget* parent, SettingsStore& store, Language language) {
    // Another copy of the game may have stored another language since this one started: the
    // choice is stored when it differs from what is stored, not from what is shown.
    if (language != ReadLanguage(store) &&
        !TellIfNotStored(parent, store,
                         store.Write(settings::InterfaceLanguage(), LanguageCode(language)))) {
        return false;
    }
    if (language == CurrentLanguage()) {
        return false;
    }
    if (!UseLanguage(language)) {
        qCWarning(settingsLog) << "the English translation could not be loaded";
        return false;
    }
    qCDebug(settingsLog) << "language" << LanguageCode(language);
    return true;
}

}  // namespace morvane
