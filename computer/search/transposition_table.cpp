#include "computer/search/transposition_table.h"

#include <sys/mman.h>

#include <new>

namespace morvane::search {
namespace {

constexpr std::size_t kTableBytes =
    (std::size_t{1} << TranspositionTable::kSlotBits) * sizeof(TableEntry);

}  // namespace

// The slots are mapped straight from the system, which hands out zero pages as they are first
// touched: the table is ready at once, and a small search pays only for the few pages it uses.
// (calloc would do the same only while the allocator chooses to map a block this large; after
// one is freed it may serve the next from its heap and clear all 16 MiB.)
TranspositionTable::Slots TranspositionTable::ZeroedSlots() {
    void* pages =
        mmap(nullptr, kTableBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (pages == MAP_FAILED) {
        throw std::bad_alloc();
    }
    // Large pages where the system offers them: a search reads slots all over the table, and
    // with small pages nearly every look-up also missed the address cache. A first touch then
    // zeroes 2 MiB instead of 4 KiB, still far below a millisecond. Only advice: without large
    // pages the table works the same.
    madvise(pages, kTableBytes, MADV_HUGEPAGE);
    return Slots(static_cast<TableEntry*>(pages));
}

void TranspositionTable::UnmapSlots::operator()(TableEntry* entries) const {
    munmap(entries, kTableBytes);
}

TranspositionTable::TranspositionTable() : slots_(ZeroedSlots()) {}

void TranspositionTable::NewSearch() {
    mask_ = (std::uint64_t{1} << kFirstSlotBits) - 1;
    if (++search_ == 0) {
        // The search number wrapped: old entries would look current again.
        slots_.reset();
        slots_ = ZeroedSlots();
        search_ = 1;
    }
}

}  // namespace morvane::search
