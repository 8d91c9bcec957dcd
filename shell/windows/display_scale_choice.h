#pragma once

#include <QString>

class QWidget;

namespace morvane {

class SettingsStore;

// The player chose a display scale (one of kDisplayScales) while the game runs: stores it and
// tells them, in the message dialog over parent, that it takes effect from the next start (Qt
// scales windows by a factor fixed when the program starts), or that it could not be stored.
void ChooseDisplayScale(QWidget* parent, SettingsStore& store, int percent);

// What the player is told once a chosen display scale is stored.
QString NextStartNotice();

}  // namespace morvane
