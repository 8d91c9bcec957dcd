#pragma once

#include <QLoggingCategory>

namespace morvane {

// The computer's thinking in a match ("morvane.computer"): each search's answer and how long it
// took, and a search abandoned before its answer. Silent unless QT_LOGGING_RULES asks for it.
Q_DECLARE_LOGGING_CATEGORY(computerLog)

}  // namespace morvane
