#pragma once

#include <QString>

#include "rules/board.h"
#include "terrain/layouts/area_string.h"

namespace morvane {

// The `AreaString` rules of terrain/layouts applied to Qt texts (the settings store's).

// The text's UTF-16 characters, as the plain C++ readers take them.
inline std::u16string_view Utf16Of(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

inline Board ReadAreaText(const QString& text) { return ReadAreaString(Utf16Of(text)); }

inline QString WriteAreaText(const Board& board) {
    return QString::fromStdU16String(WriteAreaString(board));
}

}  // namespace morvane
