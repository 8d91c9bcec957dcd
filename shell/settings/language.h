#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "assets/language.h"

namespace morvane {

class SettingsStore;

// "ja" or "en": how a language is stored and named on the command line.
QString LanguageCode(Language language);
std::optional<Language> LanguageOfCode(const QString& code);

// The stored language; Japanese when none is stored or the stored one is unknown.
Language ReadLanguage(const SettingsStore& store);

// The language a desktop's locale variables ask for: the first of LC_ALL, LC_MESSAGES and LANG
// that is set names it. Japanese for a Japanese locale, for C and POSIX (what a machine without
// a chosen language has) and when none is set; English for any other.
Language DesktopLanguage(const QByteArray& lcAll, const QByteArray& lcMessages,
                         const QByteArray& lang);

// The language to start in: the stored one, except on the very first start (no settings file
// yet), which follows the desktop's locale.
Language StartLanguage(const SettingsStore& store, bool firstStart);

// Every text the program translates from now on is in this language; windows already open keep
// theirs. False, with the interface left in Japanese, when the English translation cannot be
// loaded.
bool UseLanguage(Language language);
Language CurrentLanguage();

// A number as the interface writes it: with full-width digits among the Japanese texts ("１２"),
// with ordinary ones among the English.
QString InterfaceNumber(int number);

}  // namespace morvane
