#include "match/model/hint.h"

#include "match/model/searched_cell.h"

namespace morvane {

Hint HintFrom(const Board& board, Turn turn, const SearchResult& found) {
    const int cell = PlaceableSearchedCell(board, turn, found.cell);
    return Hint{cell, cell == found.cell ? ProvenValue(found) : GameValue::Unknown};
}

}  // namespace morvane
