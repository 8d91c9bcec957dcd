#pragma once

#include <QColor>

class QWidget;

namespace morvane::terrain_look {

// The colour of the lines between the cells of a board picture.
inline const QColor kGridLine(40, 62, 104);

// The shell's dark window look; the titles of the window's frames are drawn in the heading
// colour and their contents in the ordinary text colour. Call once the frames are built.
void StyleWindow(QWidget* window);

// A deep panel (a preview, a picture) with a border of the given colour.
void FramePanel(QWidget* panel, const QColor& border);

}  // namespace morvane::terrain_look
