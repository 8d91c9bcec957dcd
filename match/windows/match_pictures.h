#pragma once

#include <QColor>
#include <QPixmap>

#include "match/model/rgb.h"

namespace morvane {

// The match windows' pictures, and the models' colours as Qt colours.

// A model's colour as the look in use shows it (look::Legible).
QColor ToQColor(Rgb rgb);

// Cell picture 1..8 (a CellState code) at the cells' size, grown by the given factor.
QPixmap CellPixmap(int code, qreal growth = 1.0);

// Player picture 1..10 at the given edge length.
QPixmap PlayerPixmap(int number, int size);

}  // namespace morvane
