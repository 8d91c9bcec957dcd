#pragma once

#include <QMenu>
#include <functional>

#include "shell/settings/language.h"
#include "shell/settings/look_setting.h"

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
    // Resume, shown when both are given: whether there is a kept game to go on with (the entry
    // is enabled only then), and going on with it.
    std::function<bool()> canResume;
    std::function<void()> resume;
    // Network games, shown when both are given: hosting one, and joining a host's.
    std::function<void()> hostGame;
    std::function<void()> joinGame;
    // The look's submenu, shown when both are given: the look in use, and what choosing one
    // does.
    std::function<Look()> currentLook;
    std::function<void(Look look)> chooseLook;
};

// `ExtrasMenu`: the title window's menu of player aids beside the six items, in the game's
// look. Its entries are listed in one place, the constructor.
class ExtrasMenu : public QMenu {
    Q_OBJECT

public:
    ExtrasMenu(const ExtrasActions& actions, QWidget* title);

private:
    // Adds an entry at the end: its objectName, its text and what choosing it does (once the
    // menu has closed).
    QAction* AddEntry(const QString& name, const QString& text, std::function<void()> choose);
};

}  // namespace morvane
