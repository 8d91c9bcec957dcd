#pragma once

#include <QString>
#include <QWidget>
#include <algorithm>

#include "rules/board.h"

namespace morvane::testing {

// The named control of a window, or nullptr.
template <typename T>
T* Control(QWidget* window, const QString& name) {
    return window->findChild<T*>(name);
}

inline int CountCode(const Board& board, std::int16_t code) {
    return static_cast<int>(std::ranges::count(board.cells, code));
}

// A layout text from rows of 8 digits, the top row first.
inline QString Rows(std::initializer_list<const char*> rows) {
    QString text;
    for (const char* row : rows) {
        text += QString::fromLatin1(row);
    }
    return text;
}

}  // namespace morvane::testing
