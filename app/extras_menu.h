#pragma once

#include <QList>
#include <QMenu>
#include <functional>

#include "shell/settings/language.h"

namespace morvane {

// What the extras menu's entries do; each opens its window over the title window.
struct ExtrasActions {
    std::function<void()> openRecord;
    std::function<void()> openKeys;
    // The display scale's submenu, shown when both are given: the stored percent, and what
    // choosing one does.
    std::function<int()> currentScale;
    std::function<void(int percent)> chooseScale;
    // The language's submenu, shown when both are given: the language in use, and what choosing
    // one does.
    std::function<Language()> currentLanguage;
    std::function<void(Language language)> chooseLanguage;
};

// `ExtrasMenu`: the title window's menu of player aids beside the six items, in the game's
// look. Its entries are listed in one place, the constructor.
class ExtrasMenu : public QMenu {
    Q_OBJECT

public:
    ExtrasMenu(const ExtrasActions& actions, QWidget* title);

private:
    // One entry of a submenu of choices: its objectName, its text and what choosing it does.
    struct Choice {
        QString name;
        QString text;
        std::function<void()> choose;
    };

    void AddDisplayScales(const std::function<int()>& current,
                          const std::function<void(int percent)>& choose);
    void AddLanguages(const std::function<Language()>& current,
                      const std::function<void(Language language)>& choose);
    // Adds a submenu of choices, the one whose objectName current() gives checked each time the
    // submenu opens.
    void AddChoices(const QString& name, const QString& text, const QList<Choice>& choices,
                    std::function<QString()> current);
    // Adds an entry at the end: its objectName, its text and what choosing it does (once the
    // menu has closed).
    void AddEntry(const QString& name, const QString& text, std::function<void()> choose);
};

}  // namespace morvane
