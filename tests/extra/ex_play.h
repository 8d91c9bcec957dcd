#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTest>
#include <algorithm>
#include <cstdint>

#include "extra/engine/ex_board.h"
#include "rules/random.h"

namespace morvane::testing {

// Seeds the random routine so that the next start draws the given side to move first.
inline void SeedFirstPlayer(bool mouseFirst) {
    constexpr std::uint64_t kSeedsToTry = 64;
    for (std::uint64_t seed = 1; seed <= kSeedsToTry; ++seed) {
        SeedRandomForTesting(seed);
        if ((RandomUpTo(1) == 0) == mouseFirst) {
            SeedRandomForTesting(seed);
            return;
        }
    }
    QFAIL("no seed draws that side first");
}

inline int Count(const ExBoard& board, std::int16_t code) {
    return static_cast<int>(std::count(board.cells.begin(), board.cells.end(), code));
}

// The first cell in index order that may take a unit; kExCellCount if none.
inline int FirstLegalCell(const ExBoard& board) {
    int cell = 0;
    while (cell < kExCellCount && !ExCanPlace(board, cell)) {
        ++cell;
    }
    return cell;
}

// A drawn game, the Mouse side first: rows pair up as "oxoxoxoxox" and "xoxoxoxoxo", which
// holds no run of four in any direction; both sides fill the board from the bottom row up.
inline QString DrawnRow(int row) {
    return row % 4 < 2 ? QStringLiteral("oxoxoxoxox") : QStringLiteral("xoxoxoxoxo");
}
inline QList<int> DrawnGameMoves() {
    QList<int> moves;
    for (int row = kExRows - 1; row >= 0; --row) {
        QList<int> mouse;
        QList<int> other;
        for (int column = 0; column < kExColumns; ++column) {
            (DrawnRow(row)[column] == QLatin1Char('o') ? mouse : other)
                << row * kExColumns + column;
        }
        for (int k = 0; k < mouse.size(); ++k) {
            moves << mouse[k] << other[k];
        }
    }
    return moves;
}

}  // namespace morvane::testing
