#include "match/model/cell_mark.h"

namespace morvane {

CellMark CursorCellMark(BattleState state, const Board& shown, int cursorCell) {
    if (state != BattleState::WaitMouse && state != BattleState::WaitKeyboard) {
        return CellMark::None;
    }
    return CanPlace(shown, cursorCell) ? CellMark::Takes : CellMark::Refuses;
}

}  // namespace morvane
