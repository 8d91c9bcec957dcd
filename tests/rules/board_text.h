#pragma once

#include <QString>

#include "rules/board.h"

namespace morvane::testing {

// A board written as rows of text, top row first, one character per cell:
// '.' empty, 'd' ◇, 'o' ○, 'x' ×, 'O' winning ○, 'X' winning ×, 'p' greyed ○, 'q' greyed ×,
// '#' ■. Fewer rows than twelve fill the bottom of the board; spaces are ignored.
inline Board BoardFromRows(const QStringList& rows) {
    static const QString kCodes = QStringLiteral(".doxOXpq#");
    Board board;
    const int firstRow = kRows - static_cast<int>(rows.size()) + 1;
    for (int r = 0; r < rows.size(); ++r) {
        const QString row = QString(rows[r]).remove(QLatin1Char(' '));
        for (int c = 0; c < row.size() && c < kColumns; ++c) {
            board[CellIndex(c + 1, firstRow + r)] =
                static_cast<std::int16_t>(kCodes.indexOf(row[c]));
        }
    }
    return board;
}

// A board whose given bottom rows lie under rows of ■ only.
inline Board BlocksAbove(const QStringList& bottomRows) {
    QStringList rows;
    for (qsizetype row = bottomRows.size(); row < kRows; ++row) {
        rows << QStringLiteral("########");
    }
    return BoardFromRows(rows + bottomRows);
}

inline QStringList RowsOf(const Board& board) {
    static const QString kCodes = QStringLiteral(".doxOXpq#");
    QStringList rows;
    for (int y = 1; y <= kRows; ++y) {
        QString row;
        for (int x = 1; x <= kColumns; ++x) {
            row += kCodes[board[CellIndex(x, y)]];
        }
        rows << row;
    }
    return rows;
}

}  // namespace morvane::testing
