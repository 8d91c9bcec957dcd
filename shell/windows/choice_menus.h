#pragma once

#include <QString>
#include <functional>

#include "shell/settings/language.h"
#include "shell/settings/look_setting.h"

class QMenu;

namespace morvane {

// Adds to menu the display scale's submenu, one entry for each of kDisplayScales: current()
// gives the stored percent, checked each time the submenu opens; choose() is what choosing does.
// Each time it opens, a scale whose windows would not fit the screen is greyed, with a tip
// saying so.
QMenu* AddDisplayScaleMenu(QMenu* menu, std::function<int()> current,
                           const std::function<void(int percent)>& choose);

// Adds to menu the language's submenu, Japanese and English: current() gives the language in use,
// checked each time the submenu opens; choose() is what choosing does.
QMenu* AddLanguageMenu(QMenu* menu, std::function<Language()> current,
                       const std::function<void(Language language)>& choose);

// Adds to menu the look's submenu, one entry for each of kLooks: current() gives the look in use,
// checked each time the submenu opens; choose() is what choosing does.
QMenu* AddLookMenu(QMenu* menu, std::function<Look()> current,
                   const std::function<void(Look look)>& choose);

// The submenus' titles, in the interface's language.
QString DisplayScaleMenuTitle();
QString LanguageMenuTitle();
QString LookMenuTitle();

// The tip of a display scale whose windows would not fit the screen.
QString ScaleTooLargeTip();

}  // namespace morvane
