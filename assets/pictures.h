#pragma once

#include <QColor>
#include <QCursor>
#include <QPixmap>
#include <QPoint>
#include <QSize>
#include <QString>

#include "assets/language.h"

namespace morvane {

// How pictures are coloured when rendered: as drawn, or recoloured from the same sources for a
// look. High contrast keeps each light colour's hue at its brightest, turns the dark ones black
// and draws the strokes a picture marks heavy wider; light turns each colour's lightness over, so
// that dark grounds become pale and bright marks deep.
enum class PictureTone { AsDrawn, HighContrast, Light };

// Every picture rendered from now on is in the tone.
void UsePictureTone(PictureTone tone);
PictureTone CurrentPictureTone();

// A colour of a picture in the tone.
QColor ToneColour(const QColor& colour, PictureTone tone);

// Renders one of the compiled-in SVG pictures (":/cells/cell_3.svg") at the given size in
// device-independent pixels, sharp on high-density screens, in the picture tone in use.
QPixmap RenderPicture(const QString& resource, QSize size, qreal devicePixelRatio = 1.0);

// Where a style sheet (`image: url(...)`) finds one of the compiled-in SVG pictures in the picture
// tone in use: the picture itself as drawn; in another tone a recoloured copy, written once per
// tone into a folder of the program's own that is removed when it ends, or the picture as drawn
// when the copy cannot be written.
QString StyleSheetPicture(const QString& resource);

// The title picture, shown by the title and the information window, its subtitle in the language.
QPixmap TitlePicture(QSize size, qreal devicePixelRatio, Language language);

// A pointer made from an SVG picture; the hot spot is given in the picture's own units
// (its viewBox) and scaled with it.
QCursor MakePointer(const QString& resource, QSize size, QPointF hotSpotInViewBox);

}  // namespace morvane
