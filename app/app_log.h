#pragma once

#include <QLoggingCategory>

namespace morvane {

// The program's start and the windows it opens ("morvane.app"). Like every category of the
// game it says nothing unless QT_LOGGING_RULES asks for it (CONTRIBUTING.md: "Diagnostics").
Q_DECLARE_LOGGING_CATEGORY(appLog)

}  // namespace morvane
