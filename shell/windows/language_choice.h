#pragma once

#include "shell/settings/language.h"

class QWidget;

namespace morvane {

class SettingsStore;

// The player chose a language while the game runs: stores it (telling them, in the message
// dialog over parent, when it could not be stored) and puts the interface in it. Returns whether
// the interface language changed; the windows then get a LanguageChange event, and every window
// opened from then on speaks it.
bool ChooseLanguage(QWidget* parent, SettingsStore& store, Language language);

}  // namespace morvane
