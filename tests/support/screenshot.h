#pragma once

#include <QString>

class QWidget;

namespace morvane::testing {

// Saves a picture of the window as <name>.png in the folder named by MORVANE_SCREENSHOT_DIR,
// when that is set (run the test under xvfb-run with QT_QPA_PLATFORM=xcb to see real windows).
// Does nothing otherwise.
void SaveScreenshot(QWidget* window, const QString& name);

// The same for the whole screen, to see where windows stand on it.
void SaveScreen(const QString& name);

}  // namespace morvane::testing
