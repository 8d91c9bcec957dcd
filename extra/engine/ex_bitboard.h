#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "extra/engine/ex_board.h"

// The computer's view of an ExBoard: one bit per cell, rows of 11 bits (10 cells and a guard
// bit that is always clear), so that a shift along a row or a diagonal that would wrap around
// the board edge lands on a guard bit instead of a cell of the next row.
namespace morvane::exbits {

using Bits = unsigned __int128;

inline constexpr int kRowStride = kExColumns + 1;
inline constexpr int kBitCount = kExRows * kRowStride;
static_assert(kBitCount <= 128);

constexpr int BitOfCell(int cell) { return cell / kExColumns * kRowStride + cell % kExColumns; }
constexpr Bits One(int bit) { return static_cast<Bits>(1) << bit; }

inline constexpr std::array<std::int8_t, kBitCount> kCellOfBit = [] {
    std::array<std::int8_t, kBitCount> table{};
    for (int cell = 0; cell < kExCellCount; ++cell) {
        table[static_cast<std::size_t>(BitOfCell(cell))] = static_cast<std::int8_t>(cell);
    }
    return table;
}();

inline constexpr Bits kBoardMask = [] {
    Bits mask = 0;
    for (int cell = 0; cell < kExCellCount; ++cell) {
        mask |= One(BitOfCell(cell));
    }
    return mask;
}();

inline constexpr Bits kBottomRow = [] {
    Bits mask = 0;
    for (int cell = kExBottomRowStart; cell < kExCellCount; ++cell) {
        mask |= One(BitOfCell(cell));
    }
    return mask;
}();

// The lowest set bit; bits must not be 0. Ascending bits are ascending cells.
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

// The cells that would complete a run of four for a side holding units: for every direction,
// a cell whose three neighbours on one side, or two on one side and one on the other, are its
// own. The result may include occupied cells; callers test it only on cells that are open.
inline Bits WinningCells(Bits units) {
    constexpr std::array<int, 4> kSteps = {1, kRowStride, kRowStride - 1, kRowStride + 1};
    Bits cells = 0;
    for (const int step : kSteps) {
        const Bits before1 = units << step;
        const Bits before2 = units << (2 * step);
        const Bits before3 = units << (3 * step);
        const Bits after1 = units >> step;
        const Bits after2 = units >> (2 * step);
        const Bits after3 = units >> (3 * step);
        cells |= (before1 & before2 & (before3 | after1)) | (after1 & after2 & (after3 | before1));
    }
    return cells & kBoardMask;
}

// A position as the search keeps it. Every placement fills an open cell (empty or box), so the
// number of open cells falls by one per ply.
struct Position {
    Bits mouse = 0;     // ExMouseUnit
    Bits other = 0;     // ExOtherUnit
    Bits occupied = 0;  // every code but ExEmpty
    Bits boxes = 0;
    int open = 0;

    static Position Of(const ExBoard& board) {
        Position position;
        for (int cell = 0; cell < kExCellCount; ++cell) {
            const Bits bit = One(BitOfCell(cell));
            switch (board[cell]) {
                case ExEmpty:
                    ++position.open;
                    continue;
                case ExBox:
                    ++position.open;
                    position.boxes |= bit;
                    break;
                case ExMouseUnit:
                    position.mouse |= bit;
                    break;
                case ExOtherUnit:
                    position.other |= bit;
                    break;
                default:
                    break;
            }
            position.occupied |= bit;
        }
        return position;
    }

    // The cells ExCanPlace allows: boxes, and empty cells on the bottom row or above anything.
    Bits Legal() const {
        const Bits empty = kBoardMask & ~occupied;
        return boxes | (empty & (kBottomRow | (occupied >> kRowStride)));
    }

    Position WithMouse(int bit) const { return Placed(bit, true); }
    Position WithOther(int bit) const { return Placed(bit, false); }

private:
    Position Placed(int bit, bool isMouse) const {
        Position next = *this;
        const Bits one = One(bit);
        next.occupied |= one;
        next.boxes &= ~one;
        (isMouse ? next.mouse : next.other) |= one;
        --next.open;
        return next;
    }
};

}  // namespace morvane::exbits
