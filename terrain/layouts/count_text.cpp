#include "terrain/layouts/count_text.h"

#include <algorithm>

#include "terrain/layouts/area_layouts.h"

namespace morvane {
namespace {

constexpr int kNotADigit = -1;

int DigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9') {
        return c - u'0';
    }
    if (c >= u'０' && c <= u'９') {
        return c - u'０';
    }
    return kNotADigit;
}

bool IsSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\u3000'; }
bool IsMinus(char16_t c) { return c == u'-' || c == u'−' || c == u'－'; }
bool IsPlus(char16_t c) { return c == u'+' || c == u'＋'; }
bool IsPoint(char16_t c) { return c == u'.' || c == u'．'; }

// Where the digits after the point put the number between two whole numbers.
enum class Fraction { Below, Half, Above };

// Reads the fraction digits from position i on, exactly (no floating point, so that "13.5"
// is a true half and "13.50001" is not).
Fraction ReadFraction(std::u16string_view text, std::size_t& i) {
    Fraction fraction = Fraction::Below;
    bool first = true;
    for (; i < text.size() && DigitValue(text[i]) != kNotADigit; ++i) {
        const int digit = DigitValue(text[i]);
        if (first) {
            fraction = digit > 5 ? Fraction::Above : digit == 5 ? Fraction::Half : Fraction::Below;
            first = false;
        } else if (fraction == Fraction::Half && digit != 0) {
            fraction = Fraction::Above;
        }
    }
    return fraction;
}

}  // namespace

int ReadCountText(std::u16string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (IsMinus(text[i]) || IsPlus(text[i]))) {
        negative = IsMinus(text[i]);
        ++i;
    }
    // The whole part only matters up to just past the largest count.
    constexpr int kBeyondLargest = kMaxRandomCount + 1;
    int whole = 0;
    for (; i < text.size() && DigitValue(text[i]) != kNotADigit; ++i) {
        whole = std::min(whole * 10 + DigitValue(text[i]), kBeyondLargest);
    }
    Fraction fraction = Fraction::Below;
    if (i < text.size() && IsPoint(text[i])) {
        ++i;
        fraction = ReadFraction(text, i);
    }
    // Every negative number rounds to 0 or less, and no number at all reads as 0.
    if (negative) {
        return 0;
    }
    const bool roundUp = fraction == Fraction::Above || (fraction == Fraction::Half && whole % 2);
    return std::min(whole + (roundUp ? 1 : 0), kMaxRandomCount);
}

}  // namespace morvane
