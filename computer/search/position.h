#pragma once

#include <array>
#include <cassert>
#include <cstdint>

#include "computer/search/bitboard.h"
#include "rules/board.h"

namespace morvane::search {

inline constexpr int kCodeCount = Block + 1;

// Random keys for every code in every cell (Empty's are 0), and one for × to move: the key of
// a position is the exclusive or of the keys of what it holds.
inline constexpr auto kCellKeys = [] {
    std::array<std::array<std::uint64_t, kBitCount>, kCodeCount> keys{};
    std::uint64_t state = 0x6D6F7276616E65ULL;
    for (int code = Hollow; code < kCodeCount; ++code) {
        for (std::uint64_t& key : keys[static_cast<std::size_t>(code)]) {
            state += 0x9E3779B97F4A7C15ULL;  // splitmix64
            std::uint64_t z = state;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
            key = z ^ (z >> 31);
        }
    }
    return keys;
}();
inline constexpr std::uint64_t kCrossToMoveKey = 0xA0761D6478BD642FULL;

// How much a unit in each cell is worth to the evaluation: the middle columns take part in
// more lines than the edges.
inline constexpr std::array<std::uint8_t, kBitCount> kCentreWeight = [] {
    constexpr std::array<std::uint8_t, kColumns> kByColumn = {0, 1, 2, 3, 3, 2, 1, 0};
    std::array<std::uint8_t, kBitCount> weights{};
    for (int cell = 0; cell < kCellCount; ++cell) {
        weights[static_cast<std::size_t>(BitOfCell(cell))] =
            kByColumn[static_cast<std::size_t>(CellX(cell) - 1)];
    }
    return weights;
}();

// A position as the search keeps it, seen from the side to move ("mover"). Every placement
// fills a free cell (Empty or ◇), so the free count falls by one per ply; codes 4 to 7 and ■
// are filled cells that belong to nobody.
struct Position {
    Bits mover = 0;      // the side to move's units
    Bits other = 0;      // the opponent's units
    Bits filled = 0;     // every cell that is not Empty: they hold up the cell above
    Bits hollow = 0;     // ◇ not yet taken
    Bits moverWins = 0;  // WinningCells(mover), not yet masked with the free cells
    Bits otherWins = 0;  // WinningCells(other)
    int free = 0;
    int centre = 0;  // the mover's centre weight minus the opponent's
    std::int16_t moverCode = CircleUnit;
    std::uint64_t key = 0;

    static Position Of(const Board& board, Turn turn) {
        Position position;
        position.moverCode = UnitCode(turn);
        const std::int16_t otherCode = UnitCode(-turn);
        for (int cell = 0; cell < kCellCount; ++cell) {
            const int bit = BitOfCell(cell);
            const std::int16_t code = board[cell];
            assert(code >= Empty && code < kCodeCount);
            position.key ^=
                kCellKeys[static_cast<std::size_t>(code)][static_cast<std::size_t>(bit)];
            if (code == Empty || code == Hollow) {
                ++position.free;
            }
            if (code != Empty) {
                position.filled |= One(bit);
            }
            if (code == Hollow) {
                position.hollow |= One(bit);
            } else if (code == position.moverCode) {
                position.mover |= One(bit);
                position.centre += kCentreWeight[static_cast<std::size_t>(bit)];
            } else if (code == otherCode) {
                position.other |= One(bit);
                position.centre -= kCentreWeight[static_cast<std::size_t>(bit)];
            }
        }
        position.moverWins = WinningCells(position.mover);
        position.otherWins = WinningCells(position.other);
        if (turn == kCrossTurn) {
            position.key ^= kCrossToMoveKey;
        }
        return position;
    }

    // The cells CanPlace allows: ◇, and Empty cells on the bottom row or above a filled cell.
    Bits Legal() const {
        return hollow | (kBoardMask & ~filled & (kBottomRow | (filled >> kRowStride)));
    }
    Bits FreeCells() const { return (kBoardMask & ~filled) | hollow; }
    Bits EmptyCells() const { return kBoardMask & ~filled; }

    // The key of the position after the mover puts a unit on bit.
    std::uint64_t ChildKey(int bit) const {
        const auto index = static_cast<std::size_t>(bit);
        std::uint64_t child =
            key ^ kCellKeys[static_cast<std::size_t>(moverCode)][index] ^ kCrossToMoveKey;
        if (Has(hollow, bit)) {
            child ^= kCellKeys[Hollow][index];
        }
        return child;
    }

    // The position after the mover puts a unit on bit (a legal cell); the opponent moves next.
    Position Play(int bit) const { return Play(bit, WinsWith(bit)); }

    // The mover's winning cells with a unit on bit too.
    Bits WinsWith(int bit) const { return WinningCellsWith(mover, moverWins, bit); }

    // The same, the mover's winning cells with the new unit already known.
    Position Play(int bit, Bits winsWithUnit) const {
        const Bits one = One(bit);
        const auto index = static_cast<std::size_t>(bit);
        Position next;
        next.mover = other;
        next.other = mover | one;
        next.filled = filled | one;
        next.hollow = hollow & ~one;
        next.moverWins = otherWins;
        next.otherWins = winsWithUnit;
        next.free = free - 1;
        next.centre = -(centre + kCentreWeight[index]);
        next.moverCode = static_cast<std::int16_t>(CircleUnit + CrossUnit - moverCode);
        next.key = ChildKey(bit);
        return next;
    }
};

}  // namespace morvane::search
