#pragma once

#include <QLoggingCategory>

namespace morvane {

// The sound player ("morvane.sound"): no audio output, a sound file not written. Silent unless
// QT_LOGGING_RULES asks for it.
Q_DECLARE_LOGGING_CATEGORY(soundLog)

}  // namespace morvane
