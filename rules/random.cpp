#include "rules/random.h"

#include <chrono>
#include <random>

namespace morvane {
namespace {

// SplitMix64: one 64-bit state advanced by a constant per draw and mixed on output, so that a
// state nudged by the clock still yields well-spread, independent values.
constexpr std::uint64_t kGoldenGamma = 0x9E3779B97F4A7C15ULL;

std::uint64_t Mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint64_t ClockNow() {
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

struct Generator {
    std::uint64_t state;
    bool deterministic = false;

    Generator() {
        std::random_device device;
        state = (static_cast<std::uint64_t>(device()) << 32) ^ device() ^ ClockNow();
    }

    std::uint64_t Next() {
        state += kGoldenGamma;
        if (!deterministic) {
            state += ClockNow();
        }
        return Mix(state);
    }
};

Generator& TheGenerator() {
    static Generator generator;
    return generator;
}

}  // namespace

int RandomUpTo(int n) {
    if (n < 1) {
        return 0;
    }
    // u uniform in [0, 1) from the top 53 bits; the result is floor(u * (n + 1)).
    const double u = static_cast<double>(TheGenerator().Next() >> 11) * 0x1.0p-53;
    const int value = static_cast<int>(u * (n + 1));
    return value > n ? n : value;
}

void SeedRandomForTesting(std::uint64_t seed) {
    Generator& generator = TheGenerator();
    generator.state = seed;
    generator.deterministic = true;
}

}  // namespace morvane
