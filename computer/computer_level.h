#pragma once

#include <cassert>

namespace morvane {

// The strength of every computer-played side, in the order of the player entry's computer
// entries: [ＥＡＳＹ], [ＮＯＲＭＡＬ], [ＨＡＲＤ], [ⅲ], and the searching [ＭＡＳＴＥＲ].
enum class ComputerLevel { Easy = 0, Normal = 1, Hard = 2, Expert = 3, Master = 4 };

// The last level of that order.
inline constexpr ComputerLevel kHighestComputerLevel = ComputerLevel::Master;

// The last of the strengths that decide by rules one move ahead; the levels above it search.
inline constexpr ComputerLevel kHighestRuleLevel = ComputerLevel::Expert;

// The level of a strength index 0..4 as the match state holds it.
constexpr ComputerLevel ComputerLevelFromIndex(int index) {
    assert(index >= 0 && index <= static_cast<int>(kHighestComputerLevel));
    return static_cast<ComputerLevel>(index);
}

}  // namespace morvane
