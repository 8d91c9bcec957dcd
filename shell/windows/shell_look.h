#pragma once

#include <QColor>
#include <QFont>

class QWidget;

namespace morvane {

// The colours and type the shell's windows share, so that they look like one game.
namespace look {

inline const QColor kNight(10, 18, 40);        // window background
inline const QColor kNightDeep(4, 8, 20);      // panels inside a window
inline const QColor kSteel(70, 110, 170);      // frames and rules
inline const QColor kPaleText(220, 228, 240);  // ordinary text
inline const QColor kGold(255, 210, 80);       // headings

// Sets the colour a label or a button draws its text in.
void SetTextColour(QWidget* widget, const QColor& colour);

// Fills the widget with a flat background colour.
void SetBackground(QWidget* widget, const QColor& colour);

// The widget's font at a pixel size, bold or not.
QFont SizedFont(const QWidget* widget, int pixelSize, bool bold = false);

// Dark window look with the pale text colour, for a top-level window.
void StyleWindow(QWidget* window);

// The dark window look plus matching push buttons, text boxes and group frames, for the
// secondary windows. Their labels do not take the window's text colour: give each its own.
void StyleDialog(QWidget* window);

}  // namespace look
}  // namespace morvane
