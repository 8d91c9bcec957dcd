#pragma once

#include <QLoggingCategory>

namespace morvane {

// The battle screen's log ("morvane.battle"): what a maintainer asks for when a match went wrong.
// Warnings where something failed; debug lines (off unless turned on) for the turn loop's states
// and the computer's thinking.
Q_DECLARE_LOGGING_CATEGORY(battleLog)

}  // namespace morvane
