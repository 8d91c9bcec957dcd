#pragma once

#include <QRect>
#include <cmath>

namespace morvane::testing {

// Whether a control of a grown page stands where its place at the page's own size, times the
// growth, puts it: every edge within a pixel's rounding.
inline bool GrownFrom(const QRect& grown, const QRect& own, qreal growth) {
    const auto near = [growth](int grownLength, int ownLength) {
        return std::abs(grownLength - ownLength * growth) <= 1.0;
    };
    return near(grown.x(), own.x()) && near(grown.y(), own.y()) &&
           near(grown.width(), own.width()) && near(grown.height(), own.height());
}

}  // namespace morvane::testing
