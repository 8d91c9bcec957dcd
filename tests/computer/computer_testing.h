#pragma once

#include <QList>
#include <QStringList>

#include "computer/search/cell_list.h"
#include "rules/board.h"
#include "tests/rules/board_text.h"

namespace morvane::testing {

inline QList<int> ToList(const CellList& cells) { return QList<int>(cells.begin(), cells.end()); }

// Cells written as (column, row) pairs, for readable expectations.
inline QList<int> Cells(std::initializer_list<std::pair<int, int>> columnRows) {
    QList<int> cells;
    for (const auto& [x, y] : columnRows) {
        cells << CellIndex(x, y);
    }
    return cells;
}

}  // namespace morvane::testing
