#pragma once

#include "extra/engine/ex_board.h"
#include "rules/guarded_bits.h"

// The computer's view of an ExBoard as guarded bit sets (rules/guarded_bits.h): rows of 11 bits.
namespace morvane::exbits {

using guarded::Bits;
using guarded::CountBits;
using guarded::Has;
using guarded::LowestBit;
using guarded::One;

inline constexpr int kRowStride = guarded::kRowStride<kExColumns>;
inline constexpr int kBitCount = guarded::kBitCount<kExColumns, kExRows>;
inline constexpr const auto& kCellOfBit = guarded::kCellOfBit<kExColumns, kExRows>;
inline constexpr Bits kBoardMask = guarded::kBoardMask<kExColumns, kExRows>;
inline constexpr Bits kBottomRow = guarded::kBottomRow<kExColumns, kExRows>;

constexpr int BitOfCell(int cell) { return guarded::BitOfCell<kExColumns>(cell); }
constexpr Bits WinningCells(Bits units) {
    return guarded::WinningCells<kExColumns, kExRows>(units);
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
