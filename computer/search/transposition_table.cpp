#include "computer/search/transposition_table.h"

#include <algorithm>

namespace morvane::search {

TranspositionTable::TranspositionTable()
    : slots_(std::make_unique<TableEntry[]>(std::size_t{1} << kSlotBits)) {}

void TranspositionTable::NewSearch() {
    if (++search_ == 0) {
        // The search number wrapped: old entries would look current again.
        std::fill_n(slots_.get(), std::size_t{1} << kSlotBits, TableEntry{});
        search_ = 1;
    }
}

}  // namespace morvane::search
