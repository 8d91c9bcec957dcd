#pragma once

#include <QLoggingCategory>

namespace morvane {

// The terrain chosen before a game and the user's layouts ("morvane.terrain"). Silent unless
// QT_LOGGING_RULES asks for it.
Q_DECLARE_LOGGING_CATEGORY(terrainLog)

}  // namespace morvane
