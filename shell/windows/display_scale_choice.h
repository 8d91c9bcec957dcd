#pragma once

class QWidget;

namespace morvane {

class SettingsStore;

// The player chose a display scale (one of kDisplayScales) while the game runs: stores it, and
// draws every window at it at once, each window kept on its screen as it grows; or tells them,
// in the message dialog over parent, that it could not be stored, and keeps the scale in use.
void ChooseDisplayScale(QWidget* parent, SettingsStore& store, int percent);

}  // namespace morvane
