#pragma once

#include <QString>
#include <QStringList>

#include "extra/engine/ex_board.h"

namespace morvane::testing {

// Extra-game boards drawn as rows of 10 characters, the last row given being the bottom row
// (row 9); rows not given are empty. '.' empty, '#' stone, '+' box, 'o' Mouse unit, 'x' other
// unit, and the digits 0..8 for any code.
inline ExBoard ExBoardFromRows(const QStringList& bottomRows) {
    ExBoard board;
    const int firstRow = kExRows - static_cast<int>(bottomRows.size());
    for (int r = 0; r < static_cast<int>(bottomRows.size()); ++r) {
        const QString& row = bottomRows[r];
        Q_ASSERT(row.size() == kExColumns);
        for (int column = 0; column < kExColumns; ++column) {
            const QChar ch = row[column];
            std::int16_t code = ExEmpty;
            if (ch == QLatin1Char('#')) {
                code = ExStone;
            } else if (ch == QLatin1Char('+')) {
                code = ExBox;
            } else if (ch == QLatin1Char('o')) {
                code = ExMouseUnit;
            } else if (ch == QLatin1Char('x')) {
                code = ExOtherUnit;
            } else if (ch.isDigit()) {
                code = static_cast<std::int16_t>(ch.digitValue());
            }
            board[(firstRow + r) * kExColumns + column] = code;
        }
    }
    return board;
}

// The board as ten rows of digits, for comparisons that print readably.
inline QStringList ExRowsOf(const ExBoard& board) {
    QStringList rows;
    for (int row = 0; row < kExRows; ++row) {
        QString text;
        for (int column = 0; column < kExColumns; ++column) {
            text += QString::number(board[row * kExColumns + column]);
        }
        rows << text;
    }
    return rows;
}

}  // namespace morvane::testing
