#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "rules/board.h"

// The main board as bit sets: one bit per cell, rows of 9 bits (8 cells and a guard bit that is
// always clear), row 1 first. A shift along a row or a diagonal that would wrap around the
// board's edge lands on a guard bit instead of a cell of the next row, so a line can be found
// with shifts. Ascending bits are ascending cells; the cell below a bit is 9 bits higher.
namespace morvane::search {

using Bits = unsigned __int128;

inline constexpr int kRowStride = kColumns + 1;
inline constexpr int kBitCount = kRows * kRowStride;
static_assert(kBitCount <= 128);

constexpr int BitOfCell(int cell) { return cell / kColumns * kRowStride + cell % kColumns; }
constexpr Bits One(int bit) { return static_cast<Bits>(1) << bit; }
constexpr bool Has(Bits bits, int bit) { return ((bits >> bit) & 1) != 0; }

inline constexpr std::array<std::int16_t, kBitCount> kCellOfBit = [] {
    std::array<std::int16_t, kBitCount> table{};
    table.fill(-1);
    for (int cell = 0; cell < kCellCount; ++cell) {
        table[static_cast<std::size_t>(BitOfCell(cell))] = static_cast<std::int16_t>(cell);
    }
    return table;
}();

inline constexpr Bits kBoardMask = [] {
    Bits mask = 0;
    for (int cell = 0; cell < kCellCount; ++cell) {
        mask |= One(BitOfCell(cell));
    }
    return mask;
}();

inline constexpr Bits kBottomRow = [] {
    Bits mask = 0;
    for (int x = 1; x <= kColumns; ++x) {
        mask |= One(BitOfCell(CellIndex(x, kRows)));
    }
    return mask;
}();

// The lowest set bit; bits must not be 0.
inline int LowestBit(Bits bits) {
    const auto low = static_cast<std::uint64_t>(bits);
    return low != 0 ? std::countr_zero(low)
                    : 64 + std::countr_zero(static_cast<std::uint64_t>(bits >> 64));
}

template <typename BitCount>
int CountBits(Bits bits) {
    return BitCount::Count(static_cast<std::uint64_t>(bits)) +
           BitCount::Count(static_cast<std::uint64_t>(bits >> 64));
}

// More than one bit set.
constexpr bool Several(Bits bits) { return (bits & (bits - 1)) != 0; }

// Steps between neighbours: along a row, down a column, down-left, down-right.
inline constexpr std::array<int, 4> kLineSteps = {1, kRowStride, kRowStride - 1, kRowStride + 1};

// The cells that would complete a run of four or more for a side holding units: for every
// axis, a cell with three of its own units on one side, or two on one side and one on the
// other. The result may include occupied cells; callers mask it with the free cells.
constexpr Bits WinningCells(Bits units) {
    Bits cells = 0;
    for (const int step : kLineSteps) {
        const Bits before1 = units << step;
        const Bits before2 = units << (2 * step);
        const Bits after1 = units >> step;
        const Bits after2 = units >> (2 * step);
        cells |= (before1 & before2 & ((units << (3 * step)) | after1)) |
                 (after1 & after2 & ((units >> (3 * step)) | before1));
    }
    return cells & kBoardMask;
}

// Whether the units hold a run of four or more on some axis.
constexpr bool HasLine(Bits units) {
    for (const int step : kLineSteps) {
        const Bits pairs = units & (units >> step);
        if ((pairs & (pairs >> (2 * step))) != 0) {
            return true;
        }
    }
    return false;
}

// The bits of the cells of a board holding the given code.
inline Bits CellsHolding(const Board& board, std::int16_t code) {
    Bits bits = 0;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (board[cell] == code) {
            bits |= One(BitOfCell(cell));
        }
    }
    return bits;
}

}  // namespace morvane::search
