#pragma once

#include <QRect>
#include <functional>

class QWidget;

namespace morvane {

// Where windows open. Every window calls one of these once it is built; the place is taken each
// time the window is shown, when its size is known. A secondary window (one with a parent) opens
// centred over its owner, the window of its parent; a main window opens centred on the screen.
// Either way it is then moved wholly onto the screen's free area, and a window too large for the
// screen is made smaller when its page can scroll (SetScrollingPage).
void PlaceOnShow(QWidget* window);

// Like PlaceOnShow, but the window opens beside the area that keepInView gives (in screen
// coordinates, asked each time the window is shown): to its right, else to its left, else below
// or above it, wherever it fits on the screen without covering that area. A window has one
// place: this replaces the one it had.
void PlaceBesideOnShow(QWidget* window, std::function<QRect()> keepInView);

// Makes content (built with its own layout, at its full size) the whole of the window, in a
// scroll area that shows scroll bars only when the screen is too small for the window: on a
// large enough screen the window is exactly the content's size.
void SetScrollingPage(QWidget* window, QWidget* content);

}  // namespace morvane
