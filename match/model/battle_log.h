#pragma once

#include <QLoggingCategory>

namespace morvane {

// The battle screen's log ("morvane.battle"): what a maintainer asks for when a match went wrong.
Q_DECLARE_LOGGING_CATEGORY(battleLog)

}  // namespace morvane
