#pragma once

#include <string_view>

namespace morvane {

// The random-layout count a typed text stands for: the decimal number at the start of the text
// (leading spaces and a sign allowed, full-width digits too; no number reads as 0), rounded to
// the nearest whole number with a half going to the even neighbour, then kept within 0..96.
int ReadCountText(std::u16string_view text);

}  // namespace morvane
