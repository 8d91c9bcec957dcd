#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "rules/yield_hook.h"

namespace morvane::search {

// What a stored score says about the position's value.
enum class Bound : std::uint8_t { Exact, Lower, Upper };

inline constexpr std::uint8_t kNoMove = 0xFF;

struct TableEntry {
    std::uint64_t key = 0;
    std::int16_t score = 0;
    std::uint8_t depth = 0;
    Bound bound = Bound::Exact;
    std::uint8_t move = kNoMove;  // the best bit found, or kNoMove
    std::uint8_t search = 0;      // the search that stored it; 0 is never a search's number
};
static_assert(sizeof(TableEntry) == 16);

// A fixed-size table of searched positions, one entry per slot, the newest result replacing the
// old. Each search sees only its own entries, so a search never depends on the ones before it.
class TranspositionTable {
public:
    static constexpr int kSlotBits = 20;  // 16 MiB

    TranspositionTable();

    // Forgets every entry, cheaply: entries of earlier searches are ignored. The slots are
    // cleared only before the first search and when the search number wraps round, a few
    // thousand at a time (each a step for yield). False when yield asked to abandon; the next
    // call goes on with the clearing. The table may be read only after a call answered true.
    bool NewSearch(const YieldHook& yield);

    // The entry of the position with this key stored by the current search, or nullptr.
    const TableEntry* Find(std::uint64_t key) const {
        const TableEntry& entry = slots_[Slot(key)];
        return entry.key == key && entry.search == search_ ? &entry : nullptr;
    }

    // Starts loading the key's slot into the cache, to be read a little later.
    void Prefetch(std::uint64_t key) const { __builtin_prefetch(&slots_[Slot(key)]); }

    void Store(std::uint64_t key, int score, int depth, Bound bound, int move) {
        slots_[Slot(key)] =
            TableEntry{key,   static_cast<std::int16_t>(score), static_cast<std::uint8_t>(depth),
                       bound, static_cast<std::uint8_t>(move),  search_};
    }

private:
    static constexpr std::size_t kSlotCount = std::size_t{1} << kSlotBits;
    static constexpr std::size_t kSlotsPerYield = 4096;
    static constexpr std::uint64_t kSlotMask = kSlotCount - 1;
    static std::size_t Slot(std::uint64_t key) { return static_cast<std::size_t>(key & kSlotMask); }

    struct FreeSlots {
        void operator()(TableEntry* entries) const { std::free(entries); }
    };

    std::unique_ptr<TableEntry[], FreeSlots> slots_;
    std::size_t clearedSlots_ = 0;  // slots from the first that hold an entry or are empty
    std::uint8_t search_ = 0;
};

}  // namespace morvane::search
