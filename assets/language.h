#pragma once

#include <array>

namespace morvane {

// The languages of the interface. Japanese is the game's own: its texts are written in the code
// as they are shown. English comes from the translation built into the program.
enum class Language { Japanese, English };

inline constexpr std::array<Language, 2> kLanguages{Language::Japanese, Language::English};

}  // namespace morvane
