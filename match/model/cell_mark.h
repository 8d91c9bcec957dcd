#pragma once

#include "match/model/battle.h"
#include "rules/board.h"

namespace morvane {

// What the cursor cell tells a person whose turn waits: whether a unit would go in there.
enum class CellMark { None, Takes, Refuses };

// The mark over the cursor cell on the board as drawn; None unless a person's turn waits.
CellMark CursorCellMark(BattleState state, const Board& shown, int cursorCell);

}  // namespace morvane
