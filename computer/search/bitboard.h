#pragma once

#include <cstdint>

#include "rules/board.h"
#include "rules/guarded_bits.h"

// The main board as guarded bit sets (rules/guarded_bits.h): rows of 9 bits, row 1 first.
namespace morvane::search {

using guarded::Bits;
using guarded::CountBits;
using guarded::Has;
using guarded::LowestBit;
using guarded::One;
using guarded::Several;

inline constexpr int kRowStride = guarded::kRowStride<kColumns>;
inline constexpr int kBitCount = guarded::kBitCount<kColumns, kRows>;
inline constexpr const auto& kCellOfBit = guarded::kCellOfBit<kColumns, kRows>;
inline constexpr Bits kBoardMask = guarded::kBoardMask<kColumns, kRows>;
inline constexpr Bits kBottomRow = guarded::kBottomRow<kColumns, kRows>;

constexpr int BitOfCell(int cell) { return guarded::BitOfCell<kColumns>(cell); }
constexpr Bits WinningCells(Bits units) { return guarded::WinningCells<kColumns, kRows>(units); }
// WinningCells(units | One(bit)), given wins = WinningCells(units).
constexpr Bits WinningCellsWith(Bits units, Bits wins, int bit) {
    return guarded::WinningCellsWith<kColumns, kRows>(units, wins, bit);
}
constexpr bool HasLine(Bits units) { return guarded::HasLine<kColumns>(units); }

}  // namespace morvane::search
