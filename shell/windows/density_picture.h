#pragma once

#include <QPixmap>
#include <functional>

class QLabel;

namespace morvane {

// Draws a picture for a density: device pixels to the game's pixel.
using PictureRenderer = std::function<QPixmap(qreal devicePixelRatio)>;

// Shows on the label the picture render draws for the label's density, and draws it afresh each
// time that density changes (a display scale chosen while the game runs, the window moved to a
// screen of another density), so that it stays sharp.
void ShowPicture(QLabel* label, PictureRenderer render);

}  // namespace morvane
