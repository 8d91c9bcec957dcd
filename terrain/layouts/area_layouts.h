#pragma once

#include <optional>
#include <string_view>

#include "rules/board.h"

namespace morvane {

// The area choices of the area select window, by their stored index.
enum AreaOption : int {
    HellArea = 0,
    HevenArea = 1,
    StoneArea = 2,
    InsecterArea = 3,
    MineArea = 4,
    WhirlpoolArea = 5,
    RandomArea = 6,
    OriginalArea = 7,
    NoArea = 8,
};
inline constexpr int kAreaOptionCount = 9;

// The user's own layouts, "Ｆｉｌｅ１" to "Ｆｉｌｅ３", drawn in the area editor.
inline constexpr int kUserFileCount = 3;

// The most ◇ or ■ draws of a random layout.
inline constexpr int kMaxRandomCount = 96;
// The ◇ and the ■ draws of a random layout until the user sets other counts.
inline constexpr int kDefaultRandomCount = 6;

// The `AreaString` of a built-in layout (Hell to Whirlpool, and the empty NoArea); nothing for
// RandomArea and OriginalArea, which have no fixed layout.
std::optional<std::u16string_view> FixedLayout(int option);

// A random layout: blockCount draws of a ■ cell, then hollowCount draws of a ◇ cell, each draw
// a column then a row from RandomUpTo. Draws may repeat a cell, and a ◇ replaces a ■.
Board MakeRandomLayout(int hollowCount, int blockCount);

}  // namespace morvane
