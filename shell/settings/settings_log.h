#pragma once

#include <QLoggingCategory>

namespace morvane {

// The settings store ("morvane.settings"): a file refused, a value not stored, and why. Silent
// unless QT_LOGGING_RULES asks for it.
Q_DECLARE_LOGGING_CATEGORY(settingsLog)

}  // namespace morvane
