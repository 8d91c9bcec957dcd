#pragma once

namespace morvane {

// Draws every window of the program at the display scale percent (one of kDisplayScales) from
// now on, at once: each open window keeps its size in the game's pixels and is drawn that many
// times larger on the screen, its top left corner where it was, text, pictures and pointer alike.
// A maximised window keeps its screen size and holds fewer of the game's pixels. The scale is
// relative to what Qt draws by itself: a high-density screen or a QT_SCALE_FACTOR set by the
// user multiplies with it. Called before the first window is made, it sets the scale the
// program starts with. Needs the application object.
void ApplyDisplayScale(int percent);

// The display scale the windows are drawn at now: the last one applied, 100 before any.
int AppliedDisplayScale();

}  // namespace morvane
