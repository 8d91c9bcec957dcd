#pragma once

#include <QPixmap>
#include <functional>

class QLabel;
class QWidget;

namespace morvane {

// Draws a picture at its size at the display scale 100 for a density: device pixels to that
// size's pixel.
using PictureRenderer = std::function<QPixmap(qreal devicePixelRatio)>;

// The picture render draws, as widget shows it: at the display scale in use, with as many device
// pixels as widget's screen gives it, so that it is sharp.
QPixmap ScaledPicture(const QWidget* widget, const PictureRenderer& render);

// Calls redraw each time what widget's pictures are drawn for changes: the display scale, the
// look, or its window's screen or that screen's density. Keeps doing so while widget lives.
void OnPictureDensityChange(QWidget* widget, std::function<void()> redraw);

// Shows on the label the picture render draws (ScaledPicture), and draws it afresh each time the
// display scale, the look or the label's density changes, so that it keeps its size and stays
// sharp, in the look's colours.
void ShowPicture(QLabel* label, PictureRenderer render);

}  // namespace morvane
