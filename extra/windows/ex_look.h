#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QPainter;
class QRect;
class QWidget;

namespace morvane {

// The look the extra game's windows share: a dark brown rock background with warm, light text,
// in the manner of the older version they remake.
namespace exlook {

inline const QColor kPanel(20, 12, 6, 190);  // panels laid over the rock
inline const QColor kPanelEdge(120, 84, 50);

// The proportional and the fixed-pitch Japanese font at a pixel size.
QFont Font(int pixelSize, bool bold = false);
QFont FixedFont(int pixelSize, bool bold = false);

// Styles a window of the extra game: text colour, buttons, sliders, frames, text boxes and the
// menu bar, over a background its own paint event (or the rock texture) provides.
void StyleWindow(QWidget* window);

// Paints the rock texture, tiled, over the given part of the widget.
void PaintRock(QPainter& painter, const QWidget* widget, const QRect& area);

}  // namespace exlook
}  // namespace morvane
