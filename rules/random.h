#pragma once

#include <cstdint>

namespace morvane {

// The program's one random routine: a uniform integer from 0 to n inclusive (0 when n < 1).
// Draws are independent even when thousands are made within one clock tick.
int RandomUpTo(int n);

// Makes every later draw reproducible from the seed (tests); the clock is no longer mixed in.
void SeedRandomForTesting(std::uint64_t seed);

}  // namespace morvane
