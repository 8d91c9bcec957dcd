#pragma once

#include <QString>
#include <optional>

namespace morvane {

class SettingsStore;

// The looks a player can choose for every window: the game's own night colours, a high-contrast
// look (bright text on black, bold frames, no picture behind text) and a light look for bright
// rooms.
enum class Look { Standard, HighContrast, Light };

inline constexpr Look kLooks[] = {Look::Standard, Look::HighContrast, Look::Light};

// How a look is stored: "standard", "high-contrast" or "light".
QString LookCode(Look look);
std::optional<Look> LookOfCode(const QString& code);

// The stored look: nothing while the player has not chosen one, the standard look for a value
// the program does not know.
std::optional<Look> ReadChosenLook(const SettingsStore& store);

}  // namespace morvane
