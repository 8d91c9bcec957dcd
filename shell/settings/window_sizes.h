#pragma once

#include <QSize>
#include <QStringList>
#include <array>

namespace morvane {

// A window's size at the display scale 100 (its own size, frame not counted), by its
// objectName (the battle screen in a network match as "Form3Network"), and whether its page
// scrolls when the screen is too small for it.
struct WindowSize {
    const char* name;
    QSize size;
    bool scrolls = false;
};

// Every window of the program at its own size: the windows that can grow at the size they open
// at, the others at their one size. A test holds each window to its entry.
extern const std::array<WindowSize, 21> kWindowSizes;

// What a window's frame (its title bar and edges) adds to it on a desktop, in screen pixels.
inline constexpr QSize kWindowFrame{16, 40};

// The windows that would run off a screen whose free area is room (in pixels of the scale 100)
// at the display scale percent: those that do not scroll and are, with their frame, larger
// than the room.
QStringList WindowsTooLarge(int percent, QSize room);

// Whether every window fits or scrolls at the display scale on that room.
bool ScaleFits(int percent, QSize room);

}  // namespace morvane
