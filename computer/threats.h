#pragma once

#include <compare>

#include "rules/board.h"

namespace morvane {

// Threats of one side: windows of four cells holding three of its units and one free cell.
// A threat that shares a cell with an earlier one, or lies directly over or under one, is
// stacked. Compared as a pair: more stacked threats is better, then more single ones.
struct ThreatCount {
    int stacked = 0;
    int single = 0;
    auto operator<=>(const ThreatCount&) const = default;
};

// The threats of the units of side -side on the board.
ThreatCount CountThreats(const Board& board, Turn side);

}  // namespace morvane
