#pragma once

#include <bit>
#include <cstdint>

namespace morvane {

// Population counts for the searches' bit boards. Debian's amd64 baseline has no POPCNT
// instruction, so std::popcount there becomes a library call per count; a search picks one of
// these two policies once, at run time, and counts without a call.

// The processor's own instruction; use only where HasHardwareBitCount() is true.
struct HardwareBitCount {
    static int Count(std::uint64_t bits) {
#if defined(__x86_64__)
        std::uint64_t count = 0;
        asm("popcntq %1, %0" : "=r"(count) : "rm"(bits));
        return static_cast<int>(count);
#else
        return std::popcount(bits);
#endif
    }
};

// Parallel sums of bit fields: a dozen plain instructions on any processor.
struct PortableBitCount {
    static int Count(std::uint64_t bits) {
        bits -= (bits >> 1) & 0x5555555555555555ULL;
        bits = (bits & 0x3333333333333333ULL) + ((bits >> 2) & 0x3333333333333333ULL);
        bits = (bits + (bits >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
        return static_cast<int>((bits * 0x0101010101010101ULL) >> 56);
    }
};

// Whether this processor has the POPCNT instruction.
inline bool HasHardwareBitCount() {
#if defined(__x86_64__)
    static const bool has = __builtin_cpu_supports("popcnt");
    return has;
#else
    return true;
#endif
}

}  // namespace morvane
