#pragma once

#include <string>

#include "rules/board.h"

namespace morvane {

// The blank of an Empty cell among Japanese texts: a full-width space.
inline constexpr char16_t kFullWidthBlank = u'\u3000';

// The board as text for a fixed-pitch preview: 12 lines, top row first, each of the 8 cells as
// one full-width character (blank for Empty, "◇", "○", "×", "■"; other codes add nothing) and
// each line ended by "\n". The blank should be as wide as the symbols in the preview's font.
std::u16string PreviewText(const Board& board, char16_t blank = kFullWidthBlank);

}  // namespace morvane
