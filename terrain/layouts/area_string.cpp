#include "terrain/layouts/area_string.h"

#include <algorithm>

namespace morvane {
namespace {

// The code a layout character stands for.
std::int16_t CodeOf(char16_t character) {
    switch (character) {
        case u'1':
            return Hollow;
        case u'2':
            return CircleUnit;
        case u'3':
            return CrossUnit;
        case u'8':
            return Block;
        default:
            return Empty;
    }
}

}  // namespace

std::u16string EmptyAreaString() { return std::u16string(kAreaStringLength, u'0'); }

Board ReadAreaString(std::u16string_view text) {
    Board board;
    const std::size_t used = std::min(text.size(), static_cast<std::size_t>(kAreaStringLength));
    for (std::size_t k = 0; k < used; ++k) {
        board[static_cast<int>(k)] = CodeOf(text[k]);
    }
    return board;
}

std::u16string WriteAreaString(const Board& board) {
    std::u16string text;
    text.reserve(kAreaStringLength);
    for (const std::int16_t code : board.cells) {
        assert(code >= 0 && code <= 9);
        text.push_back(static_cast<char16_t>(u'0' + code));
    }
    return text;
}

}  // namespace morvane
