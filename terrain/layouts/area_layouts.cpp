#include "terrain/layouts/area_layouts.h"

#include <algorithm>
#include <array>
#include <string>

#include "rules/random.h"
#include "terrain/layouts/area_string.h"

namespace morvane {
namespace {

// The built-in layouts, Hell to Whirlpool, written as rows of the board from the top.
constexpr std::array<std::u16string_view, 6> kBuiltInLayouts = {
    // Ｈｅｌｌ
    u"10010101"
    u"00000000"
    u"00000000"
    u"00000000"
    u"00100010"
    u"00001000"
    u"00000000"
    u"00000000"
    u"10000001"
    u"00000000"
    u"01000010"
    u"00000000",
    // Ｈｅｖｅｎ
    u"00000000"
    u"80000000"
    u"00800000"
    u"00008000"
    u"00000000"
    u"00000080"
    u"00000000"
    u"00000800"
    u"00080000"
    u"08000000"
    u"00000000"
    u"00000000",
    // Ｓｔｏｎｅ
    u"00000000"
    u"08000000"
    u"00000000"
    u"00000000"
    u"00008080"
    u"00000800"
    u"00000000"
    u"08080000"
    u"00800000"
    u"00000800"
    u"00000000"
    u"00000800",
    // Ｉｎｓｅｃｔｅｒ
    u"01000000"
    u"01000000"
    u"00000100"
    u"00000000"
    u"00010000"
    u"00010000"
    u"00000010"
    u"01080101"
    u"01000000"
    u"00000000"
    u"00001010"
    u"00000000",
    // Ｍｉｎｅ
    u"00000000"
    u"00000100"
    u"08000000"
    u"00000101"
    u"00100000"
    u"00100000"
    u"11811000"
    u"00100000"
    u"00100000"
    u"00001010"
    u"00000000"
    u"00001000",
    // Ｗｈｉｒｌｐｏｏｌ
    u"00000010"
    u"88000001"
    u"00118000"
    u"00000100"
    u"01000100"
    u"10100800"
    u"80000100"
    u"01818000"
    u"00000001"
    u"10000010"
    u"01181100"
    u"00000000",
};

static_assert(std::ranges::all_of(kBuiltInLayouts, [](std::u16string_view layout) {
    return layout.size() == kAreaStringLength;
}));

// Sets one randomly drawn cell, drawing the column before the row.
void DrawCell(Board& board, std::int16_t code) {
    const int x = RandomUpTo(kColumns - 1) + 1;
    const int y = RandomUpTo(kRows - 1) + 1;
    board[CellIndex(x, y)] = code;
}

}  // namespace

std::optional<std::u16string_view> FixedLayout(int option) {
    if (option >= HellArea && option <= WhirlpoolArea) {
        return kBuiltInLayouts[static_cast<std::size_t>(option)];
    }
    if (option == NoArea) {
        static const std::u16string kNoLayout = EmptyAreaString();
        return kNoLayout;
    }
    return std::nullopt;
}

Board MakeRandomLayout(int hollowCount, int blockCount) {
    Board board;
    for (int draw = 0; draw < blockCount; ++draw) {
        DrawCell(board, Block);
    }
    for (int draw = 0; draw < hollowCount; ++draw) {
        DrawCell(board, Hollow);
    }
    return board;
}

}  // namespace morvane
