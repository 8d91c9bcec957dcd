#pragma once

#include <QCursor>
#include <QPixmap>
#include <QPoint>
#include <QSize>
#include <QString>

#include "assets/language.h"

namespace morvane {

// Renders one of the compiled-in SVG pictures (":/cells/cell_3.svg") at the given size in
// device-independent pixels, sharp on high-density screens.
QPixmap RenderPicture(const QString& resource, QSize size, qreal devicePixelRatio = 1.0);

// The title picture, shown by the title and the information window, its subtitle in the language.
QPixmap TitlePicture(QSize size, qreal devicePixelRatio, Language language);

// A pointer made from an SVG picture; the hot spot is given in the picture's own units
// (its viewBox) and scaled with it.
QCursor MakePointer(const QString& resource, QSize size, QPointF hotSpotInViewBox);

}  // namespace morvane
