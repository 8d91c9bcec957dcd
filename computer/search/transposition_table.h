#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

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
    std::uint16_t search = 0;     // the search that stored it; 0 is never a search's number
};
static_assert(sizeof(TableEntry) == 16);

// A fixed-size table of searched positions, two slots for each key (the deepest result and the
// newest). Each search sees only its own entries, so a search never depends on the ones before it.
// The slots come zeroed from the system (untouched pages cost nothing until used) and are
// never cleared in a pass: an entry of another search is simply not found.
class TranspositionTable {
public:
    static constexpr int kSlotBits = 20;  // 16 MiB

    TranspositionTable();

    // Forgets every entry at once by starting a new search number, and narrows the slots in use
    // to the first few (kFirstSlotBits). When the numbers wrap round (once in 65,535 searches),
    // the slots are given back and taken again, zeroed.
    void NewSearch();

    // Widens the slots in use to about four per position the search has visited, up to all of
    // them: a small search keeps to a few pages (each fresh page costs the system's time), a
    // large one gets the whole table. Entries stored before keep their slot only when the new
    // key bit is 0; the others are simply not found again.
    void Fit(std::int64_t nodes) {
        while (mask_ < kSlotMask && static_cast<std::int64_t>(mask_) < nodes * kSlotsPerNode) {
            mask_ = mask_ * 2 + 1;
        }
    }

    // The entry of the position with this key stored by the current search, or nullptr.
    const TableEntry* Find(std::uint64_t key) const {
        const TableEntry* pair = Pair(key);
        for (int i = 0; i < 2; ++i) {
            if (pair[i].key == key && pair[i].search == search_) {
                return &pair[i];
            }
        }
        return nullptr;
    }

    // Starts loading the key's slots into the cache, to be read a little later.
    void Prefetch(std::uint64_t key) const { __builtin_prefetch(Pair(key)); }

    // Each key has a pair of slots: the first keeps the deepest result (the one that cost most
    // to find), the second the newest of the rest, so that a long solve's costly results are not
    // pushed out by the many small ones found after them.
    void Store(std::uint64_t key, int score, int depth, Bound bound, int move) {
        TableEntry* pair = Pair(key);
        const TableEntry entry{
            key,   static_cast<std::int16_t>(score), static_cast<std::uint8_t>(depth),
            bound, static_cast<std::uint8_t>(move),  search_};
        TableEntry& deepest = pair[0];
        if (deepest.search != search_ || deepest.key == key || depth >= deepest.depth) {
            if (deepest.search == search_ && deepest.key != key) {
                pair[1] = deepest;
            }
            deepest = entry;
        } else {
            pair[1] = entry;
        }
    }

private:
    static constexpr std::size_t kSlotCount = std::size_t{1} << kSlotBits;
    static constexpr std::uint64_t kSlotMask = kSlotCount - 1;
    static constexpr int kFirstSlotBits = 12;  // 64 KiB, 16 pages
    static constexpr std::int64_t kSlotsPerNode = 4;
    // The first slot of the key's pair.
    TableEntry* Pair(std::uint64_t key) const {
        return &slots_[static_cast<std::size_t>(key & mask_ & ~std::uint64_t{1})];
    }

    struct UnmapSlots {
        void operator()(TableEntry* entries) const;
    };
    using Slots = std::unique_ptr<TableEntry[], UnmapSlots>;
    static Slots ZeroedSlots();

    Slots slots_;
    std::uint16_t search_ = 0;
    std::uint64_t mask_ = (std::uint64_t{1} << kFirstSlotBits) - 1;  // the slots in use
};

}  // namespace morvane::search
