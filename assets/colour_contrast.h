#pragma once

#include <QColor>

namespace morvane {

// The contrast ratio of two colours, 1 to 21, as the web's accessibility guidelines measure it
// from their relative luminance (alpha left out).
double ContrastRatio(const QColor& a, const QColor& b);

}  // namespace morvane
