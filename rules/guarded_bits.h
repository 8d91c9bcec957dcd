#pragma once

#include <array>
#include <bit>
#include <cstdint>

// A board of Columns × Rows cells as bit sets: one bit per cell, rows of Columns + 1 bits (the
// cells and a guard bit that is always clear), top row first. A shift along a row or a diagonal
// that would wrap around the board's edge lands on a guard bit instead of a cell of the next
// row, so lines are found with shifts. Ascending bits are ascending cells; the cell below a bit
// is one row stride higher. Both games' computers search on this layout.
namespace morvane::guarded {

using Bits = unsigned __int128;

constexpr Bits One(int bit) { return static_cast<Bits>(1) << bit; }
constexpr bool Has(Bits bits, int bit) { return ((bits >> bit) & 1) != 0; }

// More than one bit set.
constexpr bool Several(Bits bits) { return (bits & (bits - 1)) != 0; }

// The lowest set bit; bits must not be 0.
inline int LowestBit(Bits bits) {
    const auto low = static_cast<std::uint64_t>(bits);
    return low != 0 ? std::countr_zero(low)
                    : 64 + std::countr_zero(static_cast<std::uint64_t>(bits >> 64));
}

// BitCount is a policy of rules/bit_count.h.
template <typename BitCount>
int CountBits(Bits bits) {
    return BitCount::Count(static_cast<std::uint64_t>(bits)) +
           BitCount::Count(static_cast<std::uint64_t>(bits >> 64));
}

template <int Columns>
inline constexpr int kRowStride = Columns + 1;

template <int Columns, int Rows>
inline constexpr int kBitCount = Rows* kRowStride<Columns>;

template <int Columns>
constexpr int BitOfCell(int cell) {
    return cell / Columns * kRowStride<Columns> + cell % Columns;
}

// The cell of every bit; -1 for the guard bits.
template <int Columns, int Rows>
inline constexpr std::array<std::int16_t, kBitCount<Columns, Rows>> kCellOfBit = [] {
    static_assert(kBitCount<Columns, Rows> <= 128);
    std::array<std::int16_t, kBitCount<Columns, Rows>> table{};
    table.fill(-1);
    for (int cell = 0; cell < Columns * Rows; ++cell) {
        table[static_cast<std::size_t>(BitOfCell<Columns>(cell))] = static_cast<std::int16_t>(cell);
    }
    return table;
}();

template <int Columns, int Rows>
inline constexpr Bits kBoardMask = [] {
    Bits mask = 0;
    for (int cell = 0; cell < Columns * Rows; ++cell) {
        mask |= One(BitOfCell<Columns>(cell));
    }
    return mask;
}();

template <int Columns, int Rows>
inline constexpr Bits kBottomRow = [] {
    Bits mask = 0;
    for (int cell = (Rows - 1) * Columns; cell < Columns * Rows; ++cell) {
        mask |= One(BitOfCell<Columns>(cell));
    }
    return mask;
}();

// Steps between neighbours: along a row, down a column, down-left, down-right.
template <int Columns>
inline constexpr std::array<int, 4> kLineSteps = {1, kRowStride<Columns>, kRowStride<Columns> - 1,
                                                  kRowStride<Columns> + 1};

// The positions that would complete a run of four or more for a side holding units, in any
// unsigned word laid out in rows of Columns + 1 bits: for every axis, a position with three of
// its own units on one side, or two on one side and one on the other. The result may include
// occupied cells and positions off the board.
template <int Columns, typename Word>
constexpr Word CompletingPositions(Word units) {
    Word cells = 0;
    for (const int step : kLineSteps<Columns>) {
        const Word before1 = units << step;
        const Word before2 = units << (2 * step);
        const Word after1 = units >> step;
        const Word after2 = units >> (2 * step);
        cells |= (before1 & before2 & ((units << (3 * step)) | after1)) |
                 (after1 & after2 & ((units >> (3 * step)) | before1));
    }
    return cells;
}

// The cells that would complete a run of four or more for a side holding units. The result may
// include occupied cells; callers mask it with the open cells.
template <int Columns, int Rows>
constexpr Bits WinningCells(Bits units) {
    return CompletingPositions<Columns>(units) & kBoardMask<Columns, Rows>;
}

// WinningCells(units | One(bit)), given wins = WinningCells(units). A new winning cell lies on a
// line through bit, within three steps of it on every axis, so it is found in a 64-bit slice of
// the board centred on bit (three rows and three cells either side), where the shifts are
// cheaper than on the whole board. Cells outside the slice read as empty there, which can only
// hide winning cells, never invent one; those away from bit are already in wins.
template <int Columns, int Rows>
constexpr Bits WinningCellsWith(Bits units, Bits wins, int bit) {
    constexpr int kCentre = 3 * kRowStride<Columns> + 3;
    static_assert(2 * kCentre < 64);
    const Bits slice = bit >= kCentre ? units >> (bit - kCentre) : units << (kCentre - bit);
    const std::uint64_t local = static_cast<std::uint64_t>(slice) | (std::uint64_t{1} << kCentre);
    const Bits found = CompletingPositions<Columns>(local);
    const Bits placed = bit >= kCentre ? found << (bit - kCentre) : found >> (kCentre - bit);
    return wins | (placed & kBoardMask<Columns, Rows>);
}

// Whether the units hold a run of four or more on some axis.
template <int Columns>
constexpr bool HasLine(Bits units) {
    for (const int step : kLineSteps<Columns>) {
        const Bits pairs = units & (units >> step);
        if ((pairs & (pairs >> (2 * step))) != 0) {
            return true;
        }
    }
    return false;
}

}  // namespace morvane::guarded
