#pragma once

#include <QRect>
#include <QSize>

namespace morvane {

// The factor a page of the designed size grows by to fill the room while keeping its
// proportions; never below 1, since the designed size is the least a page has.
qreal GrowthFactor(QSize designed, QSize room);

// Where the page grown by factor stands in the room: centred, the room's rest left over on both
// sides.
QRect LetterboxedPage(QSize designed, qreal factor, const QRect& room);

// A rectangle of the page at its designed size, as it stands on the page grown by factor. Its
// edges are scaled and rounded, so that rectangles side by side stay side by side.
QRect ScaledRect(const QRect& designed, qreal factor);

// A pixel size (of a font, a picture) on the page grown by factor.
int ScaledLength(int designed, qreal factor);

}  // namespace morvane
