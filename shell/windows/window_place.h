#pragma once

#include <QObject>
#include <QRect>
#include <functional>

class QWidget;

namespace morvane {

class SettingsStore;

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

// Moves a shown window as little as it takes to lie wholly on its screen's free area, its
// scrolling page first fitted to that area: for a window that has grown where it stands.
void KeepOnScreen(QWidget* window);

// Remembers where the main windows were last closed. While it exists, a main window (one that
// PlaceOnShow places, with no owner and not modal: the title, the battle screen, the extra game's
// windows) reopens where it was last hidden, when most of it is still on a screen; it is kept
// wholly on that screen, and from anywhere else it opens as PlaceOnShow places it (a stored place
// more than a few screens beyond the screens counts as none). The places are kept in the store
// under the windows' objectNames. A window that belongs to another one (the dialogs over their
// owner, the result dialog beside the board) and a modal window (the message dialog, even with
// no owner) open where they belong each time, and are not kept. Made once for the program; it
// watches the whole application.
class PlaceMemory : public QObject {
    Q_OBJECT

public:
    explicit PlaceMemory(SettingsStore& store);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SettingsStore& store_;
};

// Makes content (built with its own layout, at its full size) the whole of the window, in a
// scroll area that shows scroll bars only when the screen is too small for the window: on a
// large enough screen the window is exactly the content's size.
void SetScrollingPage(QWidget* window, QWidget* content);

}  // namespace morvane
