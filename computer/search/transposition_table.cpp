#include "computer/search/transposition_table.h"

#include <algorithm>
#include <cstdlib>
#include <new>

namespace morvane::search {

// The slots are left unwritten here: NewSearch clears them a part at a time, yielding between
// parts, because writing 16 MiB at once (and, on a fresh table, taking the system's 4,096 page
// faults) can keep a window waiting far longer than one frame.
TranspositionTable::TranspositionTable()
    : slots_(static_cast<TableEntry*>(std::malloc(kSlotCount * sizeof(TableEntry)))) {
    if (!slots_) {
        throw std::bad_alloc();
    }
}

bool TranspositionTable::NewSearch(const YieldHook& yield) {
    if (++search_ == 0) {
        // The search number wrapped: old entries would look current again.
        search_ = 1;
        clearedSlots_ = 0;
    }
    while (clearedSlots_ < kSlotCount) {
        const std::size_t part = std::min(kSlotsPerYield, kSlotCount - clearedSlots_);
        std::fill_n(slots_.get() + clearedSlots_, part, TableEntry{});
        clearedSlots_ += part;
        if (!yield.Steps(static_cast<int>(part))) {
            return false;
        }
    }
    return true;
}

}  // namespace morvane::search
