#pragma once

#include <QString>
#include <optional>

#include "assets/language.h"

namespace morvane {

class SettingsStore;

// "ja" or "en": how a language is stored and named on the command line.
QString LanguageCode(Language language);
std::optional<Language> LanguageOfCode(const QString& code);

// The stored language; Japanese when none is stored or the stored one is unknown, whatever the
// desktop's own language.
Language ReadLanguage(const SettingsStore& store);

// Every text the program translates from now on is in this language; windows already open keep
// theirs. False, with the interface left in Japanese, when the English translation cannot be
// loaded.
bool UseLanguage(Language language);
Language CurrentLanguage();

// A number as the interface writes it: with full-width digits among the Japanese texts ("１２"),
// with ordinary ones among the English.
QString InterfaceNumber(int number);

}  // namespace morvane
