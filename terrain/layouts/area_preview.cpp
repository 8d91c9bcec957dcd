#include "terrain/layouts/area_preview.h"

namespace morvane {
namespace {

// The preview character of a cell code; 0 for the codes that show nothing.
char16_t PreviewCharacter(std::int16_t code, char16_t blank) {
    switch (code) {
        case Empty:
            return blank;
        case Hollow:
            return u'◇';
        case CircleUnit:
            return u'○';
        case CrossUnit:
            return u'×';
        case Block:
            return u'■';
        default:
            return 0;
    }
}

}  // namespace

std::u16string PreviewText(const Board& board, char16_t blank) {
    std::u16string text;
    for (int y = 1; y <= kRows; ++y) {
        for (int x = 1; x <= kColumns; ++x) {
            if (const char16_t character = PreviewCharacter(board[CellIndex(x, y)], blank)) {
                text.push_back(character);
            }
        }
        text.push_back(u'\n');
    }
    return text;
}

}  // namespace morvane
