#pragma once

#include <QObject>
#include <QRect>
#include <QSize>

class QWidget;

namespace morvane {

// Lays every window of the program out at the display scale percent (one of kDisplayScales) from
// now on, at once: every length a window was built with at the scale 100 (its size, its
// controls' fixed and least sizes, the places of the controls placed by hand, fonts, the margins
// and spacing of its layouts, the lengths of its style sheets and of the widget style) is that
// many times larger, and pictures are drawn afresh at their new size for the screen's density.
// Each window keeps its top left corner; a maximised window keeps its screen size, and one that
// grows with its room (the battle screen) grows by as much. A window made or shown later is laid
// out at the scale as it shows. The scale is the game's own: a high-density screen or a
// QT_SCALE_FACTOR set by the user multiplies with it, as Qt draws every window for them. Called
// before the first window is made, it sets the scale the program starts with. Needs the
// application object.
void ApplyDisplayScale(int percent);

// The display scale the windows are laid out at now: the last one applied, 100 before any.
int AppliedDisplayScale();

// A length, a size and a rectangle at the scale 100 as they stand at the display scale in use:
// a rectangle's edges are scaled, so that rectangles side by side stay side by side.
int Scaled(int lengthAt100);
QSize Scaled(QSize sizeAt100);
QRect Scaled(const QRect& rectAt100);

// Puts a control that its window places by hand (not a layout) where the rectangle at the scale
// 100 stands at the display scale in use, and keeps it there when the scale changes. Called
// again, it moves the control.
void PlaceScaled(QWidget* control, const QRect& placeAt100);

// The widget and everything on it are laid out by their owner at the display scale (a page that
// grows with its room and takes the scale as its least growth): the display scale leaves their
// places, sizes and fonts alone.
void LaidOutByOwner(QWidget* widget);

// Tells when the display scale has changed, once every open window is laid out at it.
class DisplayScaleNotice : public QObject {
    Q_OBJECT

signals:
    void changed();
};
DisplayScaleNotice& DisplayScaleChanges();

}  // namespace morvane
