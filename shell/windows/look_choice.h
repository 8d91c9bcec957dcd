#pragma once

#include "shell/settings/look_setting.h"

class QWidget;

namespace morvane {

class SettingsStore;

// The player chose a look while the game runs: stores it, and draws every window in it at once;
// or tells them, in the message dialog over parent, that it could not be stored, and keeps the
// look in use.
void ChooseLook(QWidget* parent, SettingsStore& store, Look look);

// The look to start in: the one the player chose; while they have not chosen one, high contrast
// when the desktop asks for more contrast (DesktopAsksHighContrast), else the standard look.
Look StartLook(const SettingsStore& store);

}  // namespace morvane
