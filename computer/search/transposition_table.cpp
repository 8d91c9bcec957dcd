#include "computer/search/transposition_table.h"

#include <cstdlib>
#include <new>

namespace morvane::search {

// calloc takes a block this large straight from the system as zero pages, so the table is ready
// at once and a small search touches only the few pages it uses.
TranspositionTable::Slots TranspositionTable::ZeroedSlots() {
    Slots slots(static_cast<TableEntry*>(std::calloc(kSlotCount, sizeof(TableEntry))));
    if (!slots) {
        throw std::bad_alloc();
    }
    return slots;
}

TranspositionTable::TranspositionTable() : slots_(ZeroedSlots()) {}

void TranspositionTable::NewSearch() {
    if (++search_ == 0) {
        // The search number wrapped: old entries would look current again.
        slots_.reset();
        slots_ = ZeroedSlots();
        search_ = 1;
    }
}

}  // namespace morvane::search
