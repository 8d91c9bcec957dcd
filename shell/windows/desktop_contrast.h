#pragma once

#include <QVariant>

namespace morvane {

// Whether the desktop asks programs for more contrast. Qt 6.4 has no public call for it
// (QStyleHints::colorScheme came with Qt 6.5, QAccessibilityHints::contrastPreference with 6.10),
// and the game does not take the desktop's palette, so it asks the desktop's settings portal
// over D-Bus, through Qt's public D-Bus module: org.freedesktop.appearance's "contrast". False
// without a session bus or a portal that knows it, or when the portal does not answer within
// a quarter of a second.
bool DesktopAsksHighContrast();

// The portal's answer as the game reads it, however deeply D-Bus wrapped it in variants: 1 asks
// for more contrast, anything else (0, no preference) does not.
bool AsksHighContrast(const QVariant& contrast);

}  // namespace morvane
