#pragma once

#include <QLoggingCategory>

namespace morvane {

// The extra game's flow: its notices and questions, as a player saw them ("morvane.extra"). Silent
// unless QT_LOGGING_RULES asks for it.
Q_DECLARE_LOGGING_CATEGORY(extraLog)

}  // namespace morvane
