#pragma once

#include <string>

#include "rules/board.h"

namespace morvane {

// The board as text for a fixed-pitch preview: 12 lines, top row first, each of the 8 cells as
// one full-width character ("　" Empty, "◇", "○", "×", "■"; other codes add nothing) and each
// line ended by "\n".
std::u16string PreviewText(const Board& board);

}  // namespace morvane
