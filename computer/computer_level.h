#pragma once

#include <cassert>

namespace morvane {

// The strength of every computer-played side, in the order of the player entry's computer
// entries: [ＥＡＳＹ], [ＮＯＲＭＡＬ], [ＨＡＲＤ], [ⅲ].
enum class ComputerLevel { Easy = 0, Normal = 1, Hard = 2, Expert = 3 };

// The last level of that order.
inline constexpr ComputerLevel kHighestComputerLevel = ComputerLevel::Expert;

// The level of a strength index 0..3 as the match state holds it.
constexpr ComputerLevel ComputerLevelFromIndex(int index) {
    assert(index >= 0 && index <= static_cast<int>(kHighestComputerLevel));
    return static_cast<ComputerLevel>(index);
}

}  // namespace morvane
