#include "shell/settings/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstring>
#include <memory>

#include "shell/settings/settings_keys.h"
#include "shell/settings/settings_store.h"

namespace morvane {
namespace {

const QString kEnglishTranslation = QStringLiteral(":/i18n/morvane_en.qm");

Language current = Language::Japanese;

// The installed English translation; none while the interface is Japanese.
std::unique_ptr<QTranslator>& InstalledTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

// Qt's own texts (the file dialogs' labels and buttons, an edit field's context menu) in
// Japanese while the interface is; none in English, which is what Qt speaks without one. Qt's
// translations are a separate package: without it they stay English, and nothing else changes.
std::unique_ptr<QTranslator>& QtTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

void UseQtTranslation(Language language) {
    std::unique_ptr<QTranslator>& installed = QtTranslator();
    if (installed) {
        QCoreApplication::removeTranslator(installed.get());
        installed.reset();
    }
    if (language != Language::Japanese) {
        return;
    }
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(QStringLiteral("qtbase_ja"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(translator.get())) {
        installed = std::move(translator);
    }
}

// The part of a locale name before the first of the given characters: a locale is named
// language[_territory][.codeset][@modifier], and C.UTF-8 is C.
QByteArray BeforeAny(const QByteArray& text, const char* ends) {
    qsizetype length = 0;
    while (length < text.size() && std::strchr(ends, text[length]) == nullptr) {
        ++length;
    }
    return text.first(length);
}

}  // namespace

QString LanguageCode(Language language) {
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("ja");
}

std::optional<Language> LanguageOfCode(const QString& code) {
    for (const Language language : kLanguages) {
        if (code == LanguageCode(language)) {
            return language;
        }
    }
    return std::nullopt;
}

Language ReadLanguage(const SettingsStore& store) {
    return LanguageOfCode(store.Read(settings::InterfaceLanguage())).value_or(Language::Japanese);
}

Language DesktopLanguage(const QByteArray& lcAll, const QByteArray& lcMessages,
                         const QByteArray& lang) {
    for (const QByteArray* variable : {&lcAll, &lcMessages, &lang}) {
        if (variable->isEmpty()) {
            continue;
        }
        const QByteArray name = BeforeAny(*variable, ".@");
        const bool japanese = BeforeAny(name, "_") == "ja" || name == "C" || name == "POSIX";
        return japanese ? Language::Japanese : Language::English;
    }
    return Language::Japanese;
}

Language StartLanguage(const SettingsStore& store, bool firstStart) {
    if (!firstStart) {
        return ReadLanguage(store);
    }
    return DesktopLanguage(qgetenv("LC_ALL"), qgetenv("LC_MESSAGES"), qgetenv("LANG"));
}

bool UseLanguage(Language language) {
    std::unique_ptr<QTranslator>& installed = InstalledTranslator();
    if (installed) {
        QCoreApplication::removeTranslator(installed.get());
        installed.reset();
    }
    current = Language::Japanese;
    UseQtTranslation(language);
    if (language == Language::Japanese) {
        return true;
    }
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(kEnglishTranslation) ||
        !QCoreApplication::installTranslator(translator.get())) {
        return false;
    }
    installed = std::move(translator);
    current = language;
    return true;
}

Language CurrentLanguage() { return current; }

QString InterfaceNumber(int number) {
    QString digits = QString::number(number);
    if (current == Language::Japanese) {
        for (QChar& digit : digits) {
            if (digit.isDigit()) {
                digit = QChar(u'０' + (digit.unicode() - u'0'));
            }
        }
    }
    return digits;
}

}  // namespace morvane
